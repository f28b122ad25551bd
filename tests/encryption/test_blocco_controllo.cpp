// The password check block: its bytes in Tmp.dl_ and at the end of a file, reading it back with
// the data length, the exact comparison, and the refusal of a damaged trailer.

#include "encryption/BloccoControllo.h"
#include "encryption/Codifica.h"
#include "shell/Rimescola.h"
#include "shell/common/Errore.h"
#include "shell/common/File.h"
#include "shell/common/Globali.h"
#include "tests/encryption/RegistroCodifica.h"
#include "tests/supporto/Ambiente.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace klavo;

class TestBloccoControllo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bloccoFisso();
    void preparaSostituisce();
    void cifreInCoda_data();
    void cifreInCoda();
    void leggiPasswordFile();
    void confrontoEsatto_data();
    void confrontoEsatto();
    void codaDanneggiata_data();
    void codaDanneggiata();
    void lunghezzaOltreDueGiB();
};

namespace {

QString Tmp(prova::Ambiente& amb) {
    return amb.windows(NomeBloccoCorsa);
}

// A file encrypted by the routine without Anti Brute-Force, in a run of its own.
QString Criptato(const QString& cartella, const QByteArray& dati, const QString& password) {
    const QString origine = cartella + QStringLiteral("/dati.txt");
    prova::Scrivi(origine, dati);
    PreparaBloccoControllo(password);
    prova::RegistroCodifica r;
    if (CodificaSicuro(origine, true, true, password, false, r) != Esito::Fatto)
        return {};
    return origine + QStringLiteral(".Sft.###");
}

} // namespace

// Stored in every encrypted file: these bytes may never change.
void TestBloccoControllo::bloccoFisso() {
    prova::Ambiente amb;
    QCOMPARE(BloccoControllo(QStringLiteral("abc")).toHex(), QByteArray("9acc2d9121"));
    PreparaBloccoControllo(QStringLiteral("abc"));
    QCOMPARE(prova::Leggi(Tmp(amb)).toHex(), QByteArray("9acc2d9121"));
    // Descrambled on its own with the check-block seed: the password line.
    for (const QString& password :
         {QStringLiteral("abc"), QStringLiteral("Pàssword è 1"), QString(97, QLatin1Char('z'))}) {
        PreparaBloccoControllo(password);
        QByteArray blocco = prova::Leggi(Tmp(amb));
        QCOMPARE(blocco.size(), password.size() + 2);
        RimescolaDati(blocco, SemeBloccoControllo);
        QCOMPARE(blocco, password.toLatin1() + "\r\n");
    }
    // Nothing else is left in the folder: the block is scrambled before it is written.
    QCOMPARE(QDir(amb.windows({})).entryList(QDir::Files), QStringList{NomeBloccoCorsa});
}

void TestBloccoControllo::preparaSostituisce() {
    prova::Ambiente amb;
    prova::Scrivi(Tmp(amb), QByteArray(300, 'x'));
    QFile::setPermissions(Tmp(amb), QFileDevice::ReadOwner);
    PreparaBloccoControllo(QStringLiteral("abc"));
    QCOMPARE(prova::Leggi(Tmp(amb)).toHex(), QByteArray("9acc2d9121"));
    {
        BloccoCorsa corsa(QStringLiteral("xyz"));
        QCOMPARE(prova::Leggi(Tmp(amb)), BloccoControllo(QStringLiteral("xyz")));
    }
    QVERIFY(!QFileInfo::exists(Tmp(amb)));
    // A password that code page 1252 cannot hold is refused, nothing is written.
    QVERIFY_THROWS_EXCEPTION(Errore, PreparaBloccoControllo(QStringLiteral("a\u0100b")));
    QVERIFY(!QFileInfo::exists(Tmp(amb)));
}

void TestBloccoControllo::cifreInCoda_data() {
    QTest::addColumn<int>("caratteri");
    QTest::addColumn<QByteArray>("cifre");
    QTest::newRow("5") << 5 << QByteArray("07");
    QTest::newRow("8") << 8 << QByteArray("10");
    QTest::newRow("97") << 97 << QByteArray("99");
}

// The file: data area, block, N in two digits; two files of one run end alike.
void TestBloccoControllo::cifreInCoda() {
    QFETCH(int, caratteri);
    QFETCH(QByteArray, cifre);
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString password(caratteri, QLatin1Char('k'));
    const QByteArray blocco = BloccoControllo(password);
    QCOMPARE(blocco.size(), caratteri + 2);
    PreparaBloccoControllo(password);
    prova::RegistroCodifica r;
    QByteArray code[2];
    for (int i = 0; i < 2; ++i) {
        const QString origine = cartella.filePath(QStringLiteral("f%1").arg(i));
        const QByteArray dati(100 + i, 'd');
        prova::Scrivi(origine, dati);
        QCOMPARE(CodificaVeloce(origine, true, false, password, false, r), Esito::Fatto);
        const QByteArray criptato = prova::Leggi(origine + QStringLiteral(".Vft.###"));
        QCOMPARE(criptato.size(), dati.size() + caratteri + 4);
        code[i] = criptato.sliced(dati.size());
    }
    QCOMPARE(code[0], blocco + cifre);
    QCOMPARE(code[1], code[0]);
    QVERIFY(r.messaggi.isEmpty());
}

