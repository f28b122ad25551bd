// The generator window for real, headless: its controls as it opens, the two modes with their
// messages and questions, the list, copy, save byte for byte and help.

#include "generator/Frm_Crea_Password.h"
#include "shell/common/Finestre.h"
#include "tests/supporto/Ambiente.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace klavo;
using generatore::Quote;

namespace {

const QString DomandaLunghe = QStringLiteral(
    "Le Password molto lunghe possono essere dimenticate facilmente!\r\nContinuare?");
const QString MassimoMinore =
    QStringLiteral("La lunghezza massima non può essere minore di quella minima!");

Frm_Crea_Password& Apri() {
    auto& f = finestre::Finestra<Frm_Crea_Password>();
    f.show();
    return f;
}

void Scegli(const std::array<QComboBox*, 4>& liste, const Quote& quote) {
    for (std::size_t i = 0; i < liste.size(); ++i)
        liste[i]->setCurrentIndex(quote[i]);
}

// The window in the exact mode with these counts and number of passwords.
Frm_Crea_Password& Esatta(const Quote& quote, int numero = 1) {
    auto& f = Apri();
    f.OptEsatta->click();
    Scegli(f.Combo1, quote);
    f.Cmb_Num->setCurrentIndex(numero - 1);
    return f;
}

Frm_Crea_Password& Almeno(const Quote& quote, const QString& massimo, int numero = 1) {
    auto& f = Apri();
    f.OptAlmeno->click();
    Scegli(f.Combo2, quote);
    f.TxtLungMax->setText(massimo);
    f.Cmb_Num2->setCurrentIndex(numero - 1);
    return f;
}

QStringList Lista(const Frm_Crea_Password& f) {
    QStringList l;
    for (int i = 0; i < f.List_Psw->count(); ++i)
        l.append(f.List_Psw->item(i)->text());
    return l;
}

void MettiLista(Frm_Crea_Password& f, const QStringList& password) {
    f.List_Psw->clear();
    f.List_Psw->addItems(password);
}

int Conta(const QString& p, char da, char a) {
    int n = 0;
    for (const QChar c : p)
        n += c >= QLatin1Char(da) && c <= QLatin1Char(a);
    return n;
}

bool Speciale(QChar c) {
    return c.unicode() >= 33 && c.unicode() <= 47;
}

QColor Colore(const QWidget* w, QPalette::ColorRole ruolo) {
    return w->palette().color(ruolo);
}

} // namespace

class TestFrmCreaPassword : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void apertura();
    void unaSolaFinestra();
    void modi();
    void totaleEMinimo();
    void esattaConteggi();
    void esattaTotali();
    void almenoControlli_data();
    void almenoControlli();
    void almenoSpecialiPoiLettereECifre();
    void duecentoDaOttanta();
    void etichettaConEcommerciale();
    void doppioClic();
    void copia();
    void salvaByte();
    void salvaSovrascrittura();
    void salvaErrore();
    void guida();
    void focusDelleLunghezze();
};

