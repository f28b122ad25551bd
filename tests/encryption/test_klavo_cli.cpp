// klavo-cli on the routine: encrypting and decrypting several files, the password typed twice
// or read once, what it refuses, and its exit status.

#include "encryption/BloccoControllo.h"
#include "encryption/cli/StrumentoCifra.h"
#include "shell/common/Globali.h"
#include "tests/supporto/Ambiente.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace klavo;

class TestKlavoCli : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void criptaEDecripta();
    void confermaInterattiva_data();
    void confermaInterattiva();
    void passwordErrata_data();
    void passwordErrata();
    void antiBruteForceEdElimina();
    void fileRifiutati();
    void codaDanneggiata();
    void rigaErrata_data();
    void rigaErrata();
};

namespace {

class ConsoleProva : public cli::Console {
public:
    explicit ConsoleProva(QStringList password, bool interattiva = false)
        : password_(std::move(password)), interattiva_(interattiva) {}
    bool Interattiva() const override { return interattiva_; }
    std::optional<QString> LeggiPassword(const QString& prompt) override {
        richieste.append(prompt);
        if (password_.isEmpty())
            return std::nullopt;
        return password_.takeFirst();
    }
    void Scrivi(const QString& riga) override { uscita.append(riga); }
    void Segnala(const QString& riga) override { errori.append(riga); }

