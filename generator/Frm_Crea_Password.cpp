#include "generator/Frm_Crea_Password.h"

#include "platform/Piattaforma.h"
#include "shell/common/Clessidra.h"
#include "shell/common/Errore.h"
#include "shell/common/Globali.h"
#include "shell/common/Messaggi.h"
#include "shell/common/TestoFile.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace klavo {

using namespace generatore;

namespace {

const QString DomandaLunghe = QStringLiteral(
    "Le Password molto lunghe possono essere dimenticate facilmente!\r\nContinuare?");

// A focus change the user made inside the window; a message box that takes the activation and
// gives it back is none, or the focus handlers would show their messages over and over.
bool DaUtente(Qt::FocusReason motivo) {
    switch (motivo) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        return true;
    default:
        return false;
    }
}

void Colora(QWidget* controllo, QPalette::ColorRole ruolo, int lunghezza) {
    QPalette p = controllo->palette();
    p.setColor(ruolo, Lunga(lunghezza) ? Qt::red : Qt::blue);
    controllo->setPalette(p);
}

QComboBox* Elenco(QWidget* padre, const QString& nome, int da, int a) {
    auto* c = new QComboBox(padre);
    c->setObjectName(nome);
    for (int i = da; i <= a; ++i)
        c->addItem(QString::number(i));
    c->setCurrentIndex(0);
    c->setEnabled(false);
    return c;
}

QLabel* Etichetta(const QString& testo, QWidget* padre) {
    return new QLabel(testo, padre);
}

// A group's four count lists under their captions, in the grid's first two rows.
void ListeClassi(QGroupBox* gruppo, QGridLayout* griglia, const QString& nome,
                 std::array<QComboBox*, Classi.size()>& liste) {
    for (std::size_t i = 0; i < Classi.size(); ++i) {
        const int colonna = static_cast<int>(i);
        auto* intestazione = Etichetta(QString::fromLatin1(Classi[i].intestazione), gruppo);
        intestazione->setAlignment(Qt::AlignCenter);
        griglia->addWidget(intestazione, 0, colonna);
        liste[i] = Elenco(gruppo, nome + QStringLiteral("(%1)").arg(i), 0, QuotaMassima);
        liste[i]->setToolTip(QString::fromLatin1(Classi[i].suggerimento));
        griglia->addWidget(liste[i], 1, colonna);
    }
}

// "Genera [n] password(s) [Crea]" on the grid's last row.
QPushButton* RigaGenera(QGroupBox* gruppo, QGridLayout* griglia, QComboBox* numero,
                        const QString& nomeCrea) {
    auto* riga = new QHBoxLayout;
    riga->addWidget(Etichetta(QStringLiteral("Genera"), gruppo));
    riga->addWidget(numero);
    riga->addWidget(Etichetta(QStringLiteral("password(s)"), gruppo));
    riga->addStretch();
    auto* crea = new QPushButton(QStringLiteral("Crea"), gruppo);
    crea->setObjectName(nomeCrea);
    crea->setEnabled(false);
    riga->addWidget(crea);
    griglia->addLayout(riga, 3, 0, 1, static_cast<int>(Classi.size()));
    return crea;
}

QPushButton* Pulsante(QWidget* padre, const QString& nome, const QString& testo,
                      const QString& suggerimento) {
    auto* b = new QPushButton(testo, padre);
    b->setObjectName(nome);
    b->setToolTip(suggerimento);
    return b;
}

// The counts chosen in a group's four lists.
Quote QuoteScelte(const std::array<QComboBox*, Classi.size()>& liste) {
    Quote quote{};
    for (std::size_t i = 0; i < liste.size(); ++i)
        quote[i] = liste[i]->currentText().toInt();
    return quote;
}

} // namespace

