// The main window's folder mode through the real windows: the listing (sub-folders after the
// folder's own files, relative paths, files left out), the selection count, a folder encrypted
// and decrypted with a deselected entry, the Anti Brute-Force question, a wrong password and an
// unknown algorithm letter in a list, the progress bar of a list run and the finished state.

#include "encryption/BloccoControllo.h"
#include "encryption/Codifica.h"
#include "encryption/Frm_Password2.h"
#include "encryption/ModoCartella.h"
#include "shell/Frm_Avanzamento.h"
#include "shell/Frm_Principale.h"
#include "shell/common/Finestre.h"
#include "shell/common/Globali.h"
#include "tests/supporto/Ambiente.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <sys/stat.h>

using namespace klavo;

namespace {

const QByteArray Contenuto = "Resoconto di marzo\r\n";

// Answers the cipher's questions with yes and drops its messages.
class Muto : public Interlocutore {
public:
    bool ProseguiFileGrande(const Messaggio&) override { return true; }
    void Mostra(const Messaggio&) override {}
    void Avanzamento(qint64, qint64) override {}
};

// A file encrypted with another password beforehand.
void CriptaCon(const QString& file, const QString& password, bool antiBruteForce) {
    BloccoCorsa blocco(password);
    Muto muto;
    QCOMPARE(Codifica(Algoritmo::Veloce, file, true, true, password, antiBruteForce, muto),
             Esito::Fatto);
}

Frm_Principale& Principale() {
    Frm_Principale& f = finestre::Finestra<Frm_Principale>();
    f.show();
    return f;
}

QStringList Voci(const QListWidget& lista) {
    QStringList r;
    for (int i = 0; i < lista.count(); ++i)
        r.append(lista.item(i)->text());
    return r;
}

void Elenca(Frm_Principale& f, bool cripta, const QString& cartella, bool sottocartelle) {
    if (cripta)
        f.Cmd_Cripta_Cartella->click();
    else
        f.Cmd_Decripta_Cartella->click();
    QVERIFY(!f.Frame->isVisible());
    QVERIFY(f.Dir1->isVisible());
    QVERIFY(f.ChkSubFolders->isVisible());
    QVERIFY(!f.Mnu_Cripta->menuAction()->isEnabled());
    QCOMPARE(f.Cmd_Continua_Tag, QStringLiteral("Visualizza file"));
    f.Dir1->ImpostaPath(cartella);
    f.ChkSubFolders->setChecked(sottocartelle);
    f.Cmd_Continua->click();
    QVERIFY(f.List1->isVisible());
    QVERIFY(!f.Dir1->isVisible());
    QVERIFY(f.Cmd_Continua_Tag.isEmpty());
    QCOMPARE(f.CartellaCorrente, cartella);
}

Frm_Password2& Continua(Frm_Principale& f) {
    f.Cmd_Continua->click();
    Frm_Password2* d = finestre::SeCaricata<Frm_Password2>();
    Q_ASSERT(d);
    return *d;
}

} // namespace

class TestCartella : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void elenco();
    void elencoVuoto();
    void cartellaNonValida();
    void criptaEDecripta();
    void antiBruteForce_data();
    void antiBruteForce();
    void passwordErrataEAvanzamento();
    void letteraSconosciuta();
    void trascinaCartella();
    void massimoVoci();
};