    QStringList richieste, uscita, errori;

private:
    QStringList password_;
    bool interattiva_;
};

QStringList Contenuto(const QString& cartella) {
    return QDir(cartella).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QStringList Argomenti(std::initializer_list<QString> a) {
    return QStringList(a);
}

} // namespace

// Both files of one run end with the same block; Tmp.dl_ is gone at the end; decrypting
// restores them byte for byte.
void TestKlavoCli::criptaEDecripta() {
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString a = cartella.filePath(QStringLiteral("a.txt"));
    const QString b = cartella.filePath(QStringLiteral("b.bin"));
    prova::Scrivi(a, "Testo di prova\r\n");
    prova::Scrivi(b, QByteArray(1048577, 'b'));

    ConsoleProva cripta({QStringLiteral("Segreto")});
    QCOMPARE(cli::Esegui(Argomenti({"cripta", "-v", a, b}), cripta), cli::UscitaRiuscita);
    QCOMPARE(cripta.richieste, QStringList{"Password: "});
    QCOMPARE(cripta.uscita, QStringList({a + "   (Criptato)", b + "   (Criptato)"}));
    QVERIFY(cripta.errori.isEmpty());
    const QByteArray coda = BloccoControllo(QStringLiteral("Segreto")) + "09";
    QVERIFY(prova::Leggi(a + ".Vft.###").endsWith(coda));
    QVERIFY(prova::Leggi(b + ".Vft.###").endsWith(coda));
    QVERIFY(!QFileInfo::exists(amb.windows(NomeBloccoCorsa)));
    QVERIFY(!EliminaFileOrigine);

    QVERIFY(QFile::remove(a));
    QVERIFY(QFile::remove(b));
    ConsoleProva decripta({QStringLiteral("Segreto")}, true);
    QCOMPARE(cli::Esegui(Argomenti({"decripta", a + ".Vft.###", "--", b + ".Vft.###"}), decripta),
             cli::UscitaRiuscita);
    // Decrypting asks once, even at a terminal.
    QCOMPARE(decripta.richieste, QStringList{"Password: "});
    QCOMPARE(prova::Leggi(a), QByteArray("Testo di prova\r\n"));
    QCOMPARE(prova::Leggi(b), QByteArray(1048577, 'b'));
    QVERIFY(decripta.errori.isEmpty());
}

void TestKlavoCli::confermaInterattiva_data() {
    QTest::addColumn<QStringList>("digitate");
    QTest::addColumn<QString>("messaggio");
    QTest::newRow("diverse") << QStringList{"uno", "due"}
                             << "Sono state inserite due Password diverse.\nDigitare nuovamente "
                                "la Password, quindi confermarla.";
    QTest::newRow("conferma vuota")
        << QStringList{"uno", ""} << "Per continuare occorre digitare nuovamente la password.";
    QTest::newRow("nessuna") << QStringList{} << "Nessuna Password letta.";
    QTest::newRow("vuota") << QStringList{""} << "Digitare la Password";
    QTest::newRow("98 caratteri") << QStringList{QString(98, QLatin1Char('x'))}
                                  << "Senza Anti Brute-Force la Password non può essere lunga più "
                                     "di 97 caratteri.\nAccorciare la Password oppure selezionare "
                                     "Anti Brute-Force.";
}

// At a terminal the password is typed twice; a refusal writes nothing at all.
void TestKlavoCli::confermaInterattiva() {
    QFETCH(QStringList, digitate);
    QFETCH(QString, messaggio);
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString a = cartella.filePath(QStringLiteral("a.txt"));
    prova::Scrivi(a, "testo");
    ConsoleProva console(digitate, true);
    QCOMPARE(cli::Esegui(Argomenti({"cripta", a}), console), cli::UscitaFileNonElaborati);
    QCOMPARE(console.errori, QStringList{messaggio});
    QCOMPARE(Contenuto(cartella.path()), QStringList{"a.txt"});
    QVERIFY(Contenuto(amb.windows({})).isEmpty());

    ConsoleProva giusta({QStringLiteral("uno"), QStringLiteral("uno")}, true);
    QCOMPARE(cli::Esegui(Argomenti({"cripta", a}), giusta), cli::UscitaRiuscita);
    QCOMPARE(giusta.richieste, QStringList({"Password: ", "Conferma Password: "}));
}

void TestKlavoCli::passwordErrata_data() {
    QTest::addColumn<QString>("digitata");
    QTest::newRow("diversa") << "Segreta";
    QTest::newRow("maiuscole") << "SEGRETO";
    QTest::newRow("spazio in coda") << "Segreto ";
}

// Refused for that file with nothing written, and the run goes on with the next one.
void TestKlavoCli::passwordErrata() {
    QFETCH(QString, digitata);
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString a = cartella.filePath(QStringLiteral("a.txt"));
    const QString b = cartella.filePath(QStringLiteral("b.txt"));
    prova::Scrivi(a, "primo");
    prova::Scrivi(b, "secondo");
    ConsoleProva cripta({QStringLiteral("Segreto")});
    QCOMPARE(cli::Esegui(Argomenti({"cripta", a}), cripta), cli::UscitaRiuscita);
    ConsoleProva altra({digitata});
    QCOMPARE(cli::Esegui(Argomenti({"cripta", b}), altra), cli::UscitaRiuscita);
    QVERIFY(QFile::remove(a));
    QVERIFY(QFile::remove(b));
    const QByteArray criptato = prova::Leggi(a + ".Sft.###");

    EliminaFileOrigine = false;
    ConsoleProva decripta({digitata});
    QCOMPARE(cli::Esegui(Argomenti({"decripta", "-e", a + ".Sft.###", b + ".Sft.###"}), decripta),
             cli::UscitaFileNonElaborati);
    QCOMPARE(decripta.errori,
             QStringList{a + ".Sft.###: Password non valida per " + a + ".Sft.###"});
    QCOMPARE(decripta.uscita, QStringList{b + ".Sft.###   (Decriptato)"});
    QCOMPARE(Contenuto(cartella.path()), QStringList({"a.txt.Sft.###", "b.txt"}));
    QCOMPARE(prova::Leggi(a + ".Sft.###"), criptato);
}

// Anti Brute-Force: no block, and a wrong password decrypts silently into other bytes. --elimina
// deletes each source once its output is complete.
void TestKlavoCli::antiBruteForceEdElimina() {
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString a = cartella.filePath(QStringLiteral("a.txt"));
    prova::Scrivi(a, "contenuto riservato");
    ConsoleProva cripta({QString(99, QLatin1Char('p'))});
    QCOMPARE(cli::Esegui(Argomenti({"cripta", "--anti-brute-force", "--elimina", a}), cripta),
             cli::UscitaRiuscita);
    QCOMPARE(Contenuto(cartella.path()), QStringList{"a.txt.Sff.###"});
    QCOMPARE(QFileInfo(a + ".Sff.###").size(), 19);

    ConsoleProva errata({QStringLiteral("q")});
    QCOMPARE(cli::Esegui(Argomenti({"decripta", a + ".Sff.###"}), errata), cli::UscitaRiuscita);
    QVERIFY(prova::Leggi(a) != "contenuto riservato");
    QVERIFY(QFile::remove(a));
    ConsoleProva giusta({QString(99, QLatin1Char('p'))});
    QCOMPARE(cli::Esegui(Argomenti({"decripta", "-e", a + ".Sff.###"}), giusta),
             cli::UscitaRiuscita);
    QCOMPARE(prova::Leggi(a), QByteArray("contenuto riservato"));
    QCOMPARE(Contenuto(cartella.path()), QStringList{"a.txt"});
}

// The checks of a chosen file, each refusing that file only; the others are processed.
void TestKlavoCli::fileRifiutati() {
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const auto f = [&](const char* nome) { return cartella.filePath(QString::fromLatin1(nome)); };
    prova::Scrivi(f("buono.txt"), "buono");
    prova::Scrivi(f("uno.txt"), "1");
    prova::Scrivi(f("gia.txt.Sft.###"), "criptato");
    prova::Scrivi(f("esiste.txt"), "esiste");
    prova::Scrivi(f("esiste.txt.Sff.###"), "prima");
    ConsoleProva cripta({QStringLiteral("abc")});
    QCOMPARE(cli::Esegui(Argomenti({"cripta", "-a", f("mancante"), f("uno.txt"),
                                    f("gia.txt.Sft.###"), f("esiste.txt"), f("buono.txt")}),
                         cripta),
             cli::UscitaFileNonElaborati);
    QCOMPARE(cripta.errori,
             QStringList({f("mancante") + ": Nome di file non valido",
                          f("uno.txt") + ": File a lunghezza zero.",
                          f("gia.txt.Sft.###") + ": Il file specificato è già criptato",
                          f("esiste.txt") + ": Questo file è già esistente e verrà saltato:\n\n" +
                              f("esiste.txt.Sff.###")}));
    QCOMPARE(cripta.uscita, QStringList{f("buono.txt") + "   (Criptato)"});
    QCOMPARE(prova::Leggi(f("esiste.txt.Sff.###")), QByteArray("prima"));

    prova::Scrivi(f("strano.Xft.###"), "contenuto");
    prova::Scrivi(f("vuoto.Sft.###"), "");
    ConsoleProva decripta({QStringLiteral("abc")});
    QCOMPARE(cli::Esegui(
                 Argomenti({"decripta", f("strano.Xft.###"), f("vuoto.Sft.###"), f("buono.txt")}),
                 decripta),
             cli::UscitaFileNonElaborati);
    QCOMPARE(decripta.errori,
             QStringList({
                 f("strano.Xft.###") +
                     ": Nome di file criptato non riconosciuto: il suffisso deve essere "
                     ".Vft.###, .Vff.###, .Sft.### o .Sff.###.",
                 f("vuoto.Sft.###") + ": Il file criptato è vuoto!",
                 f("buono.txt") + ": Il file specificato non è un file criptato (.###).",
             }));
    QVERIFY(!QFileInfo::exists(f("strano")));
}

void TestKlavoCli::codaDanneggiata() {
    prova::Ambiente amb;
    QTemporaryDir cartella;
    const QString file = cartella.filePath(QStringLiteral("rotto.txt.Vft.###"));
    prova::Scrivi(file, "dati senza blocco xy");
    ConsoleProva console({QStringLiteral("abc")});
    QCOMPARE(cli::Esegui(Argomenti({"decripta", file}), console), cli::UscitaFileNonElaborati);
    QCOMPARE(console.errori,
             QStringList{file + ": Il file \"" + file +
                         "\" non termina con un controllo della Password valido: potrebbe essere "
                         "danneggiato.\nIl file non è stato modificato."});
    QCOMPARE(prova::Leggi(file), QByteArray("dati senza blocco xy"));
    QCOMPARE(Contenuto(cartella.path()), QStringList{"rotto.txt.Vft.###"});
}

void TestKlavoCli::rigaErrata_data() {
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<QString>("messaggio");
    QTest::newRow("niente") << QStringList{} << "Indicare cripta o decripta.";
    QTest::newRow("comando") << QStringList{"codifica", "f"} << "Comando sconosciuto: codifica";
    QTest::newRow("opzione") << QStringList{"cripta", "-x", "f"} << "Opzione sconosciuta: -x";
    QTest::newRow("senza file") << QStringList{"cripta", "-v"} << "Nessun file indicato.";
    QTest::newRow("algoritmo per decripta")
        << QStringList{"decripta", "-v", "f.Vft.###"}
        << "Opzione non valida per decripta: -v (algoritmo e Anti Brute-Force si leggono dal "
           "nome del file).";
}

// Nothing is asked and nothing touched.
void TestKlavoCli::rigaErrata() {
    QFETCH(QStringList, argomenti);
    QFETCH(QString, messaggio);
    prova::Ambiente amb;
    ConsoleProva console({QStringLiteral("abc")});
    QCOMPARE(cli::Esegui(argomenti, console), cli::UscitaRigaErrata);
    QCOMPARE(console.errori, QStringList{messaggio + "\nPer l'aiuto: klavo-cli --aiuto"});
    QVERIFY(console.richieste.isEmpty());

    ConsoleProva aiuto({});
    QCOMPARE(cli::Esegui(QStringList{"--aiuto"}, aiuto), cli::UscitaRiuscita);
    QCOMPARE(aiuto.uscita, QStringList{cli::Uso()});
}

QTEST_MAIN(TestKlavoCli)
#include "test_klavo_cli.moc"
