// The password dialog and the main window's single-file operations, through the real windows:
// the four modes, the checks of OK in their order, the refusals of a chosen file, a file
// encrypted and decrypted back byte for byte, the Anti Brute-Force warning, the requests "/c"
// and "/d" of the command line, and the mount that decides whether a path may be written.

#include "encryption/Frm_Password2.h"
#include "encryption/NomiCriptati.h"
#include "encryption/Selezione.h"
#include "generator/Frm_Crea_Password.h"
#include "shell/Frm_Avanzamento.h"
#include "shell/Frm_Password.h"
#include "shell/Frm_Principale.h"
#include "shell/common/Finestre.h"
#include "shell/common/Globali.h"
#include "tests/supporto/Ambiente.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace klavo;

namespace {

const QByteArray Contenuto = "Caro Mario,\r\nci vediamo a marzo.\r\n";

Frm_Principale& Principale() {
    Frm_Principale& f = finestre::Finestra<Frm_Principale>();
    f.show();
    return f;
}

Frm_Password2* Dialogo() {
    return finestre::SeCaricata<Frm_Password2>();
}

void Digita(Frm_Password2& d, const QString& password, const QString& conferma) {
    d.Txt_Password->setText(password);
    d.Txt_Conferma->setText(conferma);
}

QString Crea(prova::Ambiente& amb, const QString& nome, const QByteArray& byte) {
    const QString percorso = amb.windows(nome);
    prova::Scrivi(percorso, byte);
    return percorso;
}

} // namespace

class TestFrmPassword2 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void modi_data();
    void modi();
    void convalida_data();
    void convalida();
    void rifiuti_data();
    void rifiuti();
    void criptaEDecripta_data();
    void criptaEDecripta();
    void passwordErrata();
    void antiBruteForce();
    void trascina_data();
    void trascina();
    void rigaComando_data();
    void rigaComando();
    void rigaComandoAnnulla();
    void montaggio_data();
    void montaggio();
};

void TestFrmPassword2::modi_data() {
    QTest::addColumn<int>("modo");
    QTest::addColumn<QString>("algoritmo");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<QString>("encrypt");
    QTest::addColumn<QString>("justAFile");
    QTest::addColumn<bool>("conferma");
    QTest::addColumn<bool>("crea");
    QTest::addColumn<bool>("bruteForceAttivo");
    QTest::addColumn<bool>("bruteForce");
    using M = Frm_Password2::Modo;
    QTest::newRow("cripta file veloce") << int(M::CriptaFile) << "Veloce"
                                        << "a.txt"
                                        << "Algoritmo Veloce"
                                        << "True"
                                        << "True" << true << true << true << false;
    QTest::newRow("cripta file sicuro") << int(M::CriptaFile) << "Sicuro"
                                        << "a.txt"
                                        << "Algoritmo Sicuro"
                                        << "True"
                                        << "True" << true << true << true << false;
    QTest::newRow("decripta file Vft") << int(M::DecriptaFile) << "Sicuro"
                                       << "a.txt.Vft.###"
                                       << "Algoritmo Veloce"
                                       << "False"
                                       << "True" << false << false << false << false;
    QTest::newRow("decripta file sff") << int(M::DecriptaFile) << "Veloce"
                                       << "a.txt.sff.###"
                                       << "Algoritmo Sicuro"
                                       << "False"
                                       << "True" << false << false << false << true;
    QTest::newRow("cripta cartella") << int(M::CriptaCartella) << "veloce"
                                     << "Lettere"
                                     << "Algoritmo Veloce"
                                     << "True"
                                     << "False" << true << true << true << false;
    QTest::newRow("decripta cartella") << int(M::DecriptaCartella) << "Veloce"
                                       << "Lettere"
                                       << "Decripta cartella"
                                       << "False"
                                       << "False" << false << false << false << false;
}

