// The TrueCrypt lines and presence check, the items of the "Drive Virtuale Criptato" menu and
// the notification-area window with its menu.

#include "drives/FrmTaskbar.h"
#include "drives/TrueCrypt.h"
#include "platform/RigaComando.h"
#include "shell/Frm_Password.h"
#include "shell/Frm_Principale.h"
#include "shell/common/Finestre.h"
#include "shell/common/Globali.h"
#include "tests/supporto/Ambiente.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QStorageInfo>
#include <QTest>

using namespace klavo;

namespace {

void MettiFile(prova::Ambiente& amb, const QString& nome, qint64 lunghezza) {
    QDir().mkpath(amb.programma(QStringLiteral("tc")));
    QFile f(amb.programma(QStringLiteral("tc/") + nome));
    QVERIFY(f.open(QIODevice::WriteOnly));
    QVERIFY(f.resize(lunghezza));
}

void MettiTrueCrypt(prova::Ambiente& amb) {
    MettiFile(amb, QStringLiteral("TrueCrypt.exe"), truecrypt::LunghezzaTrueCrypt);
}

Frm_Principale& Avvia() {
    finestre::Finestra<Frm_Password>().Avvia();
    return *finestre::SeCaricata<Frm_Principale>();
}

// The program as a container opened from the shell with the tray option leaves it; null when it
// is not in the notification area.
Frm_Principale* AvviaInTraybar(prova::Ambiente& amb) {
    MettiTrueCrypt(amb);
    prova::Scrivi(amb.programma(QStringLiteral("drv.dll")), "Option1\r\n");
    const QString contenitore = amb.windows(QStringLiteral("drive.kevd"));
    prova::Scrivi(contenitore, "x");
    amb.piattaforma().rigaComando = QStringLiteral("/o ") + contenitore;
    Frm_Principale& f = Avvia();
    if (!QTest::qWaitFor([&] { return f.RigaComando.isEmpty(); }, 2000) ||
        !finestre::SeCaricata<FrmTaskbar>())
        return nullptr;
    amb.piattaforma().fileAperti.clear();
    return &f;
}

QString Parametri(prova::Ambiente& amb) {
    auto& aperti = amb.piattaforma().fileAperti;
    if (aperti.size() != 1 || aperti[0].file != amb.programma(QStringLiteral("tc/TrueCrypt.exe")) ||
        !aperti[0].cartella.isEmpty())
        return QStringLiteral("<nessun avvio valido>");
    return aperti[0].parametri;
}

} // namespace

class TestDrive : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void righe();
    void virgolette_data();
    void virgolette();
    void driveDiCartella();
    void presenza_data();
    void presenza();
    void presenzaCreazione();
    void voceSenzaTrueCrypt_data();
    void voceSenzaTrueCrypt();
    void apri();
    void chiudi();
    void chiudiCartellaSparita();
    void chiudiTuttiEAvvia();
    void iconaNotifica();
    void doppioClic();
    void tastoDestro();
    void menuTraybar();
    void esci();
};

void TestDrive::righe() {
    QCOMPARE(truecrypt::ParametriApertura(QStringLiteral("/home/io/Drive criptato.kevd")),
             QStringLiteral("/v \"/home/io/Drive criptato.kevd\" /a /q /e"));
    QCOMPARE(truecrypt::ParametriApertura(QStringLiteral("/home/io/a.kevd"), true),
             QStringLiteral("/v \"/home/io/a.kevd\" /a /e"));
    QCOMPARE(truecrypt::ParametriChiusura(QStringLiteral("E")), QStringLiteral("/d E /q"));
    QCOMPARE(truecrypt::ParametriChiusuraTutti, QStringLiteral("/d /q"));
}

// Whatever the path, the program reads back the very path from the line.
void TestDrive::virgolette_data() {
    QTest::addColumn<QString>("percorso");
    QTest::newRow("semplice") << "/media/io/Drive";
    QTest::newRow("spazi") << "/media/io/Il mio drive";
    QTest::newRow("virgolette") << "/media/io/il \"mio\" drive.kevd";
    QTest::newRow("barra finale") << "C:\\Drive\\";
    QTest::newRow("barre e virgolette") << "a\\\\\"b";
}

