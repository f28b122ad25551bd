// The AVI clips: reading and writing uncompressed clips, files that are not such clips, the
// player control, and the program's own clips as the build makes them.

#include "platform/Avi.h"
#include "platform/LettoreAvi.h"
#include "tests/supporto/Ambiente.h"

#include <QTest>
#include <QtEndian>

using namespace klavo;

namespace {

QByteArray Dword(quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    return QByteArray(b, 4);
}

QByteArray Word(quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    return QByteArray(b, 2);
}

QByteArray Blocco(const char* codice, const QByteArray& dati) {
    QByteArray b = QByteArray(codice, 4) + Dword(quint32(dati.size())) + dati;
    if (dati.size() & 1)
        b.append('\0');
    return b;
}

QByteArray Lista(const char* tipo, const QByteArray& contenuto) {
    return Blocco("LIST", QByteArray(tipo, 4) + contenuto);
}

QByteArray Strh(const char* tipo, quint32 scala, quint32 velocita) {
    return QByteArray(tipo, 4) + QByteArray(16, '\0') + Dword(scala) + Dword(velocita) +
           QByteArray(28, '\0');
}

QByteArray Bitmap(qint32 larghezza, qint32 altezza, quint16 bit, quint32 compressione,
                  quint32 colori) {
    return Dword(40) + Dword(quint32(larghezza)) + Dword(quint32(altezza)) + Word(1) + Word(bit) +
           Dword(compressione) + QByteArray(12, '\0') + Dword(colori) + Dword(0);
}

avi::Clip Clip(int larghezza, int altezza, int fotogrammi) {
    avi::Clip c;
    c.larghezza = larghezza;
    c.altezza = altezza;
    c.millisecondiPerFotogramma = 40;
    for (int f = 0; f < fotogrammi; ++f) {
        QList<quint32> pixel;
        for (int i = 0; i < larghezza * altezza; ++i)
            pixel.append(0xFF000000u | quint32(f * 0x10000 + i * 0x101 + 7));
        c.fotogrammi.append(pixel);
    }
    return c;
}

QString CartellaProgramma() {
    return QStringLiteral(KLAVO_CARTELLA_PROGRAMMA);
}

} // namespace

class TestAvi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void giroCompleto_data();
    void giroCompleto();
    void ottoBitDallAlto();
    void trentaDueBit();
    void nonValidi_data();
    void nonValidi();
    void lettore();
    void lettoreFileMancante();
    void clipDelProgramma_data();
    void clipDelProgramma();
};

void TestAvi::giroCompleto_data() {
    QTest::addColumn<int>("larghezza");
    QTest::addColumn<int>("altezza");
    QTest::addColumn<int>("fotogrammi");
    QTest::newRow("righe allineate") << 4 << 2 << 3;
    // 5 pixels of 3 bytes: every row padded to 16 bytes.
    QTest::newRow("righe con riempimento") << 5 << 3 << 2;
    QTest::newRow("un fotogramma") << 1 << 1 << 1;
}

void TestAvi::giroCompleto() {
    QFETCH(int, larghezza);
    QFETCH(int, altezza);
    QFETCH(int, fotogrammi);
    const avi::Clip originale = Clip(larghezza, altezza, fotogrammi);
    const QByteArray file = avi::ScriviClip(originale);
    QVERIFY(file.startsWith("RIFF"));
    QCOMPARE(qFromLittleEndian<quint32>(file.constData() + 4), quint32(file.size() - 8));
    const std::optional<avi::Clip> letta = avi::LeggiClip(file);
    QVERIFY(letta);
    QCOMPARE(letta->larghezza, larghezza);
    QCOMPARE(letta->altezza, altezza);
    QCOMPARE(letta->millisecondiPerFotogramma, 40);
    QCOMPARE(letta->fotogrammi, originale.fotogrammi);
}

