#include "shell/Frm_Password.h"

#include "shell/Frm_Principale.h"
#include "shell/Impostazioni.h"
#include "shell/PasswordAvvio.h"
#include "shell/RegistroAccessi.h"
#include "shell/common/Errore.h"
#include "shell/common/Finestre.h"
#include "shell/common/Globali.h"
#include "shell/common/Messaggi.h"
#include "shell/common/TestoFile.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace klavo {

namespace {

QToolButton* PulsanteImmagine(QWidget* padre, const QString& nome, const QString& immagine,
                              const QString& suggerimento) {
    auto* b = new QToolButton(padre);
    b->setObjectName(nome);
    b->setIcon(QIcon(immagine));
    b->setIconSize(QSize(32, 32));
    b->setAutoRaise(true);
    b->setToolTip(suggerimento);
    return b;
}

QString MessaggioPasswordCambiata(const QString& password) {
    return QStringLiteral("La Password è stata cambiata in '") + password +
           QStringLiteral("'.\r\n\r\nNon dimenticarla!");
}

} // namespace

Frm_Password::Frm_Password() : QWidget(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Frm_Password"));
    setWindowTitle(TitoloProgramma);
    setWindowIcon(QIcon(QStringLiteral(":/immagini/klavo.png")));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(QStringLiteral(":/immagini/lucchetto.png")));
    Lbl_Password = new QLabel(QStringLiteral("Password:"), this);
    Lbl_Password->setObjectName(QStringLiteral("Lbl_Password"));
    Txt_Password = new QLineEdit(this);
    Txt_Password->setObjectName(QStringLiteral("Txt_Password"));
    Txt_Password->setEchoMode(QLineEdit::Password);
    Txt_Password->setMinimumWidth(180);
    Img_OK = PulsanteImmagine(this, QStringLiteral("Img_OK"), QStringLiteral(":/immagini/ok.png"),
                              QStringLiteral("Conferma (INVIO)"));
    Img_New =
        PulsanteImmagine(this, QStringLiteral("Img_New"), QStringLiteral(":/immagini/nuova.png"),
                         QStringLiteral("Nuova Password"));

    auto* griglia = new QGridLayout(this);
    griglia->addWidget(Image1, 0, 0, 2, 1);
    griglia->addWidget(Lbl_Password, 0, 1, 1, 3);
    griglia->addWidget(Txt_Password, 1, 1);
    griglia->addWidget(Img_OK, 1, 2);
    griglia->addWidget(Img_New, 1, 3);
    griglia->setSizeConstraint(QLayout::SetFixedSize);

    connect(Img_OK, &QToolButton::clicked, this, &Frm_Password::Img_OK_Click);
    connect(Img_New, &QToolButton::clicked, this, &Frm_Password::Img_New_Click);
    connect(Txt_Password, &QLineEdit::returnPressed, this, &Frm_Password::Img_OK_Click);
}

void Frm_Password::Avvia() {
    CartellaWindows = Piattaforma::attuale().CartellaWindows();
    FilePassword = FilePasswordAvvio();
    const bool esistePassword = QFileInfo::exists(FilePassword);
    try {
        CreaImpostazioniPredefinite();
        LeggiOpzioni();
    } catch (const Errore& e) {
        Msg(e.messaggio() + QStringLiteral("\r\n\r\nVerranno usate le opzioni di default."),
            Icona::Esclamazione);
        EliminaFileOrigine = true;
        AlgoritmoCodifica = QStringLiteral("Veloce");
    }

    if (!ChiediPasswordAvvio) {
        // A password on disk wins over an options file that says otherwise, except for a
        // request from the command line.
        if (!esistePassword || !Piattaforma::attuale().RigaComando().isEmpty()) {
            ApriPrincipale();
            return;
        }
        ChiediPasswordAvvio = true;
    }
    show();
    Txt_Password->setFocus();
}

void Frm_Password::ApriPrincipale() {
    finestre::Finestra<Frm_Principale>().show();
    finestre::Scarica(this);
}

void Frm_Password::Riprova() {
    Txt_Password->setFocus();
    Txt_Password->selectAll();
}

std::optional<QString> Frm_Password::PasswordSalvata() {
    try {
        return LeggiPasswordAvvio();
    } catch (const Errore& e) {
        Msg(e.messaggio(), Icona::Errore);
        Riprova();
        return std::nullopt;
    }
}

void Frm_Password::Img_OK_Click() {
    const QString digitata = Txt_Password->text();
    if (QFileInfo::exists(FilePassword)) {
        const std::optional<QString> salvata = PasswordSalvata();
        if (!salvata)
            return;
        if (*salvata == digitata) {
            ApriPrincipale();
            return;
        }
        if (TentativiErrati != 2) {
            Msg(QStringLiteral("Password non valida"), Icona::Errore);
            ++TentativiErrati;
            Riprova();
            return;
        }
        try {
            RegistraAccessoNegato();
        } catch (const Errore& e) {
            Msg(e.messaggio(), Icona::Errore);
        }
        Msg(QStringLiteral("Impossibile avviare il programma senza autorizzazione."),
            Icona::Errore);
        finestre::Scarica(this);
        Piattaforma::attuale().TerminaProgramma();
        return;
    }

    // No password yet: the one typed becomes the first.
    if (digitata.isEmpty()) {
        Msg(QStringLiteral("Inserire la Password"), Icona::Informazione);
        Txt_Password->setFocus();
        return;
    }
    if (const auto c = testo::CarattereNonAmmesso(digitata)) {
        Msg(testo::MessaggioCarattereNonAmmesso(*c), Icona::Errore);
        Riprova();
        return;
    }
    if (Msg(QStringLiteral("Confermare la Password '") + digitata + QStringLiteral("'?"),
            Icona::Domanda, Pulsanti::SiNo) != Risposta::Si)
        return;
    try {
        ScriviPasswordAvvio(digitata);
    } catch (const Errore& e) {
        Msg(e.messaggio(), Icona::Errore);
        return;
    }
    Msg(MessaggioPasswordCambiata(digitata), Icona::Esclamazione);
    ApriPrincipale();
}

void Frm_Password::Img_New_Click() {
    if (Txt_Password->text().isEmpty()) {
        Msg(QStringLiteral("Inserire la vecchia password"), Icona::Informazione);
        Txt_Password->setFocus();
        return;
    }
    if (!QFileInfo::exists(FilePassword))
        return;
    const std::optional<QString> salvata = PasswordSalvata();
    if (!salvata)
        return;
    if (*salvata != Txt_Password->text()) {
        // Not a start-up attempt: TentativiErrati stays as it is.
        Msg(QStringLiteral("Password non valida"), Icona::Errore);
        Riprova();
        return;
    }
    const QString nuova =
        InputBox(QStringLiteral("Digitare la nuova Password:"), QStringLiteral("Nuova Password"));
    if (nuova.isEmpty())
        return;
    if (const auto c = testo::CarattereNonAmmesso(nuova)) {
        Msg(testo::MessaggioCarattereNonAmmesso(*c), Icona::Errore);
        return;
    }
    if (Msg(QStringLiteral("Confermare la nuova Password '") + nuova + QStringLiteral("'?"),
            Icona::Domanda, Pulsanti::SiNo) != Risposta::Si)
        return;
    try {
        // Replaced whole: the old password stays until the new file is complete.
        ScriviPasswordAvvio(nuova);
    } catch (const Errore& e) {
        Msg(e.messaggio(), Icona::Errore);
        return;
    }
    Msg(MessaggioPasswordCambiata(nuova), Icona::Esclamazione);
}

} // namespace klavo