void TestCartella::elenco() {
    prova::Ambiente amb;
    const QString radice = amb.windows(QStringLiteral("Documenti"));
    QDir().mkpath(radice + QStringLiteral("/Lettere/Vecchie"));
    prova::Scrivi(radice + QStringLiteral("/b.doc"), Contenuto);
    prova::Scrivi(radice + QStringLiteral("/a.txt"), Contenuto);
    prova::Scrivi(radice + QStringLiteral("/C.txt"), Contenuto);
    prova::Scrivi(radice + QStringLiteral("/uno.bin"), "x");
    prova::Scrivi(radice + QStringLiteral("/Foto.jpg.Sft.###"), Contenuto);
    prova::Scrivi(radice + QStringLiteral("/Lettere/Marzo.doc"), Contenuto);
    prova::Scrivi(radice + QStringLiteral("/Lettere/Vecchie/1999.doc"), Contenuto);
    // Neither links nor what is not a regular file: a pipe would never finish reading.
    QVERIFY(QFile::link(radice + QStringLiteral("/a.txt"), radice + QStringLiteral("/link.txt")));
    QVERIFY(QFile::link(radice + QStringLiteral("/Lettere"), radice + QStringLiteral("/Link")));
    QCOMPARE(mkfifo(QFile::encodeName(radice + QStringLiteral("/tubo.txt")).constData(), 0600), 0);
    Frm_Principale& f = Principale();

    Elenca(f, true, radice, true);
    QCOMPARE(Voci(*f.List1), (QStringList{"a.txt", "b.doc", "C.txt", "Lettere/Marzo.doc",
                                          "Lettere/Vecchie/1999.doc"}));
    QCOMPARE(f.LblNumFile->text(), QStringLiteral("Analisi file... 5"));
    QCOMPARE(f.Lbl_File_Selected->text(), QStringLiteral("File selezionati: 5 (tutti)"));
    f.List1->item(1)->setSelected(false);
    QCOMPARE(f.Lbl_File_Selected->text(), QStringLiteral("File selezionati: 4"));
    f.Cmd_Annulla->click();
    QVERIFY(f.Frame->isVisible());
    QVERIFY(!f.List1->isVisible());
    QCOMPARE(f.List1->count(), 0);
    QCOMPARE(f.LblNumFile->text(), QStringLiteral("0"));
    QVERIFY(f.Mnu_Cripta->menuAction()->isEnabled());

    // Enter presses Continua whichever control has the focus: here the folder view.
    f.Cmd_Decripta_Cartella->click();
    f.Dir1->ImpostaPath(radice);
    f.ChkSubFolders->setChecked(false);
    QVERIFY(QTest::qWaitForWindowActive(&f));
    f.Dir1->setFocus();
    QTest::keyClick(f.Dir1, Qt::Key_Return);
    QVERIFY(f.List1->isVisible());
    QCOMPARE(Voci(*f.List1), QStringList{"Foto.jpg.Sft.###"});
    QVERIFY(amb.piattaforma().messaggi.isEmpty());
}

// Nothing qualifies: the empty list, its count, and a second Continua that opens nothing.
void TestCartella::elencoVuoto() {
    prova::Ambiente amb;
    const QString radice = amb.windows(QStringLiteral("Vuota"));
    QDir().mkpath(radice);
    prova::Scrivi(radice + QStringLiteral("/uno.bin"), "x");
    Frm_Principale& f = Principale();
    Elenca(f, true, radice, true);
    QCOMPARE(f.List1->count(), 0);
    QCOMPARE(f.Lbl_File_Selected->text(), QStringLiteral("File selezionati: 0"));
    f.Cmd_Continua->click();
    QVERIFY(!finestre::SeCaricata<Frm_Password2>());
    QVERIFY(f.isVisible());
}

void TestCartella::cartellaNonValida() {
    prova::Ambiente amb;
    Frm_Principale& f = Principale();
    f.Cmd_Cripta_Cartella->click();
    f.Dir1->ImpostaPath(amb.windows(QStringLiteral("Sparita")));
    f.Cmd_Continua->click();
    QCOMPARE(amb.piattaforma().TestiMessaggi(),
             QStringList{"La cartella selezionata non è valida o è stata rimossa."});
    QCOMPARE(amb.piattaforma().messaggi[0].icona, Icona::Informazione);
    QVERIFY(f.Dir1->isVisible());
    QCOMPARE(f.Cmd_Continua_Tag, QStringLiteral("Visualizza file"));
}