void TestDrive::virgolette() {
    QFETCH(QString, percorso);
    const QStringList parti = DividiRigaComando(QStringLiteral("TrueCrypt.exe ") +
                                                truecrypt::ParametriApertura(percorso));
    QCOMPARE(parti,
             (QStringList{QStringLiteral("TrueCrypt.exe"), QStringLiteral("/v"), percorso,
                          QStringLiteral("/a"), QStringLiteral("/q"), QStringLiteral("/e")}));
}

void TestDrive::driveDiCartella() {
    QCOMPARE(truecrypt::DriveDiCartella(QStringLiteral("E:\\Documenti")), QStringLiteral("E"));
    QCOMPARE(truecrypt::DriveDiCartella(QStringLiteral("e:\\")), QStringLiteral("e"));
    QTemporaryDir cartella;
    const QString punto = QStorageInfo(cartella.path()).rootPath();
    QCOMPARE(truecrypt::DriveDiCartella(cartella.path()), punto);
    // A mount point with a blank stays one argument.
    QCOMPARE(
        truecrypt::ParametriChiusura(truecrypt::TraVirgolette(QStringLiteral("/media/io/A B"))),
        QStringLiteral("/d \"/media/io/A B\" /q"));
}

void TestDrive::presenza_data() {
    QTest::addColumn<qint64>("lunghezza");
    QTest::addColumn<bool>("presente");
    QTest::newRow("giusta") << qint64(606720) << true;
    QTest::newRow("mancante") << qint64(-1) << false;
    QTest::newRow("un byte in meno") << qint64(606719) << false;
    QTest::newRow("un byte in più") << qint64(606721) << false;
    QTest::newRow("vuoto") << qint64(0) << false;
}

void TestDrive::presenza() {
    QFETCH(qint64, lunghezza);
    QFETCH(bool, presente);
    prova::Ambiente amb;
    if (lunghezza >= 0)
        MettiFile(amb, QStringLiteral("TrueCrypt.exe"), lunghezza);
    QCOMPARE(truecrypt::Presente(), presente);
}

void TestDrive::presenzaCreazione() {
    prova::Ambiente amb;
    // A folder with the program's name is not the program.
    QVERIFY(QDir().mkpath(amb.programma(QStringLiteral("tc/TrueCrypt.exe"))));
    QVERIFY(!truecrypt::Presente());
    MettiFile(amb, QStringLiteral("TrueCrypt Format.exe"), 736768);
    QVERIFY(!truecrypt::Presente(truecrypt::Uso::Creazione));
    MettiFile(amb, QStringLiteral("KlavoFormat.exe"), 44630);
    QVERIFY(!truecrypt::Presente(truecrypt::Uso::Creazione));
    MettiFile(amb, QStringLiteral("KlavoFormat.exe"), 44631);
    QVERIFY(truecrypt::Presente(truecrypt::Uso::Creazione));
}

void TestDrive::voceSenzaTrueCrypt_data() {
    QTest::addColumn<QString>("voce");
    QTest::newRow("Apri") << "MnuApriDrive";
    QTest::newRow("Chiudi") << "MnuChiudiDrive";
    QTest::newRow("Chiudi tutti") << "MnuChiudiTutti";
    QTest::newRow("Avvia") << "MnuAvviaTC";
}

void TestDrive::voceSenzaTrueCrypt() {
    QFETCH(QString, voce);
    prova::Ambiente amb;
    auto& p = amb.piattaforma();
    MettiFile(amb, QStringLiteral("TrueCrypt.exe"), 1000);
    Frm_Principale& f = Avvia();
    f.findChild<QAction*>(voce)->trigger();
    QCOMPARE(p.TestiMessaggi(), QStringList{QStringLiteral("File richiesto mancante")});
    QCOMPARE(p.messaggi[0].icona, Icona::Esclamazione);
    QCOMPARE(p.messaggi[0].titolo, QStringLiteral("Klavo"));
    QVERIFY(p.richiesteFile.isEmpty());
    QVERIFY(p.richiesteCartella.isEmpty());
    QVERIFY(p.fileAperti.isEmpty());
    QVERIFY(!p.Terminato());
}

