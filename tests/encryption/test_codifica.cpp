// The file cipher routine: the closed form of both members on exact bytes, chunk boundaries,
// round trips, the large-file question, skips, refusals and failures that leave no output and
// the source in place.

#include "encryption/BloccoControllo.h"
#include "encryption/Codifica.h"
#include "shell/common/Globali.h"
#include "tests/encryption/RegistroCodifica.h"
#include "tests/supporto/Ambiente.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>

using namespace klavo;

class TestCodifica : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void formaChiusa();
    void blocchi_data();
    void blocchi();
    void andataERitorno_data();
    void andataERitorno();
    void fileVuoto();
    void megabyte_data();
    void megabyte();
    void sogliaFileGrande();
    void uscitaEsistente();
    void nomeOccupatoNelFrattempo_data();
    void nomeOccupatoNelFrattempo();
    void eliminaOrigine();
    void passwordRifiutata_data();
    void passwordRifiutata();
    void overflow_data();
    void overflow();
    void bloccoDellaCorsa();
    void sorgenteIllegibile();
    void cartellaSolaLettura();
    void guastoAMetaFile_data();
    void guastoAMetaFile();
    void criptareOltreDueGiB();
    void decriptareOltreDueGiB();
};

namespace {

constexpr qint64 Blocco = 1048576;

// (chunk, megabytes) of each progress report.
using Passi = QList<std::pair<qint64, qint64>>;

// The routine's closed form, byte by byte: the key index restarts at every chunk.
QByteArray FormaChiusa(QByteArray dati, const QByteArray& chiave, bool veloce) {
    for (qsizetype o = 0; o < dati.size(); ++o) {
        const qsizetype r = o % Blocco;
        if (veloce && r % 2 == 1)
            continue;
        const qsizetype j = (veloce ? r / 2 : r) % chiave.size();
        dati[o] = static_cast<char>(dati[o] ^ (static_cast<unsigned char>(chiave[j]) + 1));
    }
    return dati;
}

QByteArray Casuali(qsizetype n, quint32 seme = 42) {
    QByteArray dati(n, Qt::Uninitialized);
    QRandomGenerator g(seme);
    for (char& b : dati)
        b = static_cast<char>(g.bounded(256));
    return dati;
}

QStringList Contenuto(const QString& cartella) {
    return QDir(cartella).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

void Sparso(const QString& percorso, qint64 lunghezza) {
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QVERIFY(f.resize(lunghezza));
}

Esito Membro(bool veloce, const QString& file, bool cripta, bool singolo, const QString& password,
             bool antiBruteForce, Interlocutore& io) {
    return veloce ? CodificaVeloce(file, cripta, singolo, password, antiBruteForce, io)
                  : CodificaSicuro(file, cripta, singolo, password, antiBruteForce, io);
}

} // namespace

// A three-character password (codes 0x61, 0x62, 0x63): the secure member XORs 62 63 64 62 ...,
// the fast one bytes 1, 3, 5, ... only; the file ends with the block and "05".
void TestCodifica::formaChiusa() {
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString origine = cartella.filePath(QStringLiteral("abc.bin"));
    const QByteArray dati = QByteArray::fromHex("000102030405060708090a0b");
    const QByteArray coda = QByteArray::fromHex("9acc2d9121") + "05";
    prova::Scrivi(origine, dati);
    PreparaBloccoControllo(QStringLiteral("abc"));
    prova::RegistroCodifica r;
    QCOMPARE(CodificaSicuro(origine, true, false, QStringLiteral("abc"), false, r), Esito::Fatto);
    QCOMPARE(prova::Leggi(origine + QStringLiteral(".Sft.###")).toHex(),
             (QByteArray::fromHex("62626661676164646c6b696f") + coda).toHex());
    QCOMPARE(CodificaVeloce(origine, true, false, QStringLiteral("abc"), false, r), Esito::Fatto);
    QCOMPARE(prova::Leggi(origine + QStringLiteral(".Vft.###")).toHex(),
             (QByteArray::fromHex("62016103600564076b096e0b") + coda).toHex());
    QCOMPARE(LunghezzaDati, dati.size());
    QVERIFY(r.messaggi.isEmpty());
    QVERIFY(r.domande.isEmpty());
    // A list run: progress belongs to the run, and its Tmp.dl_ stays for the next file.
    QVERIFY(r.avanzamento.isEmpty());
    QVERIFY(QFileInfo::exists(amb.windows(NomeBloccoCorsa)));
}

void TestCodifica::blocchi_data() {
    QTest::addColumn<qint64>("lunghezza");
    QTest::addColumn<bool>("veloce");
    QTest::addColumn<Passi>("avanzamento");
    const Passi uno{{1, 1}}, due{{1, 1}, {2, 1}}, tre{{1, 3}, {2, 3}, {3, 3}};
    for (const bool veloce : {false, true}) {
        const char* m = veloce ? "veloce" : "sicuro";
        QTest::addRow("1048576 %s", m) << qint64(1048576) << veloce << uno;
        QTest::addRow("1048577 %s", m) << qint64(1048577) << veloce << due;
        QTest::addRow("3000000 %s", m) << qint64(3000000) << veloce << tre;
    }
}

// Chunks of 1,048,576 bytes, the key index restarting in each: a 7-character key does not
// divide the chunk, so a key stream running on across chunks would show. A single-file run
// reports each chunk with the size in megabytes.
void TestCodifica::blocchi() {
    QFETCH(qint64, lunghezza);
    QFETCH(bool, veloce);
    QFETCH(Passi, avanzamento);
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString origine = cartella.filePath(QStringLiteral("dati"));
    const QString password = QStringLiteral("Ch1ave!");
    const QByteArray dati = Casuali(lunghezza);
    prova::Scrivi(origine, dati);
    prova::RegistroCodifica r;
    QCOMPARE(Membro(veloce, origine, true, true, password, true, r), Esito::Fatto);
    const QString criptato =
        origine + (veloce ? QStringLiteral(".Vff.###") : QStringLiteral(".Sff.###"));
    const QByteArray cifrati = prova::Leggi(criptato);
    QCOMPARE(cifrati.size(), dati.size());
    QVERIFY(cifrati == FormaChiusa(dati, password.toLatin1(), veloce));
    // The single byte of a second chunk meets key byte 0 + 1.
    if (lunghezza == 1048577)
        QCOMPARE(static_cast<char>(cifrati.back() ^ dati.back()), static_cast<char>('C' + 1));
    QCOMPARE(r.avanzamento, avanzamento);
    QVERIFY(r.messaggi.isEmpty());
}

void TestCodifica::andataERitorno_data() {
    QTest::addColumn<bool>("veloce");
    QTest::addColumn<bool>("antiBruteForce");
    QTest::newRow("veloce") << true << false;
    QTest::newRow("sicuro") << false << false;
    QTest::newRow("veloce anti brute-force") << true << true;
    QTest::newRow("sicuro anti brute-force") << false << true;
}

// Encrypted and decrypted with one member: the same bytes and permissions; decrypted with the
// other member: other bytes.
void TestCodifica::andataERitorno() {
    QFETCH(bool, veloce);
    QFETCH(bool, antiBruteForce);
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString origine = cartella.filePath(QStringLiteral("Relazione.doc"));
    const QString password = QStringLiteral("pàssword");
    const QByteArray dati = Casuali(2 * Blocco + 12345);
    prova::Scrivi(origine, dati);
    QFile::setPermissions(origine, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QFileDevice::Permissions permessi = QFile::permissions(origine);
    prova::RegistroCodifica r;
    PreparaBloccoControllo(password);
    QCOMPARE(Membro(veloce, origine, true, false, password, antiBruteForce, r), Esito::Fatto);
    const QString criptato =
        NomeCriptato(origine, veloce ? Algoritmo::Veloce : Algoritmo::Sicuro, antiBruteForce);
    QCOMPARE(QFile::permissions(criptato), permessi);
    QVERIFY(QFile::remove(origine));

    for (const bool stesso : {false, true}) {
        if (antiBruteForce)
            LunghezzaDati = QFileInfo(criptato).size();
        else
            QVERIFY(PasswordCorretta(criptato, password));
        QCOMPARE(LunghezzaDati, dati.size());
        QCOMPARE(
            Membro(stesso ? veloce : !veloce, criptato, false, true, password, antiBruteForce, r),
            Esito::Fatto);
        const QByteArray decifrati = prova::Leggi(origine);
        QCOMPARE(decifrati.size(), dati.size());
        QCOMPARE(decifrati == dati, stesso);
        if (stesso)
            QCOMPARE(QFile::permissions(origine), permessi);
        else
            QVERIFY(QFile::remove(origine));
    }
    QVERIFY(r.messaggi.isEmpty());
    QCOMPARE(Contenuto(cartella.path()),
             QStringList({QStringLiteral("Relazione.doc"), QFileInfo(criptato).fileName()}));
}

// No data chunk: the output holds the block and its digits only, or nothing.
void TestCodifica::fileVuoto() {
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString origine = cartella.filePath(QStringLiteral("vuoto"));
    prova::Scrivi(origine, {});
    PreparaBloccoControllo(QStringLiteral("abc"));
    prova::RegistroCodifica r;
    QCOMPARE(CodificaSicuro(origine, true, false, QStringLiteral("abc"), false, r), Esito::Fatto);
    QCOMPARE(prova::Leggi(origine + QStringLiteral(".Sft.###")).toHex(),
             QByteArray("9acc2d91213035"));
    QCOMPARE(CodificaSicuro(origine, true, false, QStringLiteral("abc"), true, r), Esito::Fatto);
    QVERIFY(QFileInfo::exists(origine + QStringLiteral(".Sff.###")));
    QCOMPARE(QFileInfo(origine + QStringLiteral(".Sff.###")).size(), 0);
    QVERIFY(r.avanzamento.isEmpty());
}

void TestCodifica::megabyte_data() {
    QTest::addColumn<qint64>("lunghezza");
    QTest::addColumn<qint64>("megabyte");
    QTest::newRow("0") << qint64(0) << qint64(0);
    QTest::newRow("mezzo") << qint64(524288) << qint64(0);
    QTest::newRow("oltre mezzo") << qint64(524289) << qint64(1);
    QTest::newRow("1,5") << qint64(1572864) << qint64(2);
    QTest::newRow("2,5") << qint64(2621440) << qint64(2);
    QTest::newRow("30,5") << qint64(31981568) << qint64(30);
    QTest::newRow("oltre 30,5") << qint64(31981569) << qint64(31);
    QTest::newRow("4 GiB") << qint64(4LL << 30) << qint64(4096);
}

// Rounded to the nearest, halves to even.
void TestCodifica::megabyte() {
    QFETCH(qint64, lunghezza);
    QFETCH(qint64, megabyte);
    prova::Ambiente amb;
    QCOMPARE(Megabyte(lunghezza), megabyte);
}

// The question from 31 megabytes, decrypting too. Each file's output name exists, so that the
// routine stops right after the question; declining skips the file with nothing shown.
void TestCodifica::sogliaFileGrande() {
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString sotto = cartella.filePath(QStringLiteral("sotto"));
    const QString sopra = cartella.filePath(QStringLiteral("sopra"));
    Sparso(sotto, 31981568);
    Sparso(sopra, 31981569);
    prova::Scrivi(sotto + QStringLiteral(".Sff.###"), "esiste");
    const QString criptato = sopra + QStringLiteral(".Sff.###");
    Sparso(criptato, 31981569);

    prova::RegistroCodifica r;
    QCOMPARE(CodificaSicuro(sotto, true, true, QStringLiteral("abc"), true, r), Esito::Saltato);
    QVERIFY(r.domande.isEmpty());
    QCOMPARE(r.messaggi.size(), 1);

    r.messaggi.clear();
    QCOMPARE(CodificaSicuro(sopra, true, true, QStringLiteral("abc"), true, r), Esito::Saltato);
    QCOMPARE(r.domande.size(), 1);
    const Messaggio& d = r.domande.first();
    QCOMPARE(d.testo, QStringLiteral("Il file ") + sopra +
                          QStringLiteral(" è molto grande.\r\nPremere Si per proseguire "
                                         "ugualmente, No per saltare il file."));
    QCOMPARE(d.titolo, QStringLiteral("Codificare il file?"));
    QCOMPARE(d.icona, Icona::Informazione);
    QCOMPARE(d.pulsanti, Pulsanti::SiNo);
    QCOMPARE(r.Testi(), QStringList{QStringLiteral("Questo file è già esistente e verrà "
                                                   "saltato:\r\n\r\n") +
                                    sopra + QStringLiteral(".Sff.###")});

    r = {};
    r.prosegui = false;
    LunghezzaDati = 31981569;
    QCOMPARE(CodificaSicuro(criptato, false, true, QStringLiteral("abc"), true, r), Esito::Saltato);
    QCOMPARE(r.domande.size(), 1);
    QVERIFY(r.messaggi.isEmpty());
    QVERIFY(r.avanzamento.isEmpty());
    QCOMPARE(QFileInfo(criptato).size(), 31981569);
    QCOMPARE(QFileInfo(sopra).size(), 31981569);
    QCOMPARE(Contenuto(cartella.path()),
             QStringList({"sopra", "sopra.Sff.###", "sotto", "sotto.Sff.###"}));
}

// A file of the output name makes the file be skipped; nothing changes on disk.
void TestCodifica::uscitaEsistente() {
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString chiaro = cartella.filePath(QStringLiteral("x.txt"));
    const QString criptato = chiaro + QStringLiteral(".Sft.###");
    prova::Scrivi(chiaro, "già qui");
    PreparaBloccoControllo(QStringLiteral("abc"));
    prova::Scrivi(criptato, "criptato");
    EliminaFileOrigine = true;
    prova::RegistroCodifica r;
    LunghezzaDati = 3;
    QCOMPARE(CodificaSicuro(criptato, false, true, QStringLiteral("abc"), false, r),
             Esito::Saltato);
    QCOMPARE(r.messaggi.size(), 1);
    QCOMPARE(r.messaggi[0].testo,
             QStringLiteral("Questo file è già esistente e verrà saltato:\r\n\r\n") + chiaro);
    QCOMPARE(r.messaggi[0].icona, Icona::Informazione);
    QCOMPARE(r.messaggi[0].titolo, TitoloProgramma);
    // The encryption of x.txt is skipped the same way.
    QCOMPARE(CodificaSicuro(chiaro, true, true, QStringLiteral("abc"), false, r), Esito::Saltato);
    QCOMPARE(prova::Leggi(chiaro), QByteArray("già qui"));
    QCOMPARE(prova::Leggi(criptato), QByteArray("criptato"));
    QCOMPARE(Contenuto(cartella.path()), QStringList({"x.txt", "x.txt.Sft.###"}));
    // A single-file run takes its Tmp.dl_ with it whatever happened.
    QVERIFY(!QFileInfo::exists(amb.windows(NomeBloccoCorsa)));
}

void TestCodifica::nomeOccupatoNelFrattempo_data() {
    QTest::addColumn<bool>("elimina");
    QTest::newRow("origine conservata") << false;
    QTest::newRow("origine da eliminare") << true;
}

// A file of the output name that appears while the routine works is never replaced.
void TestCodifica::nomeOccupatoNelFrattempo() {
    QFETCH(bool, elimina);
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString origine = cartella.filePath(QStringLiteral("f.bin"));
    const QString criptato = origine + QStringLiteral(".Sff.###");
    const QByteArray dati = Casuali(Blocco + 10);
    prova::Scrivi(origine, dati);
    EliminaFileOrigine = elimina;
    class Intruso : public prova::RegistroCodifica {
    public:
        explicit Intruso(QString nome) : nome_(std::move(nome)) {}
        void Avanzamento(qint64 blocco, qint64 megabyte) override {
            RegistroCodifica::Avanzamento(blocco, megabyte);
            if (blocco == 2)
                prova::Scrivi(nome_, "altro");
        }

    private:
        QString nome_;
    } r(criptato);
    QCOMPARE(CodificaSicuro(origine, true, true, QStringLiteral("abc"), true, r), Esito::Saltato);
    QCOMPARE(r.Testi(),
             QStringList{QStringLiteral("Questo file è già esistente e verrà saltato:\r\n\r\n") +
                         criptato});
    QCOMPARE(prova::Leggi(criptato), QByteArray("altro"));
    QCOMPARE(prova::Leggi(origine), dati);
    QCOMPARE(Contenuto(cartella.path()), QStringList({"f.bin", "f.bin.Sff.###"}));
}

// With the setting on, the source goes (read-only too) once the output is complete; with it
// off, it always stays.
void TestCodifica::eliminaOrigine() {
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString origine = cartella.filePath(QStringLiteral("protetto.txt"));
    const QByteArray dati = Casuali(5000);
    prova::Scrivi(origine, dati);
    QFile::setPermissions(origine, QFileDevice::ReadOwner);
    prova::RegistroCodifica r;
    QCOMPARE(CodificaVeloce(origine, true, true, QStringLiteral("k"), true, r), Esito::Fatto);
    QVERIFY(QFileInfo::exists(origine));

    QVERIFY(QFile::remove(origine + QStringLiteral(".Vff.###")));
    EliminaFileOrigine = true;
    QCOMPARE(CodificaVeloce(origine, true, true, QStringLiteral("k"), true, r), Esito::Fatto);
    QVERIFY(!QFileInfo::exists(origine));
    const QString criptato = origine + QStringLiteral(".Vff.###");
    LunghezzaDati = QFileInfo(criptato).size();
    QCOMPARE(CodificaVeloce(criptato, false, true, QStringLiteral("k"), true, r), Esito::Fatto);
    QCOMPARE(prova::Leggi(origine), dati);
    QCOMPARE(Contenuto(cartella.path()), QStringList{"protetto.txt"});
    QVERIFY(r.messaggi.isEmpty());
}

void TestCodifica::passwordRifiutata_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("antiBruteForce");
    QTest::addColumn<QString>("messaggio");
    const QString troppoLunga =
        QStringLiteral("Senza Anti Brute-Force la Password non può essere lunga più di 97 "
                       "caratteri.\r\nAccorciare la Password oppure selezionare Anti Brute-Force.");
    QTest::newRow("98") << QString(98, QLatin1Char('p')) << false << troppoLunga;
    QTest::newRow("99") << QString(99, QLatin1Char('p')) << false << troppoLunga;
    QTest::newRow("100") << QString(100, QLatin1Char('p')) << true
                         << "La Password non può essere lunga più di 99 caratteri.";
    QTest::newRow("vuota") << QString() << true << "Digitare la Password";
    QTest::newRow("fuori cp1252")
        << QStringLiteral("ab\u0100") << true
        << "Il testo contiene il carattere \"\u0100\", che non può essere salvato.\r\nUsare solo "
           "lettere, cifre e simboli dell'alfabeto latino.";
}

// Refused before anything is written; with Anti Brute-Force, 99 characters are fine.
void TestCodifica::passwordRifiutata() {
    QFETCH(QString, password);
    QFETCH(bool, antiBruteForce);
    QFETCH(QString, messaggio);
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString origine = cartella.filePath(QStringLiteral("f.txt"));
    prova::Scrivi(origine, "contenuto");
    EliminaFileOrigine = true;
    prova::RegistroCodifica r;
    QCOMPARE(CodificaSicuro(origine, true, true, password, antiBruteForce, r), Esito::Rifiutato);
    QCOMPARE(r.Testi(), QStringList{messaggio});
    QCOMPARE(Contenuto(cartella.path()), QStringList{"f.txt"});
    QCOMPARE(RifiutoPassword(password, true, antiBruteForce)->testo, messaggio);

    if (password.size() == 99) {
        r = {};
        QCOMPARE(CodificaSicuro(origine, true, true, password, true, r), Esito::Fatto);
        QVERIFY(r.messaggi.isEmpty());
        // Decrypting never meets the 97-character limit.
        QVERIFY(!RifiutoPassword(password, false, false));
    }
}

void TestCodifica::overflow_data() {
    QTest::addColumn<bool>("veloce");
    QTest::addColumn<int>("lunghezza");
    QTest::addColumn<bool>("riesce");
    // Key byte 1 is the character of code 255: a key value of 256 once the chunk reaches it.
    QTest::newRow("sicuro, non raggiunto") << false << 1 << true;
    QTest::newRow("sicuro, raggiunto") << false << 2 << false;
    QTest::newRow("veloce, non raggiunto") << true << 2 << true;
    QTest::newRow("veloce, raggiunto") << true << 3 << false;
}

void TestCodifica::overflow() {
    QFETCH(bool, veloce);
    QFETCH(int, lunghezza);
    QFETCH(bool, riesce);
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString origine = cartella.filePath(QStringLiteral("f.bin"));
    const QString password = QStringLiteral("a\u00ffb");
    const QByteArray dati = Casuali(lunghezza);
    prova::Scrivi(origine, dati);
    EliminaFileOrigine = true;
    prova::RegistroCodifica r;
    QCOMPARE(Membro(veloce, origine, true, true, password, true, r),
             riesce ? Esito::Fatto : Esito::Fallito);
    if (riesce) {
        QVERIFY(r.messaggi.isEmpty());
        return;
    }
    QCOMPARE(r.messaggi.size(), 1);
    QCOMPARE(r.messaggi[0].icona, Icona::Errore);
    QVERIFY(r.messaggi[0].testo.startsWith(QStringLiteral("Overflow")));
    QCOMPARE(prova::Leggi(origine), dati);
    QCOMPARE(Contenuto(cartella.path()), QStringList{"f.bin"});
}

// Tmp.dl_ must hold this password's block: another run's block is never appended. A single-file
// run deletes it whatever happened, Anti Brute-Force too; a list run leaves it for the next file.
void TestCodifica::bloccoDellaCorsa() {
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString origine = cartella.filePath(QStringLiteral("f.txt"));
    prova::Scrivi(origine, "contenuto");
    const QString tmp = amb.windows(NomeBloccoCorsa);
    prova::RegistroCodifica r;

    PreparaBloccoControllo(QStringLiteral("altra"));
    QCOMPARE(CodificaSicuro(origine, true, false, QStringLiteral("abc"), false, r), Esito::Fallito);
    QVERIFY(r.messaggi[0].testo.startsWith(
        QStringLiteral("Il controllo della Password preparato per questa operazione (Tmp.dl_) "
                       "non corrisponde alla Password.")));
    QVERIFY(QFileInfo::exists(tmp));
    QCOMPARE(CodificaSicuro(origine, true, true, QStringLiteral("abc"), false, r), Esito::Fallito);
    QVERIFY(!QFileInfo::exists(tmp));
    // Missing altogether.
    QCOMPARE(CodificaSicuro(origine, true, false, QStringLiteral("abc"), false, r), Esito::Fallito);
    QCOMPARE(Contenuto(cartella.path()), QStringList{"f.txt"});
    QCOMPARE(r.messaggi.size(), 3);

    PreparaBloccoControllo(QStringLiteral("abc"));
    QCOMPARE(CodificaSicuro(origine, true, true, QStringLiteral("abc"), true, r), Esito::Fatto);
    QVERIFY(!QFileInfo::exists(tmp));
    PreparaBloccoControllo(QStringLiteral("abc"));
    QCOMPARE(CodificaSicuro(origine, true, true, QStringLiteral("abc"), false, r), Esito::Fatto);
    QVERIFY(!QFileInfo::exists(tmp));
    // Decrypting leaves an encryption's block alone.
    PreparaBloccoControllo(QStringLiteral("abc"));
    QVERIFY(QFile::remove(origine));
    QVERIFY(PasswordCorretta(origine + QStringLiteral(".Sft.###"), QStringLiteral("abc")));
    QCOMPARE(CodificaSicuro(origine + QStringLiteral(".Sft.###"), false, true,
                            QStringLiteral("abc"), false, r),
             Esito::Fatto);
    QCOMPARE(prova::Leggi(origine), QByteArray("contenuto"));
    QVERIFY(QFileInfo::exists(tmp));
}

void TestCodifica::sorgenteIllegibile() {
    prova::Ambiente amb;
    QTemporaryDir cartella;
    prova::RegistroCodifica r;
    const QString mancante = cartella.filePath(QStringLiteral("mancante"));
    QCOMPARE(CodificaSicuro(mancante, true, true, QStringLiteral("abc"), true, r), Esito::Fallito);
    const QString sottocartella = cartella.filePath(QStringLiteral("cartella"));
    QVERIFY(QDir().mkdir(sottocartella));
    QCOMPARE(CodificaSicuro(sottocartella, true, true, QStringLiteral("abc"), true, r),
             Esito::Fallito);
    QCOMPARE(r.Testi(),
             QStringList({QStringLiteral("Impossibile trovare il file \"%1\".").arg(mancante),
                          QStringLiteral("Errore di accesso al file %1.").arg(sottocartella)}));
    QCOMPARE(r.messaggi[0].icona, Icona::Errore);
    QCOMPARE(r.messaggi[1].icona, Icona::Esclamazione);
    QCOMPARE(Contenuto(cartella.path()), QStringList());
}

// A folder its owner may not write to: refused before anything is written.
void TestCodifica::cartellaSolaLettura() {
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString dentro = cartella.filePath(QStringLiteral("protetta"));
    QVERIFY(QDir().mkdir(dentro));
    const QString origine = dentro + QStringLiteral("/f.txt");
    prova::Scrivi(origine, "contenuto");
    QFile::setPermissions(dentro, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EliminaFileOrigine = true;
    prova::RegistroCodifica r;
    const Esito esito = CodificaSicuro(origine, true, true, QStringLiteral("abc"), true, r);
    const QStringList contenuto = Contenuto(dentro);
    QFile::setPermissions(dentro,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(esito, Esito::Fallito);
    QCOMPARE(r.Testi(), QStringList{"Autorizzazione negata."});
    QCOMPARE(r.messaggi[0].icona, Icona::Esclamazione);
    QCOMPARE(contenuto, QStringList{"f.txt"});
}

// The disk refuses the third megabyte: no output at all, no temporary left, the source in place
// (also when it was to be deleted).
void TestCodifica::guastoAMetaFile_data() {
    QTest::addColumn<bool>("elimina");
    QTest::newRow("origine conservata") << false;
    QTest::newRow("origine da eliminare") << true;
}

void TestCodifica::guastoAMetaFile() {
    QFETCH(bool, elimina);
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString origine = cartella.filePath(QStringLiteral("grande.bin"));
    const QByteArray dati = Casuali(3000000);
    prova::Scrivi(origine, dati);
    PreparaBloccoControllo(QStringLiteral("abc"));
    EliminaFileOrigine = elimina;
    prova::RegistroCodifica r;

    rlimit prima{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &prima), 0);
    const auto segnale = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = prima;
    limite.rlim_cur = 2 * Blocco + 1000;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limite), 0);
    const Esito esito = CodificaVeloce(origine, true, false, QStringLiteral("abc"), false, r);
    setrlimit(RLIMIT_FSIZE, &prima);
    std::signal(SIGXFSZ, segnale);