void TestFrmPassword2::modi() {
    QFETCH(int, modo);
    QFETCH(QString, algoritmo);
    QFETCH(QString, nome);
    prova::Ambiente amb;
    AlgoritmoCodifica = algoritmo;
    Frm_Principale& f = Principale();
    const QString percorso = amb.windows(nome);
    Frm_Password2& d = Frm_Password2::Apri(static_cast<Frm_Password2::Modo>(modo), percorso);
    QVERIFY(d.isVisible());
    QVERIFY(!f.isVisible());
    QTEST(d.windowTitle(), "titolo");
    QCOMPARE(d.Lbl_NomeFile->text(), percorso);
    QTEST(d.Lbl_Encrypt->text(), "encrypt");
    QTEST(d.Lbl_JustAFile->text(), "justAFile");
    QTEST(d.Txt_Conferma->isEnabled(), "conferma");
    // "..." only where a password is made: it opens the generator beside the dialog.
    const bool cripta = d.Lbl_Encrypt->text() == QLatin1String("True");
    QCOMPARE(d.Cmd_Crea->isEnabled(), cripta);
    if (cripta) {
        d.Cmd_Crea->click();
        auto* generatore = finestre::SeCaricata<Frm_Crea_Password>();
        QVERIFY(generatore && generatore->isVisible());
        QVERIFY(d.isVisible());
    }
    QTEST(d.Chk_BruteForce->isEnabled(), "bruteForceAttivo");
    QTEST(d.Chk_BruteForce->isChecked(), "bruteForce");
    QCOMPARE(d.Txt_Password->echoMode(), QLineEdit::Password);
    QVERIFY(amb.piattaforma().messaggi.isEmpty());

    d.Cmd_Annulla_Click();
    QVERIFY(!Dialogo());
    QVERIFY(f.isVisible());
    QVERIFY(!amb.piattaforma().Terminato());
}

void TestFrmPassword2::convalida_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("conferma");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<int>("icona");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("svuotate");
    const QString p100(100, QLatin1Char('x'));
    QTest::newRow("100 caratteri")
        << p100 << QString() << "La Password non può essere lunga più di 99 caratteri."
        << int(Icona::Informazione) << "Txt_Password" << false;
    QTest::newRow("vuota") << QString() << QString() << "Digitare la Password"
                           << int(Icona::Esclamazione) << "Txt_Password" << false;
    QTest::newRow("conferma vuota")
        << "segreto" << QString() << "Per continuare occorre digitare nuovamente la password."
        << int(Icona::Informazione) << "Txt_Conferma" << false;
    QTest::newRow("diverse") << "segreto"
                             << "Segreto"
                             << "Sono state inserite due Password diverse.\r\nDigitare "
                                "nuovamente la Password, quindi confermarla."
                             << int(Icona::Errore) << "Txt_Password" << true;
}

void TestFrmPassword2::convalida() {
    QFETCH(QString, password);
    QFETCH(QString, conferma);
    QFETCH(QString, focus);
    QFETCH(bool, svuotate);
    prova::Ambiente amb;
    const QString file = Crea(amb, QStringLiteral("Lettera.txt"), Contenuto);
    Principale();
    Frm_Password2& d = Frm_Password2::Apri(Frm_Password2::Modo::CriptaFile, file);
    QApplication::setActiveWindow(&d);
    Digita(d, password, conferma);
    d.Cmd_OK_Click();

    const auto& messaggi = amb.piattaforma().messaggi;
    QCOMPARE(messaggi.size(), 1);
    QTEST(messaggi[0].testo, "messaggio");
    QTEST(int(messaggi[0].icona), "icona");
    QCOMPARE(messaggi[0].titolo, QStringLiteral("Klavo"));
    QCOMPARE(Dialogo(), &d);
    QCOMPARE(d.focusWidget()->objectName(), focus);
    if (password.size() > 99)
        QCOMPARE(d.Txt_Password->selectedText(), password);
    QCOMPARE(d.Txt_Password->text().isEmpty(), svuotate || password.isEmpty());
    QCOMPARE(d.Txt_Conferma->text().isEmpty(), svuotate || conferma.isEmpty());
    QVERIFY(!QFile::exists(file + QStringLiteral(".Vft.###")));
    QVERIFY(!QFile::exists(file + QStringLiteral(".Sft.###")));
    QVERIFY(!QFile::exists(amb.windows(QStringLiteral("Tmp.dl_"))));
}

