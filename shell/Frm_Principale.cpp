#include "shell/Frm_Principale.h"

#include "shell/Impostazioni.h"
#include "shell/Opzioni.h"
#include "shell/PasswordAvvio.h"
#include "shell/common/Errore.h"
#include "shell/common/Finestre.h"
#include "shell/common/Globali.h"
#include "shell/common/Menu.h"
#include "shell/common/Messaggi.h"
#include "shell/common/TestoFile.h"

#include <QCloseEvent>
#include <QMenuBar>

namespace klavo {

Frm_Principale::Frm_Principale() {
    setObjectName(QStringLiteral("Frm_Principale"));
    setWindowTitle(TitoloProgramma);
    setWindowIcon(QIcon(QStringLiteral(":/immagini/klavo.png")));
    CreaMenuOpzioni();
    MostraOpzioni();
}

void Frm_Principale::CreaMenuOpzioni() {
    Mnu_Opzioni = menuBar()->addMenu(QStringLiteral("&Opzioni"));
    Mnu_Opzioni->setObjectName(QStringLiteral("Mnu_Opzioni"));
    Mnu_Opzioni->menuAction()->setObjectName(QStringLiteral("Mnu_Opzioni"));
    Mnu_Elimina =
        VoceSpuntabile(Mnu_Opzioni, QStringLiteral("Mnu_Elimina"),
                       QStringLiteral("&Elimina il file origine"), [this] { Mnu_Elimina_Click(); });
    Separatore(Mnu_Opzioni, QStringLiteral("sep5"));
    Mnu_Algoritmo = Sottomenu(Mnu_Opzioni, QStringLiteral("Mnu_Algoritmo"),
                              QStringLiteral("&Algoritmo di crittografia"));
    Mnu_Veloce = VoceSpuntabile(Mnu_Algoritmo, QStringLiteral("Mnu_Veloce"),
                                QStringLiteral("&Veloce"), [this] { Mnu_Veloce_Click(); });
    Mnu_Sicuro = VoceSpuntabile(Mnu_Algoritmo, QStringLiteral("Mnu_Sicuro"),
                                QStringLiteral("&Sicuro"), [this] { Mnu_Sicuro_Click(); });
    Separatore(Mnu_Opzioni, QStringLiteral("sep3"));
    Mnu_Chiedi_Password = VoceSpuntabile(Mnu_Opzioni, QStringLiteral("Mnu_Chiedi_Password"),
                                         QStringLiteral("Chiedi &Password all'avvio"),
                                         [this] { Mnu_Chiedi_Password_Click(); });
    Separatore(Mnu_Opzioni, QStringLiteral("sep3_1"));
    Mnu_Salva_Adesso =
        Voce(Mnu_Opzioni, QStringLiteral("Mnu_Salva_Adesso"),
             QStringLiteral("&Salva opzioni adesso"), [this] { Mnu_Salva_Adesso_Click(); });
    Mnu_Salva_Uscita = VoceSpuntabile(Mnu_Opzioni, QStringLiteral("Mnu_Salva_Uscita"),
                                      QStringLiteral("Salva opzioni all'uscita"),
                                      [this] { Mnu_Salva_Uscita_Click(); });
    Mnu_Ripristina_Default = Voce(Mnu_Opzioni, QStringLiteral("Mnu_Ripristina_Default"),
                                  QStringLiteral("Ripristina opzioni di default"),
                                  [this] { Mnu_Ripristina_Default_Click(); });
}

void Frm_Principale::MostraOpzioni() {
    // A false option leaves its item as designed, unchecked.
    if (EliminaFileOrigine)
        Mnu_Elimina->setChecked(true);
    if (ChiediPasswordAvvio)
        Mnu_Chiedi_Password->setChecked(true);
    if (SalvaOpzioniUscita)
        Mnu_Salva_Uscita->setChecked(true);
    const bool veloce = AlgoritmoCodifica == QLatin1String("Veloce");
    Mnu_Veloce->setChecked(veloce);
    Mnu_Sicuro->setChecked(!veloce);
}

void Frm_Principale::Mnu_Elimina_Click() {
    Mnu_Elimina->setChecked(!Mnu_Elimina->isChecked());
    EliminaFileOrigine = Mnu_Elimina->isChecked();
}

void Frm_Principale::Mnu_Veloce_Click() {
    if (Mnu_Veloce->isChecked())
        return;
    Mnu_Veloce->setChecked(true);
    Mnu_Sicuro->setChecked(false);
    AlgoritmoCodifica = QStringLiteral("Veloce");
}

void Frm_Principale::Mnu_Sicuro_Click() {
    if (Mnu_Sicuro->isChecked())
        return;
    Mnu_Sicuro->setChecked(true);
    Mnu_Veloce->setChecked(false);
    AlgoritmoCodifica = QStringLiteral("Sicuro");
}

void Frm_Principale::Mnu_Chiedi_Password_Click() {
    if (Mnu_Chiedi_Password->isChecked()) {
        const Risposta r =
            Msg(QStringLiteral("Tutti gli utenti potranno accedere a ") + TitoloProgramma +
                    QStringLiteral(".\r\nEliminare la Password di avvio del "
                                   "programma?"),
                Icona::Esclamazione, Pulsanti::SiNo, TitoloProgramma, Risposta::No);
        if (r != Risposta::Si)
            return;
        Mnu_Chiedi_Password->setChecked(false);
        ChiediPasswordAvvio = false;
        SalvaOpzioni(QStringLiteral("Elimina Password di avvio"));
        // A file that has vanished meanwhile leaves the password off all the same.
        if (!EliminaPasswordAvvio())
            Msg(QStringLiteral("Impossibile eliminare il file della Password di avvio \"%1\".")
                    .arg(FilePasswordAvvio()),
                Icona::Errore);
        return;
    }

    const QString password = InputBox(QStringLiteral("Inserire la password di avvio:"),
                                      QStringLiteral("Password di Avvio"));
    if (password.isEmpty())
        return;
    if (const auto c = testo::CarattereNonAmmesso(password)) {
        Msg(testo::MessaggioCarattereNonAmmesso(*c), Icona::Errore);
        return;
    }
    if (Msg(QStringLiteral("Confermare '") + password + QStringLiteral("' come Password di avvio?"),
            Icona::Domanda, Pulsanti::OKAnnulla) != Risposta::OK)
        return;
    ChiediPasswordAvvio = true;
    Mnu_Chiedi_Password->setChecked(true);
    SalvaOpzioni(QStringLiteral("Salva Password di avvio"));
    try {
        ScriviPasswordAvvio(password);
    } catch (const Errore& e) {
        Msg(e.messaggio(), Icona::Errore);
    }
}

void Frm_Principale::Mnu_Salva_Adesso_Click() {
    SalvaOpzioni(QStringLiteral("Salva opzioni adesso"));
}

void Frm_Principale::Mnu_Salva_Uscita_Click() {
    Mnu_Salva_Uscita->setChecked(!Mnu_Salva_Uscita->isChecked());
    SalvaOpzioniUscita = Mnu_Salva_Uscita->isChecked();
}

void Frm_Principale::Mnu_Ripristina_Default_Click() {
    // The start-up password is not an option of this kind and stays as it is.
    EliminaFileOrigine = true;
    Mnu_Elimina->setChecked(true);
    SalvaOpzioniUscita = false;
    Mnu_Salva_Uscita->setChecked(false);
    AlgoritmoCodifica = QStringLiteral("Veloce");
    Mnu_Veloce->setChecked(true);
    Mnu_Sicuro->setChecked(false);
    if (Msg(QStringLiteral(
                "Opzioni di default ripristinate.\r\nUtilizzarle per il prossimo avvio?"),
            Icona::Informazione, Pulsanti::SiNo) == Risposta::Si)
        SalvaOpzioni(QStringLiteral("Salva opzioni di default"));
}

void Frm_Principale::closeEvent(QCloseEvent* evento) {
    evento->accept();
    finestre::Scarica(this);
    if (SalvaOpzioniUscita)
        SalvaOpzioni(QStringLiteral("Salva opzioni all'uscita"));
}

} // namespace klavo