Frm_Crea_Password::Frm_Crea_Password() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("Frm_Crea_Password"));
    setWindowTitle(QStringLiteral("KLAVO - Generatore random"));
    setWindowIcon(QIcon(QStringLiteral(":/immagini/klavo.png")));
    // Closing unloads: the next opening starts afresh, with no mode chosen.
    setAttribute(Qt::WA_DeleteOnClose);

    OptEsatta = new QRadioButton(QStringLiteral("La password deve contenere esattamente..."), this);
    OptEsatta->setObjectName(QStringLiteral("OptEsatta"));
    OptAlmeno = new QRadioButton(QStringLiteral("La password deve contenere almeno..."), this);
    OptAlmeno->setObjectName(QStringLiteral("OptAlmeno"));

    Frm_Lung = new QGroupBox(this);
    Frm_Lung->setObjectName(QStringLiteral("Frm_Lung"));
    auto* grigliaEsatta = new QGridLayout(Frm_Lung);
    ListeClassi(Frm_Lung, grigliaEsatta, QStringLiteral("Combo1"), Combo1);
    auto* rigaTotale = new QHBoxLayout;
    rigaTotale->addWidget(Etichetta(QStringLiteral("Totale"), Frm_Lung));
    Lbl_TOT = Etichetta(QStringLiteral("0"), Frm_Lung);
    Lbl_TOT->setObjectName(QStringLiteral("Lbl_TOT"));
    Colora(Lbl_TOT, QPalette::WindowText, 0);
    rigaTotale->addWidget(Lbl_TOT);
    rigaTotale->addStretch();
    grigliaEsatta->addLayout(rigaTotale, 2, 0, 1, static_cast<int>(Classi.size()));
    Cmb_Num = Elenco(Frm_Lung, QStringLiteral("Cmb_Num"), 1, NumeroMassimo);
    Cmd_Crea = RigaGenera(Frm_Lung, grigliaEsatta, Cmb_Num, QStringLiteral("Cmd_Crea"));

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* grigliaAlmeno = new QGridLayout(Frame1);
    ListeClassi(Frame1, grigliaAlmeno, QStringLiteral("Combo2"), Combo2);
    auto* rigaLunghezze = new QHBoxLayout;
    rigaLunghezze->addWidget(Etichetta(QStringLiteral("Lung min"), Frame1));
    TxtLungMin = new QLineEdit(QStringLiteral("0"), Frame1);
    TxtLungMin->setObjectName(QStringLiteral("TxtLungMin"));
    TxtLungMin->setToolTip(QStringLiteral("Lunghezza minima"));
    TxtLungMin->setReadOnly(true);
    TxtLungMin->setEnabled(false);
    TxtLungMin->setMaximumWidth(50);
    Colora(TxtLungMin, QPalette::Text, 0);
    rigaLunghezze->addWidget(TxtLungMin);
    rigaLunghezze->addWidget(Etichetta(QStringLiteral("Lung max"), Frame1));
    TxtLungMax = new QLineEdit(QStringLiteral("0"), Frame1);
    TxtLungMax->setObjectName(QStringLiteral("TxtLungMax"));
    TxtLungMax->setToolTip(QStringLiteral("Lunghezza massima"));
    TxtLungMax->setEnabled(false);
    TxtLungMax->setMaximumWidth(50);
    rigaLunghezze->addWidget(TxtLungMax);
    rigaLunghezze->addStretch();
    grigliaAlmeno->addLayout(rigaLunghezze, 2, 0, 1, static_cast<int>(Classi.size()));
    Cmb_Num2 = Elenco(Frame1, QStringLiteral("Cmb_Num2"), 1, NumeroMassimo);
    Cmd_Crea2 = RigaGenera(Frame1, grigliaAlmeno, Cmb_Num2, QStringLiteral("Cmd_Crea2"));

    List_Psw = new QListWidget(this);
    List_Psw->setObjectName(QStringLiteral("List_Psw"));
    List_Psw->setToolTip(
        QStringLiteral(" Doppio clic per visualizzare la password in un messaggio "));
    List_Psw->setSelectionMode(QAbstractItemView::SingleSelection);

    Lbl_BigPsw = new QLabel(this);
    Lbl_BigPsw->setObjectName(QStringLiteral("Lbl_BigPsw"));
    Lbl_BigPsw->setToolTip(QStringLiteral("Password selezionata"));
    // Plain text: every character of a password, "&" included, shows as itself.
    Lbl_BigPsw->setTextFormat(Qt::PlainText);
    QFont grande = Lbl_BigPsw->font();
    grande.setPointSize(12);
    Lbl_BigPsw->setFont(grande);
    QPalette rosso = Lbl_BigPsw->palette();
    rosso.setColor(QPalette::WindowText, Qt::red);
    Lbl_BigPsw->setPalette(rosso);
    Lbl_BigPsw->setMinimumHeight(Lbl_BigPsw->fontMetrics().height());

    Cmd_Copia = Pulsante(this, QStringLiteral("Cmd_Copia"), QStringLiteral("Copia"),
                         QStringLiteral("Copia la Password selezionata negli appunti"));
    Cmd_Salva = Pulsante(this, QStringLiteral("Cmd_Salva"), QStringLiteral("Salva"),
                         QStringLiteral("Salva le Password su disco"));
    Cmd_Help = Pulsante(this, QStringLiteral("Cmd_Help"), QStringLiteral("?"),
                        QStringLiteral("Apre la guida in linea"));

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(Cmd_Copia);
    pulsanti->addWidget(Cmd_Salva);
    pulsanti->addStretch();
    pulsanti->addWidget(Cmd_Help);
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(OptEsatta);
    // A long password widens the window; the groups keep their own width.
    colonna->addWidget(Frm_Lung, 0, Qt::AlignLeft);
    colonna->addWidget(OptAlmeno);
    colonna->addWidget(Frame1, 0, Qt::AlignLeft);
    colonna->addWidget(List_Psw);
    colonna->addWidget(Lbl_BigPsw);
    colonna->addLayout(pulsanti);
    colonna->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(OptEsatta, OptAlmeno);

    // Connected only now that every list holds its first item, so loading computes nothing.
    connect(OptEsatta, &QRadioButton::clicked, this, &Frm_Crea_Password::OptEsatta_Click);
    connect(OptAlmeno, &QRadioButton::clicked, this, &Frm_Crea_Password::OptAlmeno_Click);
    for (std::size_t i = 0; i < Classi.size(); ++i) {
        connect(Combo1[i], &QComboBox::currentIndexChanged, this,
                &Frm_Crea_Password::CalcolaNumTotale);
        connect(Combo2[i], &QComboBox::currentIndexChanged, this,
                &Frm_Crea_Password::CalcolaNumTotale2);
    }
    connect(Cmd_Crea, &QPushButton::clicked, this, &Frm_Crea_Password::Cmd_Crea_Click);
    connect(Cmd_Crea2, &QPushButton::clicked, this, &Frm_Crea_Password::Cmd_Crea2_Click);
    connect(List_Psw, &QListWidget::itemDoubleClicked, this, &Frm_Crea_Password::List_Psw_DblClick);
    connect(Cmd_Copia, &QPushButton::clicked, this, &Frm_Crea_Password::Cmd_Copia_Click);
    connect(Cmd_Salva, &QPushButton::clicked, this, &Frm_Crea_Password::Cmd_Salva_Click);
    connect(Cmd_Help, &QPushButton::clicked, this, &Frm_Crea_Password::Cmd_Help_Click);
    TxtLungMin->installEventFilter(this);
    TxtLungMax->installEventFilter(this);
    List_Psw->viewport()->installEventFilter(this);
}