void TestFrmCreaPassword::apertura() {
    prova::Ambiente amb;
    auto& f = Apri();
    QCOMPARE(f.windowTitle(), QStringLiteral("KLAVO - Generatore random"));
    QVERIFY(!f.OptEsatta->isChecked());
    QVERIFY(!f.OptAlmeno->isChecked());
    QCOMPARE(f.OptEsatta->text(), QStringLiteral("La password deve contenere esattamente..."));
    QCOMPARE(f.OptAlmeno->text(), QStringLiteral("La password deve contenere almeno..."));
    QCOMPARE(f.OptEsatta->nextInFocusChain(), f.OptAlmeno);
    QStringList zeroVenti, unoDuecento;
    for (int i = 0; i <= 20; ++i)
        zeroVenti.append(QString::number(i));
    for (int i = 1; i <= 200; ++i)
        unoDuecento.append(QString::number(i));
    const QStringList suggerimenti{"Lettere minuscole", "Lettere maiuscole", "Numeri",
                                   "Caratteri speciali"};
    for (std::size_t i = 0; i < 4; ++i) {
        for (QComboBox* c : {f.Combo1[i], f.Combo2[i]}) {
            QStringList voci;
            for (int v = 0; v < c->count(); ++v)
                voci.append(c->itemText(v));
            QCOMPARE(voci, zeroVenti);
            QCOMPARE(c->currentText(), QStringLiteral("0"));
            QVERIFY(!c->isEditable());
            QVERIFY(!c->isEnabled());
            QCOMPARE(c->toolTip(), suggerimenti[static_cast<qsizetype>(i)]);
        }
    }
    QCOMPARE(f.findChild<QComboBox*>(QStringLiteral("Combo1(3)")), f.Combo1[3]);
    for (QComboBox* c : {f.Cmb_Num, f.Cmb_Num2}) {
        QStringList voci;
        for (int v = 0; v < c->count(); ++v)
            voci.append(c->itemText(v));
        QCOMPARE(voci, unoDuecento);
        QCOMPARE(c->currentText(), QStringLiteral("1"));
        QVERIFY(!c->isEnabled());
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{f.TxtLungMin, f.TxtLungMax, f.Cmd_Crea, f.Cmd_Crea2})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QCOMPARE(f.Lbl_TOT->text(), QStringLiteral("0"));
    QCOMPARE(f.TxtLungMin->text(), QStringLiteral("0"));
    QCOMPARE(f.TxtLungMax->text(), QStringLiteral("0"));
    QVERIFY(f.TxtLungMin->isReadOnly());
    QCOMPARE(f.TxtLungMin->toolTip(), QStringLiteral("Lunghezza minima"));
    QCOMPARE(f.TxtLungMax->toolTip(), QStringLiteral("Lunghezza massima"));
    QCOMPARE(f.List_Psw->count(), 0);
    QCOMPARE(f.List_Psw->toolTip(),
             QStringLiteral(" Doppio clic per visualizzare la password in un messaggio "));
    QCOMPARE(f.Lbl_BigPsw->text(), QString());
    QCOMPARE(f.Lbl_BigPsw->toolTip(), QStringLiteral("Password selezionata"));
    QCOMPARE(f.Lbl_BigPsw->font().pointSize(), 12);
    QCOMPARE(Colore(f.Lbl_BigPsw, QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(f.Cmd_Copia->text(), QStringLiteral("Copia"));
    QCOMPARE(f.Cmd_Copia->toolTip(), QStringLiteral("Copia la Password selezionata negli appunti"));
    QCOMPARE(f.Cmd_Salva->text(), QStringLiteral("Salva"));
    QCOMPARE(f.Cmd_Salva->toolTip(), QStringLiteral("Salva le Password su disco"));
    QCOMPARE(f.Cmd_Help->text(), QStringLiteral("?"));
    QCOMPARE(f.Cmd_Help->toolTip(), QStringLiteral("Apre la guida in linea"));
    QCOMPARE(f.Cmd_Crea->text(), QStringLiteral("Crea"));
    QCOMPARE(f.Cmd_Crea2->text(), QStringLiteral("Crea"));
    QVERIFY(amb.piattaforma().messaggi.isEmpty());
}

void TestFrmCreaPassword::unaSolaFinestra() {
    prova::Ambiente amb;
    auto& f = Esatta({3, 0, 0, 0});
    f.Cmd_Crea->click();
    QCOMPARE(&Apri(), &f);
    QCOMPARE(f.List_Psw->count(), 1);
    // Closed, it unloads: the next opening is a new window with no mode chosen and no list.
    QPointer<Frm_Crea_Password> chiusa(&f);
    f.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(chiusa.isNull());
    auto& nuova = Apri();
    QCOMPARE(nuova.List_Psw->count(), 0);
    QVERIFY(!nuova.Cmd_Crea->isEnabled());
}

void TestFrmCreaPassword::modi() {
    prova::Ambiente amb;
    auto& f = Apri();
    const QList<QWidget*> esatta{f.Combo1[0], f.Combo1[1], f.Combo1[2],
                                 f.Combo1[3], f.Cmb_Num,   f.Cmd_Crea};
    const QList<QWidget*> almeno{f.Combo2[0],  f.Combo2[1],  f.Combo2[2], f.Combo2[3],
                                 f.TxtLungMin, f.TxtLungMax, f.Cmb_Num2,  f.Cmd_Crea2};
    f.OptEsatta->click();
    for (QWidget* w : esatta)
        QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    for (QWidget* w : almeno)
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QCOMPARE(f.focusWidget(), f.Cmd_Crea);
    f.OptAlmeno->click();
    QVERIFY(!f.OptEsatta->isChecked());
    for (QWidget* w : esatta)
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    for (QWidget* w : almeno)
        QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    QCOMPARE(f.focusWidget(), f.Cmd_Crea2);
    f.OptEsatta->click();
    QVERIFY(f.Cmd_Crea->isEnabled());
    QVERIFY(!f.Cmd_Crea2->isEnabled());
}

void TestFrmCreaPassword::totaleEMinimo() {
    prova::Ambiente amb;
    auto& f = Esatta({2, 0, 3, 1});
    QCOMPARE(f.Lbl_TOT->text(), QStringLiteral("6"));
    Scegli(f.Combo1, {20, 0, 0, 0});
    QCOMPARE(f.Lbl_TOT->text(), QStringLiteral("20"));
    QCOMPARE(Colore(f.Lbl_TOT, QPalette::WindowText), QColor(Qt::blue));
    f.Combo1[3]->setCurrentIndex(1);
    QCOMPARE(f.Lbl_TOT->text(), QStringLiteral("21"));
    QCOMPARE(Colore(f.Lbl_TOT, QPalette::WindowText), QColor(Qt::red));
    f.Combo1[0]->setCurrentIndex(19);
    QCOMPARE(Colore(f.Lbl_TOT, QPalette::WindowText), QColor(Qt::blue));

    f.OptAlmeno->click();
    Scegli(f.Combo2, {5, 5, 5, 5});
    QCOMPARE(f.TxtLungMin->text(), QStringLiteral("20"));
    QCOMPARE(Colore(f.TxtLungMin, QPalette::Text), QColor(Qt::blue));
    Scegli(f.Combo2, {20, 20, 20, 20});
    QCOMPARE(f.TxtLungMin->text(), QStringLiteral("80"));
    QCOMPARE(Colore(f.TxtLungMin, QPalette::Text), QColor(Qt::red));
    QCOMPARE(f.Lbl_TOT->text(), QStringLiteral("20")); // each group keeps its own figure
    QVERIFY(amb.piattaforma().messaggi.isEmpty());
}

void TestFrmCreaPassword::esattaConteggi() {
    prova::Ambiente amb;
    auto& f = Esatta({2, 0, 3, 1}, 200);
    f.Cmd_Crea->click();
    const QStringList lista = Lista(f);
    QCOMPARE(lista.size(), 200);
    for (const QString& p : lista) {
        QCOMPARE(p.size(), 6);
        QCOMPARE(Conta(p, 'a', 'z'), 2);
        QCOMPARE(Conta(p, 'A', 'Z'), 0);
        QCOMPARE(Conta(p, '0', '9'), 3);
        QCOMPARE(std::count_if(p.begin(), p.end(), Speciale), 1);
    }
    QCOMPARE(QSet<QString>(lista.begin(), lista.end()).size() > 190, true);
    QCOMPARE(f.focusWidget(), f.List_Psw);
    QVERIFY(amb.piattaforma().messaggi.isEmpty());
    // A new run replaces the list.
    f.Cmb_Num->setCurrentIndex(2);
    f.Cmd_Crea->click();
    QCOMPARE(f.List_Psw->count(), 3);
}

void TestFrmCreaPassword::esattaTotali() {
    prova::Ambiente amb;
    auto& p = amb.piattaforma();
    auto& f = Esatta({0, 0, 0, 0});
    MettiLista(f, {QStringLiteral("vecchia")});
    f.Cmd_Crea->click(); // total 0: nothing at all, not even a cleared list
    QCOMPARE(Lista(f), QStringList{"vecchia"});
    QVERIFY(p.messaggi.isEmpty());

    Scegli(f.Combo1, {5, 5, 5, 5});
    f.Cmd_Crea->click(); // 20: no question
    QVERIFY(p.messaggi.isEmpty());
    QCOMPARE(Lista(f).size(), 1);
    QCOMPARE(Lista(f).front().size(), 20);

    MettiLista(f, {QStringLiteral("vecchia")});
    f.Combo1[0]->setCurrentIndex(6);
    p.Rispondi(Risposta::No);
    f.Cmd_Crea->click(); // 21: the question; No keeps the old list
    QCOMPARE(p.messaggi.size(), 1);
    QCOMPARE(p.messaggi[0].testo, DomandaLunghe);
    QCOMPARE(p.messaggi[0].icona, Icona::Domanda);
    QCOMPARE(p.messaggi[0].pulsanti, Pulsanti::SiNo);
    QCOMPARE(p.messaggi[0].titolo, QStringLiteral("Klavo"));
    QCOMPARE(Lista(f), QStringList{"vecchia"});

    p.Rispondi(Risposta::Si);
    f.Cmd_Crea->click();
    QCOMPARE(p.messaggi.size(), 2);
    QCOMPARE(Lista(f).size(), 1);
    QCOMPARE(Lista(f).front().size(), 21);
}

void TestFrmCreaPassword::almenoControlli_data() {
    QTest::addColumn<Quote>("quote");
    QTest::addColumn<QString>("massimo");
    QTest::addColumn<QStringList>("messaggi");
    QTest::addColumn<int>("lunghezza"); // of the new passwords; 0: the old list stays
    const Quote cinque{1, 1, 1, 2};
    const QString limite = QStringLiteral("La lunghezza massima consentita è 80");
    QTest::newRow("5-5") << cinque << "5" << QStringList() << 5;
    QTest::newRow("5-4") << cinque << "4" << QStringList{MassimoMinore} << 0;
    QTest::newRow("5-81") << cinque << "81" << QStringList{limite} << 0;
    QTest::newRow("5-80") << cinque << "80" << QStringList() << 80;
    QTest::newRow("0-81") << Quote{} << "81" << QStringList() << 0;
    QTest::newRow("5-vuoto") << cinque << "" << QStringList{MassimoMinore} << 0;
    QTest::newRow("5-lettere") << cinque << "dieci" << QStringList{MassimoMinore} << 0;
    QTest::newRow("0-vuoto") << Quote{} << "" << QStringList{MassimoMinore} << 0;
    QTest::newRow("21-30") << Quote{20, 0, 0, 1} << "30" << QStringList{DomandaLunghe} << 30;
    QTest::newRow("21-81") << Quote{20, 0, 0, 1} << "81" << QStringList{limite} << 0;
}

void TestFrmCreaPassword::almenoControlli() {
    QFETCH(Quote, quote);
    QFETCH(QString, massimo);
    QFETCH(QStringList, messaggi);
    QFETCH(int, lunghezza);
    prova::Ambiente amb;
    auto& p = amb.piattaforma();
    auto& f = Almeno(quote, massimo, 4);
    MettiLista(f, {QStringLiteral("vecchia")});
    f.Cmd_Crea2->click();
    QCOMPARE(p.TestiMessaggi(), messaggi);
    for (const Messaggio& m : p.messaggi) {
        QCOMPARE(m.titolo, QStringLiteral("Klavo"));
        QCOMPARE(m.icona, m.testo == DomandaLunghe ? Icona::Domanda : Icona::Informazione);
    }
    if (lunghezza == 0) {
        QCOMPARE(Lista(f), QStringList{"vecchia"});
        // A refused maximum takes the focus back to its box.
        QCOMPARE(f.focusWidget(),
                 messaggi.isEmpty() ? static_cast<QWidget*>(f.List_Psw) : f.TxtLungMax);
        return;
    }
    const QStringList lista = Lista(f);
    QCOMPARE(lista.size(), 4);
    for (const QString& pw : lista) {
        QCOMPARE(pw.size(), lunghezza);
        const int minimo = generatore::Somma(quote);
        QCOMPARE(Conta(pw.left(minimo), 'a', 'z'), quote[0]);
        QCOMPARE(Conta(pw.left(minimo), 'A', 'Z'), quote[1]);
        QCOMPARE(Conta(pw.left(minimo), '0', '9'), quote[2]);
        QCOMPARE(std::count_if(pw.begin(), pw.end(), Speciale), quote[3]);
    }
}

void TestFrmCreaPassword::almenoSpecialiPoiLettereECifre() {
    prova::Ambiente amb;
    auto& f = Almeno({0, 0, 0, 2}, QStringLiteral("10"), 200);
    f.Cmd_Crea2->click();
    const QStringList lista = Lista(f);
    QCOMPARE(lista.size(), 200);
    for (const QString& p : lista) {
        QCOMPARE(p.size(), 10);
        QVERIFY(Speciale(p[0]) && Speciale(p[1]));
        for (const QChar c : p.mid(2))
            QVERIFY2((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                         (c >= u'0' && c <= u'9'),
                     qPrintable(p));
    }
    QVERIFY(amb.piattaforma().messaggi.isEmpty());
}

void TestFrmCreaPassword::duecentoDaOttanta() {
    prova::Ambiente amb;
    auto& p = amb.piattaforma();
    auto& f = Esatta({20, 20, 20, 20}, 200);
    p.Rispondi(Risposta::Si);
    f.Cmd_Crea->click();
    QCOMPARE(f.List_Psw->count(), 200);
    for (const QString& pw : Lista(f))
        QCOMPARE(pw.size(), 80);

    auto& g = Almeno({1, 0, 0, 0}, QStringLiteral("80"), 200);
    g.Cmd_Crea2->click();
    QCOMPARE(g.List_Psw->count(), 200);
    for (const QString& pw : Lista(g)) {
        QCOMPARE(pw.size(), 80);
        QCOMPARE(std::count_if(pw.begin(), pw.end(), Speciale), 0);
    }
    QCOMPARE(p.messaggi.size(), 1); // only the exact mode's question, for a total of 80
}

void TestFrmCreaPassword::etichettaConEcommerciale() {
    prova::Ambiente amb;
    auto& f = Apri();
    MettiLista(f, {QStringLiteral("x&y&&z"), QStringLiteral("ab")});
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const QRect primo = f.List_Psw->visualItemRect(f.List_Psw->item(0));
    QTest::mouseClick(f.List_Psw->viewport(), Qt::LeftButton, {}, primo.center());
    QCOMPARE(f.Lbl_BigPsw->text(), QStringLiteral("x&y&&z"));
    // Each "&" is seen: the label is as wide as the same text where a letter stands for it.
    QLabel riferimento(QStringLiteral("xmymmz"));
    riferimento.setFont(f.Lbl_BigPsw->font());
    QLabel senza(QStringLiteral("xyz"));
    senza.setFont(f.Lbl_BigPsw->font());
    QVERIFY(f.Lbl_BigPsw->sizeHint().width() > senza.sizeHint().width());
    QVERIFY(f.Lbl_BigPsw->buddy() == nullptr);
    QCOMPARE(f.Lbl_BigPsw->textFormat(), Qt::PlainText);

    // Only the left button shows a password.
    const QRect secondo = f.List_Psw->visualItemRect(f.List_Psw->item(1));
    QTest::mouseClick(f.List_Psw->viewport(), Qt::RightButton, {}, secondo.center());
    QCOMPARE(f.Lbl_BigPsw->text(), QStringLiteral("x&y&&z"));
    QTest::mouseClick(f.List_Psw->viewport(), Qt::LeftButton, {}, secondo.center());
    QCOMPARE(f.Lbl_BigPsw->text(), QStringLiteral("ab"));
    // A new run keeps the label until the next click.
    f.OptEsatta->click();
    Scegli(f.Combo1, {1, 0, 0, 0});
    f.Cmd_Crea->click();
    QCOMPARE(f.Lbl_BigPsw->text(), QStringLiteral("ab"));
}

void TestFrmCreaPassword::doppioClic() {
    prova::Ambiente amb;
    auto& f = Apri();
    MettiLista(f, {QStringLiteral("uno"), QStringLiteral("d&e")});
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const QRect secondo = f.List_Psw->visualItemRect(f.List_Psw->item(1));
    // A real double click: press and release, then the second press as a double click.
    QTest::mouseClick(f.List_Psw->viewport(), Qt::LeftButton, {}, secondo.center());
    QTest::mouseDClick(f.List_Psw->viewport(), Qt::LeftButton, {}, secondo.center());
    QCOMPARE(amb.piattaforma().messaggi.size(), 1);
    QCOMPARE(amb.piattaforma().messaggi[0].testo, QStringLiteral("d&e"));
    QCOMPARE(amb.piattaforma().messaggi[0].icona, Icona::Informazione);
    QCOMPARE(amb.piattaforma().messaggi[0].pulsanti, Pulsanti::OK);
}

void TestFrmCreaPassword::copia() {
    prova::Ambiente amb;
    auto& p = amb.piattaforma();
    p.appunti = QStringLiteral("prima");
    auto& f = Apri();
    f.Cmd_Copia->click(); // empty list: nothing
    QVERIFY(p.messaggi.isEmpty());
    QCOMPARE(p.appunti, QStringLiteral("prima"));

    MettiLista(f, {QStringLiteral("uno"), QStringLiteral("due")});
    f.Cmd_Copia->click();
    QCOMPARE(p.TestiMessaggi(), QStringList{"Selezionare una Password da copiare"});
    QCOMPARE(p.messaggi[0].icona, Icona::Informazione);
    QCOMPARE(p.appunti, QStringLiteral("prima"));

    f.List_Psw->setCurrentRow(1);
    f.Cmd_Copia->click();
    QCOMPARE(p.appunti, QStringLiteral("due"));
    QCOMPARE(p.messaggi.size(), 1);
    QCOMPARE(f.focusWidget(), f.List_Psw);
}

void TestFrmCreaPassword::salvaByte() {
    prova::Ambiente amb;
    auto& p = amb.piattaforma();
    p.adesso = QDateTime(QDate(2026, 3, 7), QTime(9, 5, 4));
    auto& f = Apri();
    f.Cmd_Salva->click(); // empty list: not even the dialog
    QVERIFY(p.richiesteFile.isEmpty());

    MettiLista(f, {QStringLiteral("aB3&"), QStringLiteral("%x/9")});
    f.Cmd_Salva->click(); // cancelled: nothing
    QCOMPARE(p.richiesteFile.size(), 1);
    QCOMPARE(p.richiesteFile[0].tipo, RichiestaFile::Tipo::Salva);
    QCOMPARE(p.richiesteFile[0].iniziale, QStringLiteral("PassList"));
    QCOMPARE(p.richiesteFile[0].filtro, QStringLiteral("Documento di testo (*.txt)"));
    QVERIFY(p.messaggi.isEmpty());

    const QString percorso = amb.windows(QStringLiteral("PassList"));
    p.RispondiFile(percorso);
    f.Cmd_Salva->click();
    QVERIFY(p.messaggi.isEmpty()); // a new file: no question
    QCOMPARE(
        prova::Leggi(percorso),
        prova::Righe({"      KLAVO - ORVANE", "https://www.orvane.it/klavo", "",
                      "     Generatore random     ", "", "File creato il: 07/03/2026 alle 09:05:04",
                      "", "", "1  -  aB3&", "2  -  %x/9"}));
}

void TestFrmCreaPassword::salvaSovrascrittura() {
    prova::Ambiente amb;
    auto& p = amb.piattaforma();
    const QString percorso = amb.windows(QStringLiteral("lista.txt"));
    prova::Scrivi(percorso, "vecchio");
    auto& f = Apri();
    MettiLista(f, {QStringLiteral("abc")});

    p.RispondiFile(percorso);
    p.Rispondi(Risposta::No);
    f.Cmd_Salva->click();
    QCOMPARE(p.TestiMessaggi(), QStringList{"Il file specificato esiste già.\r\nSovrascriverlo?"});
    QCOMPARE(p.messaggi[0].icona, Icona::Esclamazione);
    QCOMPARE(p.messaggi[0].pulsanti, Pulsanti::SiNo);
    QCOMPARE(prova::Leggi(percorso), QByteArray("vecchio"));

    p.RispondiFile(percorso);
    p.Rispondi(Risposta::Si);
    f.Cmd_Salva->click();
    QCOMPARE(p.messaggi.size(), 2);
    QVERIFY(prova::Leggi(percorso).endsWith("\r\n\r\n1  -  abc\r\n"));
}

void TestFrmCreaPassword::salvaErrore() {
    prova::Ambiente amb;
    auto& p = amb.piattaforma();
    const QString file = amb.windows(QStringLiteral("file"));
    prova::Scrivi(file, "x");
    auto& f = Apri();
    MettiLista(f, {QStringLiteral("abc")});
    // The parent of the chosen path is a regular file: the file cannot be made.
    p.RispondiFile(file + QStringLiteral("/PassList"));
    f.Cmd_Salva->click();
    QCOMPARE(p.messaggi.size(), 1);
    QVERIFY2(p.messaggi[0].testo.startsWith(QStringLiteral("Impossibile scrivere il file")),
             qPrintable(p.messaggi[0].testo));
    QCOMPARE(p.messaggi[0].pulsanti, Pulsanti::OK);
    QCOMPARE(p.messaggi[0].icona, Icona::Errore);
    QCOMPARE(prova::Leggi(file), QByteArray("x"));
}

void TestFrmCreaPassword::guida() {
    prova::Ambiente amb;
    auto& f = Apri();
    f.Cmd_Help->click();
    QCOMPARE(amb.piattaforma().guideMostrate, QStringList{amb.programma("VLHLP.hlp")});
    QCOMPARE(f.focusWidget(), f.List_Psw);
}

void TestFrmCreaPassword::focusDelleLunghezze() {
    prova::Ambiente amb;
    auto& p = amb.piattaforma();
    auto& f = Almeno({1, 0, 0, 0}, QStringLiteral("abc"));
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));

    f.TxtLungMax->setFocus(Qt::MouseFocusReason);
    f.Cmd_Crea2->setFocus(Qt::TabFocusReason); // leaving a maximum that is not a number
    QCOMPARE(p.TestiMessaggi(), QStringList{"Numero non valido"});
    QCOMPARE(p.messaggi[0].icona, Icona::Informazione);
    QCOMPARE(QApplication::focusWidget(), f.TxtLungMax);

    f.TxtLungMax->setText(QStringLiteral(" 12"));
    f.Cmd_Crea2->setFocus(Qt::TabFocusReason);
    QCOMPARE(p.messaggi.size(), 1);
    QCOMPARE(QApplication::focusWidget(), f.Cmd_Crea2);

    f.TxtLungMax->setText(QString());
    f.TxtLungMax->setFocus(Qt::MouseFocusReason);
    f.TxtLungMin->setFocus(Qt::MouseFocusReason);
    QCOMPARE(p.TestiMessaggi(),
             (QStringList{"Numero non valido", "Numero non valido"})); // empty is not a number
    QCOMPARE(QApplication::focusWidget(), f.TxtLungMax);

    f.TxtLungMax->setText(QStringLiteral("8"));
    f.TxtLungMin->setFocus(Qt::TabFocusReason);
    QCOMPARE(p.messaggi.size(), 3);
    QCOMPARE(p.messaggi[2].testo,
             QStringLiteral("La lunghezza minima della password è calcolata automaticamente."));
    QCOMPARE(p.messaggi[2].icona, Icona::Informazione);
    // The window losing and regaining the activation (as around a message box) shows nothing.
    QWidget altra;
    altra.show();
    altra.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&altra));
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QCOMPARE(p.messaggi.size(), 3);
}

QTEST_MAIN(TestFrmCreaPassword)
#include "test_frm_crea_password.moc"
