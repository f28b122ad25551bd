#include "shell/FrmAccessi.h"

#include "shell/RegistroAccessi.h"
#include "shell/common/Finestre.h"
#include "shell/common/Messaggi.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace klavo {

FrmAccessi::FrmAccessi() {
    setObjectName(QStringLiteral("FrmAccessi"));
    setWindowTitle(QStringLiteral("Accessi non autorizzati"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Label1 = new QLabel(
        QStringLiteral("Sono stati rilevati i seguenti tentativi di accesso non autorizzati:"),
        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    Label2 = new QLabel(QStringLiteral("Un led rosso lampeggiante nella schermata principale di "
                                       "Klavo indica la presenza di accessi non autorizzati."),
                        this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    CmdCancella = new QPushButton(QStringLiteral("Cancella log"), this);
    CmdCancella->setObjectName(QStringLiteral("CmdCancella"));
    CmdChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    CmdChiudi->setObjectName(QStringLiteral("CmdChiudi"));
    CmdChiudi->setDefault(true);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(CmdCancella);
    pulsanti->addWidget(CmdChiudi);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(List1);
    layout->addWidget(Label2);
    layout->addLayout(pulsanti);
    resize(420, 300);

    connect(CmdCancella, &QPushButton::clicked, this, &FrmAccessi::CmdCancella_Click);
    connect(CmdChiudi, &QPushButton::clicked, this, &FrmAccessi::CmdChiudi_Click);

    List1->addItems(LeggiRegistroAccessi());
}

void FrmAccessi::CmdCancella_Click() {
    if (!EliminaRegistroAccessi() && EsisteRegistroAccessi()) {
        // The lines stay listed: they are still in the log.
        Msg(QStringLiteral("Impossibile eliminare il log \"%1\".")
                .arg(QDir::toNativeSeparators(FileRegistroAccessi())),
            Icona::Errore);
        return;
    }
    List1->clear();
}

void FrmAccessi::CmdChiudi_Click() {
    finestre::Scarica(this);
}

} // namespace klavo