    QCOMPARE(esito, Esito::Fallito);
    QCOMPARE(r.messaggi.size(), 1);
    QCOMPARE(r.messaggi[0].icona, Icona::Errore);
    QVERIFY2(r.messaggi[0].testo.startsWith(
                 QStringLiteral("Impossibile scrivere il file \"%1.Vft.###\".").arg(origine)),
             qPrintable(r.messaggi[0].testo));
    QVERIFY(r.messaggi[0].testo.endsWith(
        QStringLiteral("Il file \"%1\" non è stato modificato.").arg(origine)));
    QCOMPARE(Contenuto(cartella.path()), QStringList{"grande.bin"});
    QCOMPARE(prova::Leggi(origine), dati);
}

// Encryption keeps refusing sources of 2 GiB or more, before anything is written.
void TestCodifica::criptareOltreDueGiB() {
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString origine = cartella.filePath(QStringLiteral("enorme"));
    Sparso(origine, 2147483648LL);
    prova::RegistroCodifica r;
    QCOMPARE(CodificaSicuro(origine, true, true, QStringLiteral("abc"), true, r), Esito::Rifiutato);
    QCOMPARE(r.Testi(), QStringList{"Dimensioni eccessive."});
    QCOMPARE(r.messaggi[0].icona, Icona::Esclamazione);
    QVERIFY(r.domande.isEmpty());
    QCOMPARE(Contenuto(cartella.path()), QStringList{"enorme"});
}

