// Text files: code page 1252 both ways, lines ended by CR LF, refusal of what 1252 cannot hold.

#include "shell/common/Errore.h"
#include "shell/common/TestoFile.h"
#include "tests/supporto/Ambiente.h"

#include <QTest>

using namespace klavo;

class TestTesto : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ogniByteTornaUguale();
    void caratteriDi1252();
    void rifiutaTestoFuori1252();
    void righe_data();
    void righe();
    void scriviEAggiungi();
};

void TestTesto::ogniByteTornaUguale() {
    QByteArray tutti(256, '\0');
    for (int i = 0; i < 256; ++i)
        tutti[i] = static_cast<char>(i);
    QCOMPARE(testo::ACp1252(testo::DaCp1252(tutti)), tutti);
}

void TestTesto::caratteriDi1252() {
    QCOMPARE(testo::DaCp1252("\x80\x96\xe8\x9f"), QStringLiteral("€–èŸ"));
    QCOMPARE(testo::ACp1252(QStringLiteral("è€’é")), QByteArray("\xe8\x80\x92\xe9"));
}

void TestTesto::rifiutaTestoFuori1252() {
    for (const QString& t :
         {QStringLiteral("pass\u0142"), QStringLiteral("\u4e2d"), QStringLiteral("a\u0080")}) {
        QVERIFY(testo::CarattereNonAmmesso(t).has_value());
        QVERIFY_THROWS_EXCEPTION(Errore, testo::ACp1252(t));
    }
    QVERIFY(!testo::CarattereNonAmmesso(QStringLiteral("Perché sì? 100€")).has_value());
    prova::Ambiente amb;
    const QString percorso = amb.windows(QStringLiteral("t.txt"));
    QVERIFY_THROWS_EXCEPTION(Errore, testo::ScriviRighe(percorso, {QStringLiteral("\u0142")}));
    QVERIFY(!QFileInfo::exists(percorso)); // nothing written, not even with a substitute
}

void TestTesto::righe_data() {
    QTest::addColumn<QByteArray>("byte");
    QTest::addColumn<QStringList>("attese");
    QTest::newRow("vuoto") << QByteArray() << QStringList();
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("senza fine") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("riga vuota") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("cr e lf soli") << QByteArray("a\rb\nc") << QStringList{"a", "b", "c"};
}

void TestTesto::righe() {
    QFETCH(QByteArray, byte);
    QFETCH(QStringList, attese);
    QCOMPARE(testo::DividiRighe(byte), attese);
}

void TestTesto::scriviEAggiungi() {
    prova::Ambiente amb;
    const QString percorso = amb.windows(QStringLiteral("t.txt"));
    testo::ScriviRighe(percorso, {QStringLiteral("Città"), QString()});
    QCOMPARE(prova::Leggi(percorso), QByteArray("Citt\xe0\r\n\r\n"));
    testo::AggiungiRiga(percorso, QStringLiteral("fine"));
    QCOMPARE(prova::Leggi(percorso), QByteArray("Citt\xe0\r\n\r\nfine\r\n"));
    QCOMPARE(testo::LeggiRighe(percorso), (QStringList{"Città", "", "fine"}));
    QVERIFY_THROWS_EXCEPTION(Errore, testo::LeggiRighe(amb.windows(QStringLiteral("manca"))));
    QVERIFY_THROWS_EXCEPTION(Errore, testo::ScriviRighe(percorso + QStringLiteral("/x"), {}));
}

QTEST_GUILESS_MAIN(TestTesto)
#include "test_testo.moc"