// A tree encrypted with one entry deselected, then decrypted: byte for byte, statuses, the
// finished state and back to idle.
void TestCartella::criptaEDecripta() {
    prova::Ambiente amb;
    AlgoritmoCodifica = QStringLiteral("Sicuro");
    EliminaFileOrigine = true;
    const QString radice = amb.windows(QStringLiteral("Progetto"));
    QDir().mkpath(radice + QStringLiteral("/Lettere"));
    const QList<QPair<QString, QByteArray>> file = {
        {"a.txt", Contenuto},
        {"b.doc", "tenuto in chiaro"},
        {"Lettere/Marzo.doc", QByteArray(3000000, 'm')}};
    for (const auto& [nome, byte] : file)
        prova::Scrivi(radice + QLatin1Char('/') + nome, byte);
    Frm_Principale& f = Principale();
    auto& p = amb.piattaforma();

    Elenca(f, true, radice, true);
    f.List1->item(1)->setSelected(false);
    Frm_Password2& d = Continua(f);
    QCOMPARE(d.windowTitle(), QStringLiteral("Algoritmo Sicuro"));
    QCOMPARE(d.Lbl_NomeFile->text(), radice);
    QVERIFY(!f.isVisible());
    d.Txt_Password->setText(QStringLiteral("cartella"));
    d.Txt_Conferma->setText(QStringLiteral("cartella"));
    d.Cmd_OK->click();
    QVERIFY(p.messaggi.isEmpty());
    QVERIFY(!finestre::SeCaricata<Frm_Password2>());
    QVERIFY(!finestre::SeCaricata<Frm_Avanzamento>());
    QVERIFY(f.isVisible());
    QVERIFY(f.isEnabled());
    QVERIFY(!f.Cmd_Continua->isEnabled());
    QCOMPARE(f.Cmd_Annulla->text(), QStringLiteral("OK"));
    QCOMPARE(Voci(*f.List1),
             (QStringList{"a.txt   (Criptato)", "b.doc", "Lettere/Marzo.doc   (Criptato)"}));
    QVERIFY(f.List1->selectedItems().isEmpty());
    QVERIFY(!QFile::exists(amb.windows(QStringLiteral("Tmp.dl_"))));
    QVERIFY(QFile::exists(radice + QStringLiteral("/a.txt.Sft.###")));
    QVERIFY(QFile::exists(radice + QStringLiteral("/Lettere/Marzo.doc.Sft.###")));
    QVERIFY(!QFile::exists(radice + QStringLiteral("/a.txt")));
    QCOMPARE(prova::Leggi(radice + QStringLiteral("/b.doc")), QByteArray("tenuto in chiaro"));
    f.Cmd_Annulla->click();
    QVERIFY(f.Frame->isVisible());
    QVERIFY(f.Cmd_Continua->isEnabled());
    QCOMPARE(f.Cmd_Annulla->text(), QStringLiteral("Annulla"));

    Elenca(f, false, radice, true);
    QCOMPARE(Voci(*f.List1), (QStringList{"a.txt.Sft.###", "Lettere/Marzo.doc.Sft.###"}));
    Frm_Password2& d2 = Continua(f);
    QCOMPARE(d2.windowTitle(), QStringLiteral("Decripta cartella"));
    QVERIFY(f.List1_Tag.isEmpty());
    d2.Txt_Password->setText(QStringLiteral("cartella"));
    d2.Cmd_OK->click();
    QVERIFY(p.messaggi.isEmpty());
    QCOMPARE(Voci(*f.List1), (QStringList{"a.txt.Sft.###   (Decriptato)",
                                          "Lettere/Marzo.doc.Sft.###   (Decriptato)"}));
    for (const auto& [nome, byte] : file)
        QCOMPARE(prova::Leggi(radice + QLatin1Char('/') + nome), byte);
    QVERIFY(!QFile::exists(radice + QStringLiteral("/a.txt.Sft.###")));
}

void TestCartella::antiBruteForce_data() {
    QTest::addColumn<bool>("procedi");
    QTest::newRow("OK") << true;
    QTest::newRow("Annulla") << false;
}

