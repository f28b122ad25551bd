// Encrypted names in both directions, as pure text: what the name operations give, also for
// names out of scheme, which the callers judge.

#include "encryption/NomiCriptati.h"
#include "tests/supporto/Ambiente.h"

#include <QTest>

using namespace klavo;

class TestNomiCriptati : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nomeCriptato_data();
    void nomeCriptato();
    void lettura_data();
    void lettura();
    void algoritmoImpostato();
    void cifreLunghezza();
};

void TestNomiCriptati::nomeCriptato_data() {
    QTest::addColumn<QString>("origine");
    QTest::addColumn<bool>("veloce");
    QTest::addColumn<bool>("antiBruteForce");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("sicuro con controllo")
        << "/doc/Lettera.txt" << false << false << "/doc/Lettera.txt.Sft.###";
    QTest::newRow("veloce anti brute-force, senza estensione")
        << "/doc/LEGGIMI" << true << true << "/doc/LEGGIMI.Vff.###";
    QTest::newRow("veloce con controllo")
        << "/doc/Relazione.doc" << true << false << "/doc/Relazione.doc.Vft.###";
    QTest::newRow("sicuro anti brute-force")
        << "/doc/Relazione.doc" << false << true << "/doc/Relazione.doc.Sff.###";
}

void TestNomiCriptati::nomeCriptato() {
    QFETCH(QString, origine);
    QFETCH(bool, veloce);
    QFETCH(bool, antiBruteForce);
    QFETCH(QString, atteso);
    prova::Ambiente amb;
    const QString criptato =
        NomeCriptato(origine, veloce ? Algoritmo::Veloce : Algoritmo::Sicuro, antiBruteForce);
    QCOMPARE(criptato, atteso);
    QCOMPARE(NomeOrigine(criptato), origine);
    QVERIFY(FileCriptato(criptato));
    QVERIFY(!FileCriptato(origine));
}

void TestNomiCriptati::lettura_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("origine");
    QTest::addColumn<QChar>("algoritmo");
    QTest::addColumn<QChar>("protezione");
    QTest::addColumn<bool>("criptato");
    QTest::newRow("decripta") << "/a/b.Sft.###"
                              << "/a/b" << QChar('S') << QChar('T') << true;
    // Letters read upper-cased, whatever a user renamed them to.
    QTest::newRow("minuscole") << "x.sFT.###"
                               << "x" << QChar('S') << QChar('T') << true;
    QTest::newRow("fuori schema") << "/a/f.Xzq.###"
                                  << "/a/f" << QChar('X') << QChar('Q') << true;
    // The extension is compared exactly: no other case, no other suffix.
    QTest::newRow("estensione diversa") << "/a/f.Vft.#$#"
                                        << "/a/f" << QChar('V') << QChar('T') << false;
    QTest::newRow("otto caratteri") << "a.Vff.##"
                                    << "" << QChar('.') << QChar('F') << false;
    // Too short to hold a suffix: no letters, an empty source name, nothing raised.
    QTest::newRow("corto") << ".###"
                           << "" << QChar() << QChar() << true;
    QTest::newRow("cinque") << "f.###"
                            << "" << QChar() << QChar('F') << true;
    QTest::newRow("vuoto") << ""
                           << "" << QChar() << QChar() << false;
}

void TestNomiCriptati::lettura() {
    QFETCH(QString, nome);
    QFETCH(QString, origine);
    QFETCH(QChar, algoritmo);
    QFETCH(QChar, protezione);
    QFETCH(bool, criptato);
    prova::Ambiente amb;
    QCOMPARE(NomeOrigine(nome), origine);
    QCOMPARE(LetteraAlgoritmo(nome), algoritmo);
    QCOMPARE(LetteraProtezione(nome), protezione);
    QCOMPARE(FileCriptato(nome), criptato);
}

void TestNomiCriptati::algoritmoImpostato() {
    prova::Ambiente amb;
    QCOMPARE(AlgoritmoImpostato(QStringLiteral("Veloce")), Algoritmo::Veloce);
    for (const char* altro : {"Sicuro", "veloce", "Veloce ", ""})
        QCOMPARE(AlgoritmoImpostato(QString::fromLatin1(altro)), Algoritmo::Sicuro);
}

void TestNomiCriptati::cifreLunghezza() {
    prova::Ambiente amb;
    QCOMPARE(CifreLunghezza(7), QByteArray("07"));
    QCOMPARE(CifreLunghezza(10), QByteArray("10"));
    QCOMPARE(CifreLunghezza(99), QByteArray("99"));
}

QTEST_MAIN(TestNomiCriptati)
#include "test_nomi_criptati.moc"