void TestFrmPassword2::rifiuti_data() {
    QTest::addColumn<bool>("cripta");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<qint64>("lunghezza");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<int>("icona");
    QTest::addColumn<int>("richieste");
    QTest::newRow("già criptato") << true << "Foto.jpg.Sft.###" << qint64(10)
                                  << "Il file specificato è già criptato"
                                  << int(Icona::Informazione) << 2;
    QTest::newRow("mancante cripta")
        << true << "" << qint64(0) << "Nome di file non valido" << int(Icona::Esclamazione) << 2;
    QTest::newRow("un byte cripta") << true << "Uno.txt" << qint64(1) << "File a lunghezza zero."
                                    << int(Icona::Esclamazione) << 1;
    QTest::newRow("vuoto cripta") << true << "Zero.txt" << qint64(0) << "File a lunghezza zero."
                                  << int(Icona::Esclamazione) << 1;
    QTest::newRow("2 GiB") << true << "Grande.iso" << qint64(2147483648) << "Dimensioni eccessive."
                           << int(Icona::Esclamazione) << 1;
    QTest::newRow("mancante decripta")
        << false << "" << qint64(0) << "Nome di file non valido" << int(Icona::Esclamazione) << 2;
    QTest::newRow("non criptato") << false << "Lettera.txt" << qint64(10)
                                  << "Nome di file non valido" << int(Icona::Esclamazione) << 2;
    QTest::newRow("un byte decripta")
        << false << "Uno.txt.Vft.###" << qint64(1) << "Il file criptato è vuoto!"
        << int(Icona::Esclamazione) << 1;
}

// Each refusal shows its message; some open the file dialog again (cancelled here).
void TestFrmPassword2::rifiuti() {
    QFETCH(bool, cripta);
    QFETCH(QString, nome);
    QFETCH(qint64, lunghezza);
    QFETCH(int, richieste);
    prova::Ambiente amb;
    QString file = amb.windows(nome.isEmpty() ? QStringLiteral("Assente.txt") : nome);
    if (!nome.isEmpty()) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(lunghezza));
    }
    Frm_Principale& f = Principale();
    auto& p = amb.piattaforma();
    p.RispondiFile(file);
    if (cripta)
        f.Cmd_Cripta_File_Click();
    else
        f.Cmd_Decripta_File_Click();

    QCOMPARE(p.messaggi.size(), 1);
    QTEST(p.messaggi[0].testo, "messaggio");
    QTEST(int(p.messaggi[0].icona), "icona");
    QTEST(int(p.richiesteFile.size()), "richieste");
    QCOMPARE(p.richiesteFile[0].filtro, cripta ? QStringLiteral("Tutti i file (*.*)")
                                               : QStringLiteral("File criptati (*.###)"));
    if (richieste > 1)
        QCOMPARE(p.richiesteFile[1].iniziale, file);
    QVERIFY(!Dialogo());
    QVERIFY(f.isVisible());
    QVERIFY(!p.Terminato());
}

void TestFrmPassword2::criptaEDecripta_data() {
    QTest::addColumn<QString>("algoritmo");
    QTest::addColumn<QString>("suffisso");
    QTest::newRow("veloce") << "Veloce"
                            << ".Vft.###";
    QTest::newRow("sicuro") << "Sicuro"
                            << ".Sft.###";
}