// A deselected "f" entry still raises the tag; the question decides whether anything is done.
void TestCartella::antiBruteForce() {
    QFETCH(bool, procedi);
    prova::Ambiente amb;
    EliminaFileOrigine = true;
    CartellaWindows = amb.piattaforma().CartellaWindows();
    const QString radice = amb.windows(QStringLiteral("Misti"));
    QDir().mkpath(radice);
    prova::Scrivi(radice + QStringLiteral("/a.txt"), Contenuto);
    prova::Scrivi(radice + QStringLiteral("/z.txt"), Contenuto);
    CriptaCon(radice + QStringLiteral("/a.txt"), QStringLiteral("pw"), false);
    CriptaCon(radice + QStringLiteral("/z.txt"), QStringLiteral("pw"), true);
    Frm_Principale& f = Principale();
    auto& p = amb.piattaforma();

    Elenca(f, false, radice, false);
    QCOMPARE(Voci(*f.List1), (QStringList{"a.txt.Vft.###", "z.txt.Vff.###"}));
    f.List1->item(1)->setSelected(false);
    Frm_Password2& d = Continua(f);
    QCOMPARE(f.List1_Tag, QStringLiteral("WARNING"));
    d.Txt_Password->setText(QStringLiteral("pw"));
    p.Rispondi(procedi ? Risposta::OK : Risposta::Annulla);
    d.Cmd_OK_Click();
    QCOMPARE(p.messaggi.size(), 1);
    QCOMPARE(p.messaggi[0].testo,
             QStringLiteral("La cartella contiene file criptati con ANTI BRUTE FORCE. Questi file "
                            "andranno persi se la password non è corretta!\r\n\r\nScegliere OK "
                            "per procedere ugualmente, Annulla per annullare l'operazione."));
    QCOMPARE(p.messaggi[0].pulsanti, Pulsanti::OKAnnulla);
    QCOMPARE(p.messaggi[0].icona, Icona::Esclamazione);
    QCOMPARE(p.messaggi[0].predefinito, std::optional<Risposta>(Risposta::Annulla));
    QVERIFY(!finestre::SeCaricata<Frm_Password2>());
    QCOMPARE(f.Cmd_Annulla->text(), QStringLiteral("OK"));
    QVERIFY(!f.Cmd_Continua->isEnabled());
    QCOMPARE(QFile::exists(radice + QStringLiteral("/a.txt")), procedi);
    QVERIFY(!QFile::exists(radice + QStringLiteral("/z.txt")));
    if (procedi)
        QCOMPARE(prova::Leggi(radice + QStringLiteral("/a.txt")), Contenuto);
}

// Ten entries of which three are selected, all of another password: each is told and keeps its
// bytes, and the bar reaches the whole track at the last selected entry.
void TestCartella::passwordErrataEAvanzamento() {
    prova::Ambiente amb;
    EliminaFileOrigine = true;
    CartellaWindows = amb.piattaforma().CartellaWindows();
    const QString radice = amb.windows(QStringLiteral("Dieci"));
    QDir().mkpath(radice);
    for (int i = 0; i < 10; ++i) {
        const QString nome = radice + QStringLiteral("/f%1.txt").arg(i);
        prova::Scrivi(nome, Contenuto);
        CriptaCon(nome, QStringLiteral("altra"), false);
    }
    Frm_Principale& f = Principale();
    auto& p = amb.piattaforma();
    Elenca(f, false, radice, false);
    QCOMPARE(f.List1->count(), 10);
    f.List1->clearSelection();
    for (int i : {2, 5, 9})
        f.List1->item(i)->setSelected(true);
    QCOMPARE(f.Lbl_File_Selected->text(), QStringLiteral("File selezionati: 3"));
    Frm_Password2& d = Continua(f);
    QList<int> larghezze;
    for (int i = 0; i < 3; ++i)
        p.RispondiCon([&larghezze](const Messaggio&) {
            larghezze.append(finestre::Finestra<Frm_Avanzamento>().LarghezzaBarra());
            return Risposta::OK;
        });
    d.Txt_Password->setText(QStringLiteral("giusta"));
    d.Cmd_OK_Click();
    QCOMPARE(p.TestiMessaggi(), (QStringList{"Password non valida per f2.txt.Vft.###",
                                             "Password non valida per f5.txt.Vft.###",
                                             "Password non valida per f9.txt.Vft.###"}));
    QCOMPARE(p.messaggi[0].icona, Icona::Errore);
    QCOMPARE(larghezze, (QList<int>{1005, 2010, 3015}));
    QCOMPARE(f.List1->item(5)->text(), QStringLiteral("f5.txt.Vft.###   (Password non valida)"));
    QCOMPARE(f.List1->item(4)->text(), QStringLiteral("f4.txt.Vft.###"));
    for (int i = 0; i < 10; ++i)
        QVERIFY(!QFile::exists(radice + QStringLiteral("/f%1.txt").arg(i)));
}