// A data area past 2 GiB is decrypted whole, the key index restarting in the last chunks too.
void TestCodifica::decriptareOltreDueGiB() {
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString criptato = cartella.filePath(QStringLiteral("enorme.Vff.###"));
    const qint64 lunghezza = (2LL << 30) + 1001;
    Sparso(criptato, lunghezza);
    LunghezzaDati = lunghezza;
    prova::RegistroCodifica r;
    QCOMPARE(CodificaVeloce(criptato, false, true, QStringLiteral("xyz"), true, r), Esito::Fatto);
    QVERIFY(r.messaggi.isEmpty());
    QCOMPARE(r.domande.size(), 1);
    QCOMPARE(r.avanzamento.size(), 2049);
    QCOMPARE(r.avanzamento.back(), std::make_pair(qint64(2049), qint64(2048)));
    QFile chiaro(cartella.filePath(QStringLiteral("enorme")));
    QCOMPARE(chiaro.size(), lunghezza);
    QVERIFY(chiaro.open(QIODevice::ReadOnly));
    QVERIFY(chiaro.seek(lunghezza - 1001));
    QCOMPARE(chiaro.read(1001), FormaChiusa(QByteArray(1001, '\0'), "xyz", true));
}

QTEST_MAIN(TestCodifica)
#include "test_codifica.moc"
