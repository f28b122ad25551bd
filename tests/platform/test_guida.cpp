// The help file: its assembly from the pages at build time, its topics, the search, the help
// window and the platform's help call.

#include "platform/FinestraGuida.h"
#include "platform/Guida.h"
#include "platform/PiattaformaQt.h"
#include "tests/supporto/Ambiente.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using namespace klavo;

namespace {

QString GuidaDelProgramma() {
    return QStringLiteral(KLAVO_CARTELLA_PROGRAMMA "/VLHLP.hlp");
}

struct Esito {
    int codice;
    QByteArray errori;
};

// Runs the build's assembly step on a folder of pages.
Esito Assembla(const QString& pagine, const QString& guida) {
    QProcess cmake;
    cmake.start(QStringLiteral(KLAVO_CMAKE),
                {QStringLiteral("-DPAGINE=") + pagine, QStringLiteral("-DGUIDA=") + guida,
                 QStringLiteral("-P"), QStringLiteral(KLAVO_SCRIPT_GUIDA)});
    if (!cmake.waitForFinished(60000))
        return {-1, "cmake non terminato"};
    return {cmake.exitStatus() == QProcess::NormalExit ? cmake.exitCode() : -1,
            cmake.readAllStandardError()};
}

QStringList Titoli(const QList<guida::Argomento>& argomenti) {
    QStringList titoli;
    for (const guida::Argomento& a : argomenti)
        titoli.append(a.titolo);
    return titoli;
}

QStringList Voci(const QListWidget* lista) {
    QStringList voci;
    for (int i = 0; i < lista->count(); ++i)
        voci.append(lista->item(i)->text());
    return voci;
}

} // namespace

class TestGuida : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void argomenti();
    void corrisponde_data();
    void corrisponde();
    void assemblaggio();
    void pagineErrate_data();
    void pagineErrate();
    void guidaDelProgramma();
    void finestra();
    void finestraSenzaGuida();
    void chiamataDellaPiattaforma();
};

void TestGuida::argomenti() {
    const QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"it\">\n<head></head>\n"
                                        "<body>\n<h1>Primo &amp; unico</h1>\n"
                                        "<p>Testo <b>in</b> grassetto &laquo;x&raquo; &#232;</p>\n"
                                        "<h1>Secondo</h1>\r\n<p>Altro</p>\n</body>\n"
                                        "<h1>Fuori</h1>\n</html>\n");
    const QList<guida::Argomento> a = guida::LeggiArgomenti(html);
    QCOMPARE(Titoli(a), (QStringList{QStringLiteral("Primo & unico"), QStringLiteral("Secondo")}));
    QCOMPARE(a[0].testo, QStringLiteral("Testo in grassetto «x» è"));
    QCOMPARE(a[0].html, QStringLiteral("<h1>Primo &amp; unico</h1>\n<p>Testo <b>in</b> grassetto "
                                       "&laquo;x&raquo; &#232;</p>"));
    QCOMPARE(a[1].html, QStringLiteral("<h1>Secondo</h1>\n<p>Altro</p>"));
}

void TestGuida::corrisponde_data() {
    QTest::addColumn<QString>("ricerca");
    QTest::addColumn<bool>("trovato");
    QTest::newRow("vuota") << "" << true;
    QTest::newRow("spazi") << "   " << true;
    QTest::newRow("nel titolo") << "drive" << true;
    QTest::newRow("maiuscole") << "MONTAGGIO" << true;
    QTest::newRow("senza accento") << "perche" << true;
    QTest::newRow("con accento") << "città" << true;
    QTest::newRow("due parole") << "punto montaggio" << true;
    QTest::newRow("una parola manca") << "punto archivio" << false;
    QTest::newRow("parte di parola") << "monta" << true;
    QTest::newRow("assente") << "stampante" << false;
}

void TestGuida::corrisponde() {
    QFETCH(QString, ricerca);
    QFETCH(bool, trovato);
    const guida::Argomento a{QStringLiteral("Drive virtuali"), QString(),
                             QStringLiteral("Il punto di montaggio, perché la citta è lontana.")};
    QCOMPARE(guida::Corrisponde(a, ricerca), trovato);
}

// The pages in the order of their names, line ends made LF, blank lines at their end dropped.
void TestGuida::assemblaggio() {
    QTemporaryDir cartella;
    const QString pagine = cartella.filePath(QStringLiteral("pagine"));
    QVERIFY(QDir().mkpath(pagine));
    prova::Scrivi(pagine + QStringLiteral("/20_secondo.html"),
                  "<h1>Secondo</h1>\r\n<p>Due; tre \\ quattro</p>\r\n\r\n");
    prova::Scrivi(pagine + QStringLiteral("/10_primo.html"), "<h1>Primo</h1>\n<p>Uno</p>");
    prova::Scrivi(pagine + QStringLiteral("/LEGGIMI.txt"), "non una pagina");
    const QString guida = cartella.filePath(QStringLiteral("VLHLP.hlp"));
    const Esito esito = Assembla(pagine, guida);
    QCOMPARE(esito.codice, 0);
    QCOMPARE(prova::Leggi(guida),
             QByteArray("<!DOCTYPE html>\n<html lang=\"it\">\n"
                        "<head><meta charset=\"utf-8\"><title>Guida di Klavo</title></head>\n"
                        "<body>\n"
                        "<h1>Primo</h1>\n<p>Uno</p>\n"
                        "<h1>Secondo</h1>\n<p>Due; tre \\ quattro</p>\n"
                        "</body>\n</html>\n"));
    QCOMPARE(Titoli(*guida::ApriGuida(guida)),
             (QStringList{QStringLiteral("Primo"), QStringLiteral("Secondo")}));
}