void TestDrive::apri() {
    prova::Ambiente amb;
    auto& p = amb.piattaforma();
    MettiTrueCrypt(amb);
    Frm_Principale& f = Avvia();
    f.MnuApriDrive->trigger();
    QCOMPARE(p.richiesteFile.size(), 1);
    QCOMPARE(p.richiesteFile[0].tipo, RichiestaFile::Tipo::Apri);
    QCOMPARE(p.richiesteFile[0].filtro, QStringLiteral("Drive virtuale criptato (*.kevd)"));
    QVERIFY(p.fileAperti.isEmpty());

    p.RispondiFile(QStringLiteral("/home/io/Drive personale.kevd"));
    f.MnuApriDrive->trigger();
    QCOMPARE(Parametri(amb), QStringLiteral("/v \"/home/io/Drive personale.kevd\" /a /q /e"));
    QVERIFY(p.messaggi.isEmpty());
}

void TestDrive::chiudi() {
    prova::Ambiente amb;
    auto& p = amb.piattaforma();
    MettiTrueCrypt(amb);
    Frm_Principale& f = Avvia();
    f.MnuChiudiDrive->trigger();
    QCOMPARE(p.richiesteCartella,
             QStringList{QStringLiteral("Selezionare il Drive Virtuale Criptato da chiudere:")});
    QVERIFY(p.fileAperti.isEmpty());

    const QString cartella = amb.windows(QStringLiteral("Documenti"));
    QVERIFY(QDir().mkpath(cartella));
    p.RispondiCartella(cartella);
    f.MnuChiudiDrive->trigger();
    QString punto = QStorageInfo(cartella).rootPath();
    if (punto.contains(QLatin1Char(' ')))
        punto = QLatin1Char('"') + punto + QLatin1Char('"');
    QCOMPARE(Parametri(amb), QStringLiteral("/d ") + punto + QStringLiteral(" /q"));
}

void TestDrive::chiudiCartellaSparita() {
    prova::Ambiente amb;
    auto& p = amb.piattaforma();
    MettiTrueCrypt(amb);
    Frm_Principale& f = Avvia();
    p.RispondiCartella(amb.windows(QStringLiteral("non esiste")));
    f.MnuChiudiDrive->trigger();
    // A file is not a folder either.
    prova::Scrivi(amb.windows(QStringLiteral("file")), "x");
    p.RispondiCartella(amb.windows(QStringLiteral("file")));
    f.MnuChiudiDrive->trigger();
    QVERIFY(p.fileAperti.isEmpty());
    QVERIFY(p.messaggi.isEmpty());
}

void TestDrive::chiudiTuttiEAvvia() {
    prova::Ambiente amb;
    MettiTrueCrypt(amb);
    Frm_Principale& f = Avvia();
    f.MnuChiudiTutti->trigger();
    QCOMPARE(Parametri(amb), QStringLiteral("/d /q"));
    amb.piattaforma().fileAperti.clear();
    f.MnuAvviaTC->trigger();
    QCOMPARE(Parametri(amb), QString());
}

void TestDrive::iconaNotifica() {
    prova::Ambiente amb;
    Frm_Principale* principale = AvviaInTraybar(amb);
    QVERIFY(principale);
    Frm_Principale& f = *principale;
    auto& p = amb.piattaforma();
    FrmTaskbar* t = finestre::SeCaricata<FrmTaskbar>();
    QVERIFY(t);
    QVERIFY(!t->isVisible());
    QVERIFY(!f.isVisible());
    QCOMPARE(t->windowTitle(), QStringLiteral("Klavo"));
    QCOMPARE(p.iconeNotifica.size(), 1);
    QCOMPARE(p.iconeNotifica[0].finestra, t);
    QCOMPARE(p.iconeNotifica[0].suggerimento, QStringLiteral(" Klavo"));
    // Mouse moves and other buttons do nothing.
    for (int messaggio : {512, 513, 514, 517, 518})
        p.EventoIconaNotifica(messaggio);
    QCOMPARE(finestre::SeCaricata<FrmTaskbar>(), t);
    QVERIFY(!t->Nuovo->isVisible());
    QVERIFY(!f.isVisible());
}