void TestBloccoControllo::leggiPasswordFile() {
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString password = QStringLiteral("Segreto 7");
    const QString file = Criptato(cartella.path(), QByteArray(1000, 'q'), password);
    QVERIFY(!file.isEmpty());
    const QByteArray prima = prova::Leggi(file);
    for (int volta = 0; volta < 2; ++volta) {
        LunghezzaDati = 0;
        QCOMPARE(LeggiPasswordFile(file), password);
        QCOMPARE(LunghezzaDati, QFileInfo(file).size() - password.size() - 4);
        QCOMPARE(LunghezzaDati, 1000);
    }
    QCOMPARE(prova::Leggi(file), prima);
    // Descrambled in memory: no working copy ever lies in the folder.
    QVERIFY(QDir(amb.windows({})).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

void TestBloccoControllo::confrontoEsatto_data() {
    QTest::addColumn<QString>("digitata");
    QTest::addColumn<bool>("accettata");
    QTest::newRow("uguale") << "Segreto 7" << true;
    QTest::newRow("maiuscole") << "SEGRETO 7" << false;
    QTest::newRow("minuscole") << "segreto 7" << false;
    QTest::newRow("spazio in coda") << "Segreto 7 " << false;
    QTest::newRow("spazio in testa") << " Segreto 7" << false;
    QTest::newRow("più corta") << "Segreto" << false;
}

void TestBloccoControllo::confrontoEsatto() {
    QFETCH(QString, digitata);
    QFETCH(bool, accettata);
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString file = Criptato(cartella.path(), "dati", QStringLiteral("Segreto 7"));
    QCOMPARE(PasswordCorretta(file, digitata), accettata);
}

void TestBloccoControllo::codaDanneggiata_data() {
    QTest::addColumn<QByteArray>("contenuto");
    QTest::newRow("un byte") << QByteArray("7");
    QTest::newRow("vuoto") << QByteArray();
    QTest::newRow("non cifre") << QByteArray("contenuto qualsiasi xy");
    QTest::newRow("una cifra") << QByteArray("contenuto qualsiasi 9x");
    QTest::newRow("spazio") << QByteArray("contenuto qualsiasi  7");
    // 20 bytes cannot hold a block of 99 and its digits.
    QTest::newRow("troppo lungo") << QByteArray("contenuto qualsia 99");
    QTest::newRow("appena troppo") << QByteArray("abcdefghijklmnop17");
}

// A file that does not end in a readable block: a clear message, the file and the data length
// left as they were.
void TestBloccoControllo::codaDanneggiata() {
    QFETCH(QByteArray, contenuto);
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString file = cartella.filePath(QStringLiteral("rotto.txt.Sft.###"));
    prova::Scrivi(file, contenuto);
    LunghezzaDati = 12345;
    try {
        LeggiPasswordFile(file);
        QFAIL("accepted");
    } catch (const Errore& e) {
        QCOMPARE(e.messaggio(),
                 QStringLiteral("Il file \"%1\" non termina con un controllo della Password "
                                "valido: potrebbe essere danneggiato.\r\n"
                                "Il file non è stato modificato.")
                     .arg(file));
    }
    QCOMPARE(LunghezzaDati, 12345);
    QCOMPARE(prova::Leggi(file), contenuto);

    // A recorded length that just fits is read, whatever it holds.
    const QByteArray giusto = QByteArray(17, 'z') + "17";
    prova::Scrivi(file, giusto);
    LeggiPasswordFile(file);
    QCOMPARE(LunghezzaDati, 0);
    // A missing file: the reading failure, not a damaged block.
    QVERIFY_THROWS_EXCEPTION(Errore, LeggiPasswordFile(file + QStringLiteral("x")));
}

// The data length of a file of 3 GiB (sparse) is measured whole.
void TestBloccoControllo::lunghezzaOltreDueGiB() {
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString file = cartella.filePath(QStringLiteral("grande.Sft.###"));
    const qint64 dati = 3LL << 30;
    const QByteArray coda = BloccoControllo(QStringLiteral("abc")) + "05";
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.seek(dati));
        QCOMPARE(f.write(coda), coda.size());
    }
    QCOMPARE(LeggiPasswordFile(file), QStringLiteral("abc"));
    QCOMPARE(LunghezzaDati, dati);
}

QTEST_MAIN(TestBloccoControllo)
#include "test_blocco_controllo.moc"
