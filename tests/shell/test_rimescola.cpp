// The scrambler: its properties, and the exact bytes it stores, pinned for every seed in use,
// since every scrambled file already on disk depends on them.

#include "shell/Rimescola.h"
#include "shell/common/Errore.h"
#include "tests/supporto/Ambiente.h"

#include <QFile>
#include <QFileInfo>

#include <QTest>
#include <cmath>

using namespace klavo;

class TestRimescola : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void flussoFisso();
    void byteFissi_data();
    void byteFissi();
    void radoFisso();
    void proprieta();
    void radoToccaUnByteOgniCento();
    void memoriaComeFile();
};

// The generator's first values after reseeding with -3: the reseed's own value is discarded by
// the scrambler, so the first byte of a file meets the second value.
void TestRimescola::flussoFisso() {
    GeneratoreCasuale g;
    const float primo = g.Reinizializza(-3.0);
    QVERIFY(primo >= 0.0f && primo < 1.0f);
    GeneratoreCasuale h;
    h.Reinizializza(-3.0);
    for (int i = 0; i < 1000; ++i) {
        const float r = h.Estrai();
        QVERIFY(r >= 0.0f && r < 1.0f);
        GeneratoreCasuale copia = g;
        QCOMPARE(static_cast<int>(std::floor(r * 256.0f)), static_cast<int>(copia.EstraiByte()));
        g.Estrai();
    }
    GeneratoreCasuale a, b;
    a.Reinizializza(-3.0);
    b.Reinizializza(-3.0);
    QCOMPARE(a.Estrai(), b.Estrai());
}

void TestRimescola::byteFissi_data() {
    QTest::addColumn<int>("seme");
    QTest::addColumn<QByteArray>("atteso");
    QTest::newRow("Win.i_o") << int(SemePasswordAvvio)
                             << QByteArray::fromHex("26f02dc23531476cead2b26c");
    QTest::newRow("blocco") << int(SemeBloccoControllo)
                            << QByteArray::fromHex("b0c22fea4410b364a39bbd4b");
    QTest::newRow("Systm2.dll") << int(SemePasswordArchivio)
                                << QByteArray::fromHex("ab4a4adb91f9e51cd08d2d84");
    QTest::newRow("SysDat.dll") << int(SemeDatabaseArchivio)
                                << QByteArray::fromHex("f25dfd41f3aa9401d73672d9");
}

void TestRimescola::byteFissi() {
    QFETCH(int, seme);
    QFETCH(QByteArray, atteso);
    prova::Ambiente amb;
    const QString percorso = amb.windows(QStringLiteral("Win.i_o"));
    const QByteArray chiaro = "Klavo 2026\r\n";
    prova::Scrivi(percorso, chiaro);
    RimescolaFile(percorso, static_cast<std::int16_t>(seme));
    QCOMPARE(prova::Leggi(percorso).toHex(), atteso.toHex());
    RimescolaFile(percorso, static_cast<std::int16_t>(seme));
    QCOMPARE(prova::Leggi(percorso), chiaro);
}

void TestRimescola::radoFisso() {
    prova::Ambiente amb;
    const QString percorso = amb.windows(QStringLiteral("SysDat.dll"));
    prova::Scrivi(percorso, QByteArray(250, '\0'));
    RimescolaFileRado(percorso, SemeDatabaseArchivio);
    const QByteArray dopo = prova::Leggi(percorso);
    const QByteArray toccati = QByteArray(1, dopo[0]) + dopo[100] + dopo[200];
    QCOMPARE(toccati.toHex(), QByteArray("b9319c"));
}

void TestRimescola::proprieta() {
    prova::Ambiente amb;
    const QString vuoto = amb.windows(QStringLiteral("vuoto"));
    prova::Scrivi(vuoto, {});
    RimescolaFile(vuoto, 3);
    QCOMPARE(QFileInfo(vuoto).size(), 0);

    const QString mancante = amb.windows(QStringLiteral("mancante"));
    RimescolaFile(mancante, 3);
    QVERIFY(QFileInfo::exists(mancante));
    QCOMPARE(QFileInfo(mancante).size(), 0);

    const QString percorso = amb.windows(QStringLiteral("riga"));
    const QByteArray riga = "password\r\n";
    prova::Scrivi(percorso, riga);
    RimescolaFile(percorso, 3);
    const QByteArray con3 = prova::Leggi(percorso);
    QVERIFY(con3 != riga);
    QCOMPARE(con3.size(), riga.size());
    RimescolaFile(percorso, 5); // the wrong seed gives other bytes, and no error
    QVERIFY(prova::Leggi(percorso) != riga);
    RimescolaFile(percorso, 5);
    RimescolaFile(percorso, 3);
    QCOMPARE(prova::Leggi(percorso), riga);

    // Unwritable: the failure reaches the caller.
    QVERIFY_THROWS_EXCEPTION(Errore, RimescolaFile(amb.windows(QStringLiteral("riga/x")), 3));
}

void TestRimescola::radoToccaUnByteOgniCento() {
    prova::Ambiente amb;
    const QString percorso = amb.windows(QStringLiteral("db"));
    for (const int lunghezza : {100, 101, 250}) {
        QByteArray originale(lunghezza, '\0');
        for (int i = 0; i < lunghezza; ++i)
            originale[i] = static_cast<char>(i * 7);
        prova::Scrivi(percorso, originale);
        RimescolaFileRado(percorso, SemeDatabaseArchivio);
        const QByteArray dopo = prova::Leggi(percorso);
        for (int i = 0; i < lunghezza; ++i) {
            if (i % 100 != 0)
                QCOMPARE(dopo[i], originale[i]);
        }
        // The stream of the sparse member is that of the full one, over fewer bytes.
        QByteArray pieno(lunghezza / 100 + 1, '\0');
        RimescolaDati(pieno, SemeDatabaseArchivio);
        for (int i = 0; i < lunghezza; i += 100)
            QCOMPARE(static_cast<char>(dopo[i] ^ originale[i]), pieno[i / 100]);
    }
}

void TestRimescola::memoriaComeFile() {
    prova::Ambiente amb;
    const QString percorso = amb.windows(QStringLiteral("f"));
    // Larger than one block of the sparse member, and not a multiple of it.
    QByteArray dati(3 * 1048576 + 777, 'x');
    prova::Scrivi(percorso, dati);
    RimescolaFileRado(percorso, 9);
    QByteArray memoria = dati;
    RimescolaDatiRado(memoria, 9);
    QCOMPARE(prova::Leggi(percorso), memoria);

    ScriviRimescolato(percorso, "segreto\r\n", 7);
    QByteArray atteso = "segreto\r\n";
    RimescolaDati(atteso, 7);
    QCOMPARE(prova::Leggi(percorso), atteso);
    QCOMPARE(LeggiRimescolato(percorso, 7), QByteArray("segreto\r\n"));
}

QTEST_GUILESS_MAIN(TestRimescola)
#include "test_rimescola.moc"