// An audio stream first (the video is stream 01), palette colours, rows from the top, frames in
// a "rec " list, a JUNK chunk and an empty chunk that repeats the frame before it.
void TestAvi::ottoBitDallAlto() {
    const QByteArray tavolozza = QByteArray::fromHex("0000ff00"
                                                     "00ff0000"
                                                     "ff000000");
    const QByteArray hdrl =
        Lista("hdrl", Blocco("avih", Dword(0) + QByteArray(52, '\0')) +
                          Lista("strl", Blocco("strh", Strh("auds", 1, 8000)) +
                                            Blocco("strf", QByteArray(16, '\0'))) +
                          Lista("strl", Blocco("strh", Strh("vids", 1, 4)) +
                                            Blocco("strf", Bitmap(3, -2, 8, 0, 3) + tavolozza)));
    // 3 pixels of one byte, rows padded to 4 bytes.
    const QByteArray fotogramma = QByteArray::fromHex("00010200"
                                                      "02020200");
    const QByteArray movi =
        Lista("movi", Blocco("01wb", "suono") + Lista("rec ", Blocco("01db", fotogramma)) +
                          Blocco("JUNK", "x") + Blocco("01db", QByteArray()) +
                          Blocco("00db", "non video"));
    const QByteArray file = Blocco("RIFF", QByteArray("AVI ") + hdrl + movi);
    const std::optional<avi::Clip> clip = avi::LeggiClip(file);
    QVERIFY(clip);
    QCOMPARE(clip->larghezza, 3);
    QCOMPARE(clip->altezza, 2);
    QCOMPARE(clip->millisecondiPerFotogramma, 250);
    const QList<quint32> attesi = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu,
                                   0xFF0000FFu, 0xFF0000FFu, 0xFF0000FFu};
    QCOMPARE(clip->fotogrammi, (QList<QList<quint32>>{attesi, attesi}));
}

void TestAvi::trentaDueBit() {
    const QByteArray hdrl =
        Lista("hdrl", Blocco("avih", Dword(100000) + QByteArray(52, '\0')) +
                          Lista("strl", Blocco("strh", Strh("vids", 0, 0)) +
                                            Blocco("strf", Bitmap(2, 1, 32, 0, 0))));
    const QByteArray movi = Lista("movi", Blocco("00dc", QByteArray::fromHex("332211ff66554400")));
    const std::optional<avi::Clip> clip =
        avi::LeggiClip(Blocco("RIFF", QByteArray("AVI ") + hdrl + movi));
    QVERIFY(clip);
    QCOMPARE(clip->millisecondiPerFotogramma, 100);
    QCOMPARE(clip->fotogrammi.front(), (QList<quint32>{0xFF112233u, 0xFF445566u}));
}

void TestAvi::nonValidi_data() {
    QTest::addColumn<QByteArray>("dati");
    const QByteArray buono = avi::ScriviClip(Clip(4, 2, 2));
    const qsizetype strf = buono.indexOf("strf") + 8;
    const auto conCampo = [&](qsizetype posizione, quint32 valore) {
        QByteArray b = buono;
        qToLittleEndian(valore, b.data() + strf + posizione);
        return b;
    };
    QTest::newRow("vuoto") << QByteArray();
    QTest::newRow("testo") << QByteArray("RIFF non un clip");
    QTest::newRow("un WAVE") << Blocco("RIFF", QByteArray("WAVE") + Blocco("fmt ", "x"));
    QTest::newRow("troncato") << buono.left(buono.size() - 10);
    QTest::newRow("compresso") << conCampo(16, 1);
    QTest::newRow("16 bit") << conCampo(12, 1 | 16u << 16);
    QTest::newRow("larghissimo") << conCampo(4, 100000);
    QTest::newRow("altezza zero") << conCampo(8, 0);
    QTest::newRow("fotogramma corto") << Blocco(
        "RIFF", QByteArray("AVI ") +
                    Lista("hdrl", Blocco("avih", QByteArray(56, '\0')) +
                                      Lista("strl", Blocco("strh", Strh("vids", 1, 10)) +
                                                        Blocco("strf", Bitmap(4, 4, 24, 0, 0)))) +
                    Lista("movi", Blocco("00db", QByteArray(10, '\0'))));
    QTest::newRow("senza fotogrammi") << Blocco(
        "RIFF", QByteArray("AVI ") +
                    Lista("hdrl", Blocco("avih", QByteArray(56, '\0')) +
                                      Lista("strl", Blocco("strh", Strh("vids", 1, 10)) +
                                                        Blocco("strf", Bitmap(4, 4, 24, 0, 0)))));
}