// Through the main window's buttons: encrypted, the source deleted, then decrypted byte for byte.
void TestFrmPassword2::criptaEDecripta() {
    QFETCH(QString, algoritmo);
    QFETCH(QString, suffisso);
    prova::Ambiente amb;
    AlgoritmoCodifica = algoritmo;
    EliminaFileOrigine = true;
    const QString file = Crea(amb, QStringLiteral("Lettera a Mario.txt"), Contenuto);
    Frm_Principale& f = Principale();
    auto& p = amb.piattaforma();

    p.RispondiFile(file);
    f.Cmd_Cripta_File->click();
    Frm_Password2* d = Dialogo();
    QVERIFY(d);
    QVERIFY(!f.isVisible());
    Digita(*d, QStringLiteral("Marzo 2026"), QStringLiteral("Marzo 2026"));
    d->Cmd_OK->click();
    QVERIFY(p.messaggi.isEmpty());
    QVERIFY(!Dialogo());
    QVERIFY(f.isVisible());
    QVERIFY(f.isEnabled());
    QVERIFY(!finestre::SeCaricata<Frm_Avanzamento>());
    QVERIFY(!QFile::exists(file));
    QVERIFY(!QFile::exists(amb.windows(QStringLiteral("Tmp.dl_"))));
    const QByteArray criptato = prova::Leggi(file + suffisso);
    QCOMPARE(criptato.size(), Contenuto.size() + 12 + 2);
    QVERIFY(criptato.endsWith("12"));

    p.RispondiFile(file + suffisso);
    f.Mnu_File2->trigger();
    d = Dialogo();
    QVERIFY(d);
    QCOMPARE(d->windowTitle(), algoritmo == QLatin1String("Veloce")
                                   ? QStringLiteral("Algoritmo Veloce")
                                   : QStringLiteral("Algoritmo Sicuro"));
    d->Txt_Password->setText(QStringLiteral("Marzo 2026"));
    // Enter in the password box presses OK, the window's default button.
    QVERIFY(QTest::qWaitForWindowActive(d));
    QTest::keyClick(d->Txt_Password, Qt::Key_Return);
    QVERIFY(p.messaggi.isEmpty());
    QVERIFY(!Dialogo());
    QCOMPARE(prova::Leggi(file), Contenuto);
    QVERIFY(!QFile::exists(file + suffisso));
}

void TestFrmPassword2::passwordErrata() {
    prova::Ambiente amb;
    const QString file = Crea(amb, QStringLiteral("Nota.txt"), Contenuto);
    Principale();
    Frm_Password2& d = Frm_Password2::Apri(Frm_Password2::Modo::CriptaFile, file);
    Digita(d, QStringLiteral("giusta"), QStringLiteral("giusta"));
    d.Cmd_OK_Click();
    const QString criptato = file + QStringLiteral(".Sft.###");
    const QByteArray prima = prova::Leggi(criptato);

    Frm_Password2& d2 = Frm_Password2::Apri(Frm_Password2::Modo::DecriptaFile, criptato);
    QApplication::setActiveWindow(&d2);
    d2.Txt_Password->setText(QStringLiteral("Giusta"));
    d2.Cmd_OK_Click();
    auto& p = amb.piattaforma();
    QCOMPARE(p.TestiMessaggi(), QStringList{QStringLiteral("Password non valida.")});
    QCOMPARE(p.messaggi[0].icona, Icona::Errore);
    QCOMPARE(Dialogo(), &d2);
    QCOMPARE(d2.focusWidget(), d2.Txt_Password);
    QCOMPARE(prova::Leggi(criptato), prima);
    QCOMPARE(prova::Leggi(file), Contenuto);
}

// The warning when the box is ticked for an encryption; no block is appended and Tmp.dl_ does not
// outlive the run.
void TestFrmPassword2::antiBruteForce() {
    prova::Ambiente amb;
    AlgoritmoCodifica = QStringLiteral("Veloce");
    const QString file = Crea(amb, QStringLiteral("Conti.xls"), Contenuto);
    Principale();
    Frm_Password2& d = Frm_Password2::Apri(Frm_Password2::Modo::CriptaFile, file);
    auto& p = amb.piattaforma();
    d.Chk_BruteForce->click();
    QVERIFY(d.Chk_BruteForce->isChecked());
    QCOMPARE(p.messaggi.size(), 1);
    QCOMPARE(p.messaggi[0].testo,
             QStringLiteral("Anti Brute Force selezionata.\r\n\r\nSe la password è errata, i file "
                            "verranno decriptati in modo non corretto!\r\nI dati potrebbero "
                            "andare persi. Consultare la guida in linea."));
    QCOMPARE(p.messaggi[0].icona, Icona::Esclamazione);

    Digita(d, QStringLiteral("abc"), QStringLiteral("abc"));
    d.Cmd_OK_Click();
    QCOMPARE(p.messaggi.size(), 1);
    const QByteArray criptato = prova::Leggi(file + QStringLiteral(".Vff.###"));
    QCOMPARE(criptato.size(), Contenuto.size());
    QVERIFY(!QFile::exists(amb.windows(QStringLiteral("Tmp.dl_"))));

    // Decrypting it: the box comes ticked from the name and says nothing.
    EliminaFileOrigine = true;
    QFile::remove(file);
    Frm_Password2& d2 =
        Frm_Password2::Apri(Frm_Password2::Modo::DecriptaFile, file + QStringLiteral(".Vff.###"));
    QVERIFY(d2.Chk_BruteForce->isChecked());
    d2.Txt_Password->setText(QStringLiteral("abc"));
    d2.Cmd_OK_Click();
    QCOMPARE(p.messaggi.size(), 1);
    QCOMPARE(prova::Leggi(file), Contenuto);
}

