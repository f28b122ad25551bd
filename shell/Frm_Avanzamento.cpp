#include "shell/Frm_Avanzamento.h"

#include "shell/Frm_Principale.h"
#include "shell/common/Finestre.h"
#include "shell/common/Twip.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace klavo {

Frm_Avanzamento::Frm_Avanzamento()
    : QWidget(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Frm_Avanzamento"));
    Lbl_Avanzamento = new QLabel(QStringLiteral("Salvataggio opzioni in corso..."), this);
    Lbl_Avanzamento->setObjectName(QStringLiteral("Lbl_Avanzamento"));

    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameShape(QFrame::NoFrame);
    Picture1->setFixedSize(Pixel(LarghezzaTraccia), Pixel(AltezzaBarra));
    Picture1->setAutoFillBackground(true);
    Picture1->setBackgroundRole(QPalette::Base);

    Shape1 = new QFrame(Picture1);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::NoFrame);
    Shape1->setAutoFillBackground(true);
    Shape1->setBackgroundRole(QPalette::Highlight);
    ImpostaLarghezzaBarra(LarghezzaIniziale);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Lbl_Avanzamento);
    layout->addWidget(Picture1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(IntervalloTimer);
    connect(Timer1, &QTimer::timeout, this, &Frm_Avanzamento::Timer1_Timer);
    Timer1->start();

    if (auto* principale = finestre::SeCaricata<Frm_Principale>())
        principale->setEnabled(false);
}

void Frm_Avanzamento::ImpostaLarghezzaBarra(int twip) {
    larghezzaBarra_ = twip;
    Shape1->setGeometry(0, 0, Pixel(twip), Pixel(AltezzaBarra));
}

void Frm_Avanzamento::Timer1_Timer() {
    if (larghezzaBarra_ >= 3000) {
        Timer1->stop();
        ChiusuraProgramma = windowTitle() == QLatin1String("Salva opzioni all'uscita");
        finestre::Scarica(this);
        return;
    }
    ImpostaLarghezzaBarra(larghezzaBarra_ + PassoTimer);
}

void Frm_Avanzamento::closeEvent(QCloseEvent* evento) {
    // When the program is closing the main window is left as it is.
    if (!ChiusuraProgramma) {
        if (auto* principale = finestre::SeCaricata<Frm_Principale>())
            principale->setEnabled(true);
    }
    evento->accept();
    finestre::Scarica(this);
}

} // namespace klavo
