#include "shell/FrmAltreOpzioni.h"

#include "shell/OpzioniChiusura.h"
#include "shell/common/Errore.h"
#include "shell/common/Finestre.h"
#include "shell/common/Messaggi.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace klavo {

FrmAltreOpzioni::FrmAltreOpzioni() {
    setObjectName(QStringLiteral("FrmAltreOpzioni"));
    setWindowTitle(QStringLiteral("Drive Virtuali"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Frame1 = new QGroupBox(QStringLiteral(" Chiusura Drive Virtuali "), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    const auto opzione = [this](const QString& nome, const QString& testo) {
        auto* o = new QRadioButton(testo, Frame1);
        o->setObjectName(nome);
        return o;
    };
    Option1 = opzione(OpzioneTraybar, QStringLiteral("Avvia Klavo ridotto ad icona (in traybar)"));
    Option2 = opzione(OpzioneTrueCrypt, QStringLiteral("Gestisci la chiusura con TrueCrypt"));
    Option3 =
        opzione(OpzioneNessunaGestione, QStringLiteral("Non gestire la chiusura dei drive aperti"));
    auto* riquadro = new QVBoxLayout(Frame1);
    riquadro->addWidget(Option1);
    riquadro->addWidget(Option2);
    riquadro->addWidget(Option3);

    CmdOK = new QPushButton(QStringLiteral("OK"), this);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdOK->setDefault(true);
    CmdAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    CmdAnnulla->setObjectName(QStringLiteral("CmdAnnulla"));
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(CmdOK);
    pulsanti->addWidget(CmdAnnulla);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(pulsanti);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(CmdOK, &QPushButton::clicked, this, &FrmAltreOpzioni::CmdOK_Click);
    connect(CmdAnnulla, &QPushButton::clicked, this, &FrmAltreOpzioni::CmdAnnulla_Click);

    // No choice made yet (no file, or an empty one) proposes the tray; a word that names no
    // option selects none.
    const QString scelta = LeggiOpzioneChiusura();
    if (scelta.isEmpty())
        Option1->setChecked(true);
    for (QRadioButton* o : {Option1, Option2, Option3}) {
        if (o->objectName() == scelta)
            o->setChecked(true);
    }
}

void FrmAltreOpzioni::CmdOK_Click() {
    QString scelta;
    for (QRadioButton* o : {Option1, Option2, Option3}) {
        if (o->isChecked()) {
            scelta = o->objectName();
            break;
        }
    }
    try {
        ScriviOpzioneChiusura(scelta);
    } catch (const Errore& e) {
        Msg(e.messaggio(), Icona::Errore);
        return;
    }
    accept();
    finestre::Scarica(this);
}

void FrmAltreOpzioni::CmdAnnulla_Click() {
    reject();
    finestre::Scarica(this);
}

} // namespace klavo