void TestFrmPassword2::trascina_data() {
    QTest::addColumn<bool>("cripta");
    QTest::addColumn<QStringList>("trascinati");
    QTest::addColumn<QString>("aperto");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<int>("richieste");
    QTest::newRow("cripta il primo file")
        << true << QStringList{"Cartella", "Nota.txt", "Altro.txt"} << "Nota.txt"
        << "" << 0;
    QTest::newRow("decripta") << false << QStringList{"Nota.txt.Vft.###"} << "Nota.txt.Vft.###"
                              << "" << 0;
    QTest::newRow("come scelto nel dialogo") << true << QStringList{"Nota.txt.Vft.###"} << ""
                                             << "Il file specificato è già criptato" << 1;
    QTest::newRow("solo una cartella") << true << QStringList{"Cartella"} << ""
                                       << "" << 0;
}

// A drop onto a file button: its hint while dragging, then the operation on the first dropped
// file as if chosen in the file dialog (a refusal opens the dialog, cancelled here).
void TestFrmPassword2::trascina() {
    QFETCH(bool, cripta);
    QFETCH(QStringList, trascinati);
    QFETCH(QString, aperto);
    QFETCH(int, richieste);
    prova::Ambiente amb;
    QDir().mkpath(amb.windows(QStringLiteral("Cartella")));
    for (const char* nome : {"Nota.txt", "Altro.txt", "Nota.txt.Vft.###"})
        Crea(amb, QString::fromLatin1(nome), Contenuto);
    QStringList percorsi;
    for (const QString& nome : trascinati)
        percorsi.append(amb.windows(nome));
    Frm_Principale& f = Principale();
    auto& p = amb.piattaforma();
    QToolButton* pulsante = cripta ? f.Cmd_Cripta_File : f.Cmd_Decripta_File;

    QCOMPARE(prova::Trascina(pulsante, percorsi, false), !aperto.isEmpty() || richieste > 0);
    QCOMPARE(f.Frame->title(), cripta ? QStringLiteral("Rilasciare qui per criptare il file...")
                                      : QStringLiteral("Rilasciare qui per Decriptare il file..."));
    QVERIFY(f.TimerInfo->isActive());
    prova::Trascina(pulsante, percorsi, true);
    QCoreApplication::processEvents();

    QCOMPARE(int(p.richiesteFile.size()), richieste);
    QTEST(p.TestiMessaggi().join(QLatin1Char('|')), "messaggio");
    Frm_Password2* d = Dialogo();
    QCOMPARE(d != nullptr, !aperto.isEmpty());
    if (d) {
        QCOMPARE(d->Lbl_NomeFile->text(), amb.windows(aperto));
        QCOMPARE(d->Lbl_Encrypt->text(), cripta ? QStringLiteral("True") : QStringLiteral("False"));
    }
}

void TestFrmPassword2::rigaComando_data() {
    QTest::addColumn<QString>("opzione");
    QTest::newRow("cripta") << "/c";
    QTest::newRow("decripta") << "/d";
}