void TestDrive::doppioClic() {
    prova::Ambiente amb;
    Frm_Principale* principale = AvviaInTraybar(amb);
    QVERIFY(principale);
    Frm_Principale& f = *principale;
    auto& p = amb.piattaforma();
    p.EventoIconaNotifica(FrmTaskbar::DoppioClic);
    QVERIFY(f.isVisible());
    QVERIFY(!f.isMinimized());
    QVERIFY(p.iconeNotifica.isEmpty());
    QVERIFY(!finestre::SeCaricata<FrmTaskbar>());
    QVERIFY(!p.Terminato());
}

void TestDrive::tastoDestro() {
    prova::Ambiente amb;
    QVERIFY(AvviaInTraybar(amb));
    auto& p = amb.piattaforma();
    FrmTaskbar& t = *finestre::SeCaricata<FrmTaskbar>();
    p.EventoIconaNotifica(FrmTaskbar::TastoDestro);
    QVERIFY(QTest::qWaitForWindowExposed(t.Nuovo));
    QCOMPARE(t.Nuovo->defaultAction(), t.MnuKlavo);
    QStringList voci;
    for (const QAction* a : t.Nuovo->actions())
        voci.append(a->isSeparator() ? QStringLiteral("-")
                                     : a->objectName() + QLatin1Char('=') + a->text());
    QCOMPARE(voci, (QStringList{QStringLiteral("MnuKlavo= < Klavo >"), QStringLiteral("-"),
                                QStringLiteral("MnuChiudi=Chiudi..."),
                                QStringLiteral("MnuChiudiTutti=Chiudi tutti i Drive aperti"),
                                QStringLiteral("MnuAnnulla=Annulla"), QStringLiteral("-"),
                                QStringLiteral("MnuEsci=Esci")}));
    QVERIFY(t.MnuKlavo->font().bold());
    t.Nuovo->close();
}

// The tray items start TrueCrypt without checking it; "Annulla" does nothing.
void TestDrive::menuTraybar() {
    prova::Ambiente amb;
    Frm_Principale* principale = AvviaInTraybar(amb);
    QVERIFY(principale);
    Frm_Principale& f = *principale;
    auto& p = amb.piattaforma();
    QFile::remove(amb.programma(QStringLiteral("tc/TrueCrypt.exe")));
    FrmTaskbar& t = *finestre::SeCaricata<FrmTaskbar>();

    t.MnuAnnulla->trigger();
    QVERIFY(p.fileAperti.isEmpty());
    t.MnuChiudiTutti->trigger();
    QCOMPARE(Parametri(amb), QStringLiteral("/d /q"));
    p.fileAperti.clear();

    const QString cartella = amb.windows(QStringLiteral("Drive"));
    QVERIFY(QDir().mkpath(cartella));
    p.RispondiCartella(cartella);
    t.MnuChiudi->trigger();
    QVERIFY(Parametri(amb).startsWith(QStringLiteral("/d /")));
    QVERIFY(p.messaggi.isEmpty());
    QCOMPARE(finestre::SeCaricata<FrmTaskbar>(), &t);
    QVERIFY(!f.isVisible());

    t.MnuKlavo->trigger();
    QVERIFY(f.isVisible());
    QVERIFY(p.iconeNotifica.isEmpty());
}

void TestDrive::esci() {
    prova::Ambiente amb;
    QVERIFY(AvviaInTraybar(amb));
    auto& p = amb.piattaforma();
    SalvaOpzioniUscita = false;
    finestre::SeCaricata<FrmTaskbar>()->MnuEsci->trigger();
    QVERIFY(!finestre::SeCaricata<Frm_Principale>());
    QVERIFY(!finestre::SeCaricata<FrmTaskbar>());
    QVERIFY(p.iconeNotifica.isEmpty());
    QVERIFY(p.Terminato());
}

QTEST_MAIN(TestDrive)
#include "test_drive.moc"