void TestGuida::pagineErrate_data() {
    QTest::addColumn<QByteArray>("pagina");
    QTest::newRow("senza titolo") << QByteArray("<p>Testo</p>\n");
    QTest::newRow("titolo non in prima riga") << QByteArray("\n<h1>Titolo</h1>\n");
    QTest::newRow("titolo con markup") << QByteArray("<h1>Titolo <b>forte</b></h1>\n");
    QTest::newRow("secondo titolo") << QByteArray("<h1>Uno</h1>\n<p>x</p>\n<h1>Due</h1>\n");
    QTest::newRow("fine del corpo") << QByteArray("<h1>Uno</h1>\n</body>\n<p>x</p>\n");
}

void TestGuida::pagineErrate() {
    QFETCH(QByteArray, pagina);
    QTemporaryDir cartella;
    prova::Scrivi(cartella.filePath(QStringLiteral("10_buona.html")), "<h1>Buona</h1>\n");
    prova::Scrivi(cartella.filePath(QStringLiteral("20_errata.html")), pagina);
    const QString guida = cartella.filePath(QStringLiteral("VLHLP.hlp"));
    const Esito esito = Assembla(cartella.path(), guida);
    QVERIFY(esito.codice != 0);
    QVERIFY2(esito.errori.contains("20_errata.html"), esito.errori.constData());
    QVERIFY(!QFile::exists(guida));
}

// Every page of resources/guida is a topic of the built help file, in the order of the names.
void TestGuida::guidaDelProgramma() {
    const QDir pagine(QStringLiteral(KLAVO_PAGINE_GUIDA));
    QStringList attesi;
    for (const QString& nome :
         pagine.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
        const QByteArray prima = prova::Leggi(pagine.filePath(nome)).split('\n').front().trimmed();
        attesi.append(QString::fromUtf8(prima.mid(4, prima.size() - 9)));
    }
    const std::optional<QList<guida::Argomento>> argomenti = guida::ApriGuida(GuidaDelProgramma());
    QVERIFY(argomenti);
    QCOMPARE(Titoli(*argomenti), attesi);
    for (const QString& titolo :
         {QStringLiteral("Avvio e password di avvio"), QStringLiteral("Accessi non autorizzati"),
          QStringLiteral("La finestra principale"), QStringLiteral("Opzioni"),
          QStringLiteral("Drive virtuali criptati")})
        QVERIFY2(attesi.contains(titolo), qPrintable(titolo));
}

void TestGuida::finestra() {
    FinestraGuida f;
    QVERIFY(f.Apri(GuidaDelProgramma()));
    const QStringList tutti = Voci(f.Lst_Argomenti);
    QCOMPARE(tutti, Titoli(*guida::ApriGuida(GuidaDelProgramma())));
    QCOMPARE(f.Lst_Argomenti->currentRow(), 0);

    QTest::keyClicks(f.Txt_Cerca, QStringLiteral("punto di montaggio"));
    QCOMPARE(Voci(f.Lst_Argomenti), QStringList{QStringLiteral("Drive virtuali criptati")});
    QVERIFY(f.Pagina->toPlainText().contains(QStringLiteral("/d E /q")));
    QVERIFY(!f.Pagina->extraSelections().isEmpty());
    QCOMPARE(f.Lbl_Trovati->text(), QStringLiteral("Argomenti trovati: 1"));

    f.Txt_Cerca->setText(QStringLiteral("nessunaparolacosì"));
    QCOMPARE(f.Lst_Argomenti->count(), 0);
    QVERIFY(f.Pagina->toPlainText().contains(QStringLiteral("Nessun argomento")));

    f.Txt_Cerca->clear();
    QCOMPARE(Voci(f.Lst_Argomenti), tutti);
    f.Lst_Argomenti->setCurrentRow(1);
    QVERIFY(f.Pagina->toPlainText().startsWith(tutti[1]));
}

void TestGuida::finestraSenzaGuida() {
    QTemporaryDir cartella;
    FinestraGuida f;
    QVERIFY(!f.Apri(cartella.filePath(QStringLiteral("VLHLP.hlp"))));
    QCOMPARE(f.Lst_Argomenti->count(), 0);
    QVERIFY(f.Pagina->toPlainText().contains(QStringLiteral("non è disponibile")));
    // A file that holds no topic is no help file either.
    prova::Scrivi(cartella.filePath(QStringLiteral("vuota.hlp")), "<html><body></body></html>");
    QVERIFY(!f.Apri(cartella.filePath(QStringLiteral("vuota.hlp"))));
}

void TestGuida::chiamataDellaPiattaforma() {
    PiattaformaQt piattaforma;
    piattaforma.MostraGuida(GuidaDelProgramma());
    FinestraGuida* aperta = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* g = qobject_cast<FinestraGuida*>(w))
            aperta = g;
    }
    QVERIFY(aperta);
    QVERIFY(aperta->isVisible());
    QVERIFY(aperta->Lst_Argomenti->count() > 0);
    // Asked again, the same window opens on the file again.
    aperta->Txt_Cerca->setText(QStringLiteral("drive"));
    piattaforma.MostraGuida(GuidaDelProgramma());
    int finestre = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        finestre += qobject_cast<FinestraGuida*>(w) != nullptr;
    QCOMPARE(finestre, 1);
    QCOMPARE(aperta->Txt_Cerca->text(), QString());
    aperta->close();
}

QTEST_MAIN(TestGuida)
#include "test_guida.moc"