// Started with a request, the program shows only the dialog, runs the one file and ends.
void TestFrmPassword2::rigaComando() {
    QFETCH(QString, opzione);
    prova::Ambiente amb;
    AlgoritmoCodifica = QStringLiteral("Veloce");
    const QString sorgente = Crea(amb, QStringLiteral("Foto delle vacanze.jpg"), Contenuto);
    QString file = sorgente;
    if (opzione == QLatin1String("/d")) {
        Principale();
        Frm_Password2& d = Frm_Password2::Apri(Frm_Password2::Modo::CriptaFile, sorgente);
        Digita(d, QStringLiteral("vacanze"), QStringLiteral("vacanze"));
        d.Cmd_OK_Click();
        finestre::ScaricaTutte();
        QVERIFY(QFile::remove(sorgente));
        file = sorgente + QStringLiteral(".Vft.###");
    }
    auto& p = amb.piattaforma();
    p.rigaComando = opzione + QLatin1Char(' ') + file;
    finestre::Finestra<Frm_Password>().Avvia();
    Frm_Principale& f = *finestre::SeCaricata<Frm_Principale>();
    QVERIFY(QTest::qWaitFor([] { return Dialogo() != nullptr; }, 2000));
    Frm_Password2& d = *Dialogo();
    QVERIFY(!f.isVisible());
    QVERIFY(d.isVisible());
    QVERIFY(p.richiesteFile.isEmpty());
    Digita(d, QStringLiteral("vacanze"), QStringLiteral("vacanze"));
    d.Cmd_OK_Click();
    QVERIFY(p.Terminato());
    QVERIFY(p.messaggi.isEmpty());
    QVERIFY(!f.isVisible());
    if (opzione == QLatin1String("/c"))
        QVERIFY(
            QFile::exists(NomeCriptato(sorgente, AlgoritmoImpostato(AlgoritmoCodifica), false)));
    else
        QCOMPARE(prova::Leggi(sorgente), Contenuto);
}

void TestFrmPassword2::rigaComandoAnnulla() {
    prova::Ambiente amb;
    const QString file = Crea(amb, QStringLiteral("Relazione.doc"), Contenuto);
    auto& p = amb.piattaforma();
    p.rigaComando = QStringLiteral("/c ") + file;
    finestre::Finestra<Frm_Password>().Avvia();
    QVERIFY(QTest::qWaitFor([] { return Dialogo() != nullptr; }, 2000));
    QVERIFY(!p.Terminato());
    Dialogo()->Cmd_Annulla->click();
    QVERIFY(p.Terminato());
    QVERIFY(!QFile::exists(file + QStringLiteral(".Sft.###")));
    QCOMPARE(prova::Leggi(file), Contenuto);
}

void TestFrmPassword2::montaggio_data() {
    QTest::addColumn<QString>("percorso");
    QTest::addColumn<QString>("punto");
    QTest::addColumn<QString>("tipo");
    QTest::newRow("radice") << "/home/anna/a.txt"
                            << "/"
                            << "ext4";
    QTest::newRow("cd") << "/media/cdrom/Foto.jpg"
                        << "/media/cdrom"
                        << "iso9660";
    QTest::newRow("spazio") << "/media/Chiave USB/Marzo.doc"
                            << "/media/Chiave USB"
                            << "vfat";
    QTest::newRow("prefisso non cartella") << "/media/cdrom2/x"
                                           << "/"
                                           << "ext4";
    QTest::newRow("montato sopra") << "/mnt/x"
                                   << "/mnt"
                                   << "udf";
    QTest::newRow("relativo") << "a.txt"
                              << ""
                              << "";
}

void TestFrmPassword2::montaggio() {
    QFETCH(QString, percorso);
    QFETCH(QString, punto);
    const QString mountinfo =
        QStringLiteral("22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
                       "30 22 11:0 / /media/cdrom ro - iso9660 /dev/sr0 ro\n"
                       "31 22 8:17 / /media/Chiave\\040USB rw,nosuid shared:5 - vfat /dev/sdb1 rw\n"
                       "32 22 8:2 / /mnt rw - ext4 /dev/sda2 rw\n"
                       "33 32 11:1 / /mnt ro - udf /dev/sr1 ro\n");
    const std::optional<Montaggio> m = MontaggioDi(mountinfo, percorso);
    QCOMPARE(m.has_value(), !punto.isEmpty());
    if (!m)
        return;
    QCOMPARE(m->punto, punto);
    QTEST(m->tipo, "tipo");
}

QTEST_MAIN(TestFrmPassword2)
#include "test_frm_password2.moc"