bool Frm_Crea_Password::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == TxtLungMin && evento->type() == QEvent::FocusIn &&
        DaUtente(static_cast<QFocusEvent*>(evento)->reason()))
        TxtLungMin_GotFocus();
    else if (oggetto == TxtLungMax && evento->type() == QEvent::FocusOut &&
             DaUtente(static_cast<QFocusEvent*>(evento)->reason()))
        TxtLungMax_LostFocus();
    else if (oggetto == List_Psw->viewport() && evento->type() == QEvent::MouseButtonRelease)
        List_Psw_MouseUp(static_cast<QMouseEvent*>(evento)->button());
    return QWidget::eventFilter(oggetto, evento);
}

void Frm_Crea_Password::AbilitaGruppi(bool esatta) {
    for (std::size_t i = 0; i < Classi.size(); ++i) {
        Combo1[i]->setEnabled(esatta);
        Combo2[i]->setEnabled(!esatta);
    }
    Cmb_Num->setEnabled(esatta);
    Cmd_Crea->setEnabled(esatta);
    TxtLungMin->setEnabled(!esatta);
    TxtLungMax->setEnabled(!esatta);
    Cmb_Num2->setEnabled(!esatta);
    Cmd_Crea2->setEnabled(!esatta);
}

void Frm_Crea_Password::OptEsatta_Click() {
    AbilitaGruppi(true);
    Cmd_Crea->setFocus();
}

void Frm_Crea_Password::OptAlmeno_Click() {
    AbilitaGruppi(false);
    Cmd_Crea2->setFocus();
}

void Frm_Crea_Password::CalcolaNumTotale() {
    const int totale = Somma(QuoteScelte(Combo1));
    Colora(Lbl_TOT, QPalette::WindowText, totale);
    Lbl_TOT->setText(QString::number(totale));
}

void Frm_Crea_Password::CalcolaNumTotale2() {
    const int minimo = Somma(QuoteScelte(Combo2));
    Colora(TxtLungMin, QPalette::Text, minimo);
    TxtLungMin->setText(QString::number(minimo));
}

void Frm_Crea_Password::TxtLungMin_GotFocus() {
    Msg(QStringLiteral("La lunghezza minima della password è calcolata automaticamente."),
        Icona::Informazione);
}