void TestAvi::nonValidi() {
    QFETCH(QByteArray, dati);
    QVERIFY(!avi::LeggiClip(dati));
}

void TestAvi::lettore() {
    prova::Ambiente amb;
    avi::Clip c = Clip(4, 2, 3);
    // The first pixel's colour is the background, wherever it appears.
    c.fotogrammi[1][5] = c.fotogrammi[1][0];
    const QString file = amb.programma(QStringLiteral("Main.avi"));
    prova::Scrivi(file, avi::ScriviClip(c));

    LettoreAvi lettore;
    QVERIFY(lettore.Apri(file));
    QCOMPARE(lettore.NumeroFotogrammi(), 3);
    QVERIFY(!lettore.InRiproduzione());
    lettore.Riproduci();
    QVERIFY(lettore.InRiproduzione());
    QCOMPARE(lettore.Intervallo(), 40);
    QCOMPARE(lettore.pixmap().size(), QSize(4, 2));
    for (int giro = 1; giro <= 4; ++giro) {
        lettore.Avanza();
        QCOMPARE(lettore.FotogrammaCorrente(), giro % 3);
    }
    const QImage immagine = lettore.pixmap().toImage();
    QCOMPARE(immagine.pixelColor(0, 0).alpha(), 0);
    QCOMPARE(immagine.pixelColor(1, 1).alpha(), 0);
    QCOMPARE(immagine.pixel(2, 1), c.fotogrammi[1][6]);
}

void TestAvi::lettoreFileMancante() {
    prova::Ambiente amb;
    const QString file = amb.programma(QStringLiteral("Main.avi"));
    prova::Scrivi(file, avi::ScriviClip(Clip(2, 2, 2)));
    LettoreAvi lettore;
    QVERIFY(lettore.Apri(file));
    lettore.Riproduci();
    // A clip gone or damaged: the control empties and stops, nothing more.
    QVERIFY(!lettore.Apri(amb.programma(QStringLiteral("manca.avi"))));
    QCOMPARE(lettore.NumeroFotogrammi(), 0);
    QVERIFY(!lettore.InRiproduzione());
    QVERIFY(lettore.pixmap().isNull());
    lettore.Riproduci();
    lettore.Avanza();
    QVERIFY(!lettore.InRiproduzione());
}

void TestAvi::clipDelProgramma_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QSize>("dimensioni");
    QTest::newRow("Main.avi") << "Main.avi" << QSize(136, 28);
    QTest::newRow("Prot.avi") << "Prot.avi" << QSize(64, 64);
}

void TestAvi::clipDelProgramma() {
    QFETCH(QString, nome);
    QFETCH(QSize, dimensioni);
    const std::optional<avi::Clip> clip =
        avi::ApriClip(CartellaProgramma() + QLatin1Char('/') + nome);
    QVERIFY(clip);
    QCOMPARE(QSize(clip->larghezza, clip->altezza), dimensioni);
    QVERIFY(clip->fotogrammi.size() > 1);
    QVERIFY(clip->fotogrammi.front() != clip->fotogrammi.back());
    // The same background in every frame, so that the player shows it as transparent.
    for (const QList<quint32>& f : clip->fotogrammi)
        QCOMPARE(f.front(), 0xFFF0F0F0u);
}

QTEST_MAIN(TestAvi)
#include "test_avi.moc"