void TestCartella::letteraSconosciuta() {
    prova::Ambiente amb;
    const QString radice = amb.windows(QStringLiteral("Strani"));
    QDir().mkpath(radice);
    prova::Scrivi(radice + QStringLiteral("/nota.txt.Xft.###"), Contenuto);
    Frm_Principale& f = Principale();
    Elenca(f, false, radice, false);
    Frm_Password2& d = Continua(f);
    d.Txt_Password->setText(QStringLiteral("pw"));
    d.Cmd_OK_Click();
    QVERIFY(amb.piattaforma().messaggi.isEmpty());
    QCOMPARE(Voci(*f.List1), QStringList{"nota.txt.Xft.###"});
    QVERIFY(f.List1->selectedItems().isEmpty());
    QCOMPARE(prova::Leggi(radice + QStringLiteral("/nota.txt.Xft.###")), Contenuto);
    QVERIFY(!QFile::exists(radice + QStringLiteral("/nota.txt")));
}

// A drop onto a folder button enters folder mode on the first dropped folder; files are not
// taken. The window grows to 4,215 twips and comes back to 2,610.
void TestCartella::trascinaCartella() {
    prova::Ambiente amb;
    const QString radice = amb.windows(QStringLiteral("Trascinata"));
    const QString nota = amb.windows(QStringLiteral("Nota.txt"));
    QDir().mkpath(radice);
    prova::Scrivi(radice + QStringLiteral("/a.txt"), Contenuto);
    prova::Scrivi(nota, Contenuto);
    Frm_Principale& f = Principale();
    QCOMPARE(f.height(), 2610 / 15);

    QVERIFY(!prova::Trascina(f.Cmd_Cripta_Cartella, {nota}, true));
    QCoreApplication::processEvents();
    QCOMPARE(f.Frame->title(), QStringLiteral("Rilasciare qui per criptare la cartella..."));
    QVERIFY(f.Frame->isVisible());

    QVERIFY(prova::Trascina(f.Cmd_Decripta_Cartella, {nota, radice}, true));
    QCOMPARE(f.Frame->title(), QStringLiteral("Rilasciare qui per Decriptare la cartella..."));
    QCoreApplication::processEvents();
    QVERIFY(!f.Frame->isVisible());
    QVERIFY(f.Dir1->isVisible());
    QCOMPARE(f.Dir1->Path(), radice);
    QCOMPARE(f.Cmd_Annulla_Tag, QStringLiteral("Decripta"));
    QCoreApplication::processEvents();
    QCOMPARE(f.height(), 4215 / 15);
    // The dropped folder is brought into sight once its parent has been read.
    QTRY_VERIFY(f.Dir1->viewport()->rect().contains(f.Dir1->visualRect(f.Dir1->currentIndex())));
    f.Cmd_Annulla->click();
    QCoreApplication::processEvents();
    QCOMPARE(f.height(), 2610 / 15);
}

// Past 32,767 entries the listing stops with its message and keeps what it listed.
void TestCartella::massimoVoci() {
    prova::Ambiente amb;
    const QString radice = amb.windows(QStringLiteral("Molti"));
    QDir().mkpath(radice + QStringLiteral("/Sotto"));
    for (int i = 0; i < 32760; ++i)
        prova::Scrivi(radice + QStringLiteral("/f%1").arg(i, 5, 10, QLatin1Char('0')), "ab");
    for (int i = 0; i < 10; ++i)
        prova::Scrivi(radice + QStringLiteral("/Sotto/s%1").arg(i), "ab");
    Frm_Principale& f = Principale();
    Elenca(f, true, radice, true);
    QCOMPARE(amb.piattaforma().TestiMessaggi(),
             QStringList{"Raggiunto il numero massimo di file. Solo quelli presenti nella lista "
                         "verranno codificati."});
    QCOMPARE(amb.piattaforma().messaggi[0].icona, Icona::Informazione);
    QCOMPARE(f.List1->count(), 32767);
    QCOMPARE(f.List1->item(32766)->text(), QStringLiteral("Sotto/s6"));
    QCOMPARE(f.Lbl_File_Selected->text(), QStringLiteral("File selezionati: 32767 (tutti)"));
    QVERIFY(finestre::SeCaricata<Frm_Password2>() == nullptr);
}

QTEST_MAIN(TestCartella)
#include "test_cartella.moc"