void Frm_Crea_Password::TxtLungMax_LostFocus() {
    // A box that has just been disabled loses the focus too; its text no longer matters.
    if (!TxtLungMax->isEnabled() || Numero(TxtLungMax->text()))
        return;
    Msg(QStringLiteral("Numero non valido"), Icona::Informazione);
    TxtLungMax->setFocus();
}

bool Frm_Crea_Password::ConfermaLunghe() {
    return Msg(DomandaLunghe, Icona::Domanda, Pulsanti::SiNo) == Risposta::Si;
}

void Frm_Crea_Password::MostraLista(const QStringList& password) {
    List_Psw->clear();
    List_Psw->addItems(password);
}

void Frm_Crea_Password::Cmd_Crea_Click() {
    List_Psw->setFocus();
    const Quote quote = QuoteScelte(Combo1);
    switch (ControllaEsatta(quote)) {
    case Esito::Conferma:
        if (!ConfermaLunghe())
            return;
        break;
    case Esito::Genera:
        break;
    default:
        return;
    }
    const Clessidra clessidra;
    FonteSistema fonte;
    MostraLista(GeneraEsatte(fonte, quote, Cmb_Num->currentText().toInt()));
}

void Frm_Crea_Password::Cmd_Crea2_Click() {
    List_Psw->setFocus();
    const Quote quote = QuoteScelte(Combo2);
    const std::optional<int> massimo = Numero(TxtLungMax->text());
    switch (ControllaAlmeno(quote, massimo)) {
    case Esito::MassimoMinore:
        Msg(QStringLiteral("La lunghezza massima non può essere minore di quella minima!"),
            Icona::Informazione);
        TxtLungMax->setFocus();
        return;
    case Esito::Nulla:
        return;
    case Esito::OltreLimite:
        Msg(QStringLiteral("La lunghezza massima consentita è 80"), Icona::Informazione);
        TxtLungMax->setFocus();
        return;
    case Esito::Conferma:
        if (!ConfermaLunghe())
            return;
        break;
    case Esito::Genera:
        break;
    }
    const Clessidra clessidra;
    FonteSistema fonte;
    MostraLista(GeneraAlmeno(fonte, quote, *massimo, Cmb_Num2->currentText().toInt()));
}

QString Frm_Crea_Password::Selezionata() const {
    const QList<QListWidgetItem*> selezione = List_Psw->selectedItems();
    return selezione.isEmpty() ? QString() : selezione.front()->text();
}

void Frm_Crea_Password::List_Psw_MouseUp(Qt::MouseButton pulsante) {
    if (pulsante != Qt::LeftButton)
        return;
    Lbl_BigPsw->clear();
    Lbl_BigPsw->setText(Selezionata());
}

void Frm_Crea_Password::List_Psw_DblClick() {
    Msg(Selezionata(), Icona::Informazione);
}

void Frm_Crea_Password::Cmd_Copia_Click() {
    List_Psw->setFocus();
    if (List_Psw->count() == 0)
        return;
    const QString password = Selezionata();
    if (password.isEmpty()) {
        Msg(QStringLiteral("Selezionare una Password da copiare"), Icona::Informazione);
        return;
    }
    Piattaforma::attuale().ImpostaTestoAppunti(password);
}

void Frm_Crea_Password::Cmd_Salva_Click() {
    List_Psw->setFocus();
    if (List_Psw->count() == 0)
        return;
    Piattaforma& piattaforma = Piattaforma::attuale();
    const QString percorso = piattaforma.ScegliFile(
        {RichiestaFile::Tipo::Salva, QStringLiteral("Salva con nome"),
         QStringLiteral("Documento di testo (*.txt)"), QStringLiteral("PassList")});
    if (percorso.isEmpty())
        return;
    if (QFileInfo::exists(percorso) &&
        Msg(QStringLiteral("Il file specificato esiste già.\r\nSovrascriverlo?"),
            Icona::Esclamazione, Pulsanti::SiNo) != Risposta::Si)
        return;
    QStringList password;
    for (int i = 0; i < List_Psw->count(); ++i)
        password.append(List_Psw->item(i)->text());
    const QDateTime adesso = piattaforma.Adesso();
    try {
        testo::ScriviRighe(percorso, RigheLista(password, piattaforma.DataBreve(adesso.date()),
                                                piattaforma.OraBreve(adesso.time())));
    } catch (const Errore& e) {
        Msg(e.messaggio(), Icona::Errore);
    }
}

void Frm_Crea_Password::Cmd_Help_Click() {
    List_Psw->setFocus();
    Piattaforma::attuale().MostraGuida(FileProgramma(QStringLiteral("VLHLP.hlp")));
    List_Psw->setFocus();
}

} // namespace klavo
