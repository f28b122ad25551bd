#include "platform/PiattaformaQt.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QInputDialog>
#include <QMessageBox>
#include <QStandardPaths>

namespace klavo {

namespace {

QMessageBox::Icon IconaQt(Icona icona) {
    switch (icona) {
    case Icona::Errore:
        return QMessageBox::Critical;
    case Icona::Domanda:
        return QMessageBox::Question;
    case Icona::Esclamazione:
        return QMessageBox::Warning;
    case Icona::Informazione:
        return QMessageBox::Information;
    case Icona::Nessuna:
        break;
    }
    return QMessageBox::NoIcon;
}

struct Pulsante {
    Risposta risposta;
    QMessageBox::StandardButton qt;
    const char* testo;
};

QList<Pulsante> PulsantiDi(Pulsanti pulsanti) {
    const Pulsante ok{Risposta::OK, QMessageBox::Ok, "OK"};
    const Pulsante annulla{Risposta::Annulla, QMessageBox::Cancel, "Annulla"};
    const Pulsante si{Risposta::Si, QMessageBox::Yes, "&Sì"};
    const Pulsante no{Risposta::No, QMessageBox::No, "&No"};
    const Pulsante riprova{Risposta::Riprova, QMessageBox::Retry, "&Riprova"};
    switch (pulsanti) {
    case Pulsanti::OK:
        return {ok};
    case Pulsanti::OKAnnulla:
        return {ok, annulla};
    case Pulsanti::SiNo:
        return {si, no};
    case Pulsanti::SiNoAnnulla:
        return {si, no, annulla};
    case Pulsanti::RiprovaAnnulla:
        return {riprova, annulla};
    }
    return {ok};
}

} // namespace

Risposta PiattaformaQt::MostraMessaggio(const Messaggio& messaggio) {
    QMessageBox box(IconaQt(messaggio.icona), messaggio.titolo, messaggio.testo,
                    QMessageBox::NoButton, QApplication::activeWindow());
    const QList<Pulsante> pulsanti = PulsantiDi(messaggio.pulsanti);
    for (const Pulsante& p : pulsanti) {
        QAbstractButton* b = box.addButton(p.qt);
        b->setText(QString::fromUtf8(p.testo));
        if (messaggio.predefinito ? *messaggio.predefinito == p.risposta : &p == &pulsanti.front())
            box.setDefaultButton(static_cast<QPushButton*>(b));
    }
    // Closing the box with Esc or its title bar gives the cancelling button's answer.
    const auto esc = std::find_if(pulsanti.begin(), pulsanti.end(), [](const Pulsante& p) {
        return p.risposta == Risposta::Annulla || p.risposta == Risposta::No;
    });
    if (esc != pulsanti.end())
        box.setEscapeButton(esc->qt);
    else
        box.setEscapeButton(pulsanti.front().qt);
    box.exec();
    const auto scelto = box.standardButton(box.clickedButton());
    for (const Pulsante& p : pulsanti) {
        if (p.qt == scelto)
            return p.risposta;
    }
    return pulsanti.size() == 1 ? pulsanti.front().risposta : Risposta::Annulla;
}

QString PiattaformaQt::ChiediTesto(const RichiestaTesto& richiesta) {
    QInputDialog dialogo(QApplication::activeWindow());
    dialogo.setWindowTitle(richiesta.titolo);
    dialogo.setLabelText(richiesta.prompt);
    dialogo.setTextValue(richiesta.predefinito);
    dialogo.setOkButtonText(QStringLiteral("OK"));
    dialogo.setCancelButtonText(QStringLiteral("Annulla"));
    return dialogo.exec() == QDialog::Accepted ? dialogo.textValue() : QString();
}

int PiattaformaQt::EseguiModale(QDialog& finestra) { return finestra.exec(); }

QString PiattaformaQt::CartellaWindows() {
    const QString cartella = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(cartella);
    return QDir::cleanPath(cartella);
}

QString PiattaformaQt::CartellaProgramma() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

QString PiattaformaQt::RigaComando() {
    return QCoreApplication::arguments().mid(1).join(QLatin1Char(' '));
}

void PiattaformaQt::TerminaProgramma() {
    terminato_ = true;
    // exit() leaves every running event loop, modal ones included; before the main loop has
    // started, main() sees Terminato() and does not enter it.
    QCoreApplication::exit(0);
}

QDateTime PiattaformaQt::Adesso() { return QDateTime::currentDateTime(); }

} // namespace klavo
