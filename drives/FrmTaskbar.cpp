#include "drives/FrmTaskbar.h"

#include "drives/ComandiDrive.h"
#include "platform/Piattaforma.h"
#include "shell/Frm_Principale.h"
#include "shell/common/Finestre.h"
#include "shell/common/Globali.h"
#include "shell/common/Menu.h"

#include <QCloseEvent>
#include <QCursor>
#include <QMenu>

namespace klavo {

FrmTaskbar::FrmTaskbar() {
    setObjectName(QStringLiteral("FrmTaskbar"));
    setWindowTitle(TitoloProgramma);
    setWindowIcon(QIcon(QStringLiteral(":/immagini/klavo.png")));

    Nuovo = new QMenu(TitoloProgramma, this);
    Nuovo->setObjectName(QStringLiteral("Nuovo"));
    MnuKlavo = Voce(Nuovo, QStringLiteral("MnuKlavo"), QStringLiteral(" < Klavo >"),
                    [this] { MnuKlavo_Click(); });
    QFont grassetto = MnuKlavo->font();
    grassetto.setBold(true);
    MnuKlavo->setFont(grassetto);
    Nuovo->setDefaultAction(MnuKlavo);
    Nuovo->addSeparator();
    MnuChiudi = Voce(Nuovo, QStringLiteral("MnuChiudi"), QStringLiteral("Chiudi..."),
                     [this] { MnuChiudi_Click(); });
    MnuChiudiTutti =
        Voce(Nuovo, QStringLiteral("MnuChiudiTutti"), QStringLiteral("Chiudi tutti i Drive aperti"),
             [this] { MnuChiudiTutti_Click(); });
    // Choosing it only closes the menu.
    MnuAnnulla = Voce(Nuovo, QStringLiteral("MnuAnnulla"), QStringLiteral("Annulla"), [] {});
    Nuovo->addSeparator();
    MnuEsci =
        Voce(Nuovo, QStringLiteral("MnuEsci"), QStringLiteral("Esci"), [this] { MnuEsci_Click(); });

    iconaPresente_ = Piattaforma::attuale().AggiungiIconaNotifica(
        *this, QStringLiteral(" Klavo"), [this](int messaggio) { Icona_Evento(messaggio); });
}

FrmTaskbar::~FrmTaskbar() {
    RimuoviIcona();
}

void FrmTaskbar::closeEvent(QCloseEvent* evento) {
    RimuoviIcona();
    QWidget::closeEvent(evento);
}

void FrmTaskbar::RimuoviIcona() {
    if (iconaPresente_)
        Piattaforma::attuale().RimuoviIconaNotifica(*this);
    iconaPresente_ = false;
}

void FrmTaskbar::Icona_Evento(int messaggio) {
    if (messaggio == DoppioClic)
        MnuKlavo_Click();
    else if (messaggio == TastoDestro)
        Nuovo->popup(QCursor::pos(), MnuKlavo);
}

void FrmTaskbar::MnuKlavo_Click() {
    if (Frm_Principale* principale = finestre::SeCaricata<Frm_Principale>())
        principale->showNormal();
    finestre::Scarica(this);
}

void FrmTaskbar::MnuChiudi_Click() {
    drive::ChiudiDrive(drive::Controllo::Nessuno);
}

void FrmTaskbar::MnuChiudiTutti_Click() {
    drive::ChiudiTutti(drive::Controllo::Nessuno);
}

void FrmTaskbar::MnuEsci_Click() {
    if (Frm_Principale* principale = finestre::SeCaricata<Frm_Principale>())
        finestre::Scarica(principale);
    finestre::Scarica(this);
    // Hidden windows closing do not end the event loop by themselves. A window still loaded
    // (the wait window of a save at exit) ends it when it closes.
    if (finestre::Registro().isEmpty())
        Piattaforma::attuale().TerminaProgramma();
}

} // namespace klavo
