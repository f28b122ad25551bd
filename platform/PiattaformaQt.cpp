#include "platform/PiattaformaQt.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QUrl>

#include "platform/FinestraGuida.h"
#include "platform/RigaComando.h"

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

QString PiattaformaQt::ScegliFile(const RichiestaFile& richiesta) {
    QWidget* padre = QApplication::activeWindow();
    if (richiesta.tipo == RichiestaFile::Tipo::Salva)
        return QFileDialog::getSaveFileName(padre, richiesta.titolo, richiesta.iniziale,
                                            richiesta.filtro, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    return QFileDialog::getOpenFileName(padre, richiesta.titolo, richiesta.iniziale,
                                        richiesta.filtro);
}

QString PiattaformaQt::ScegliCartella(const QString& titolo) {
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), titolo);
}

bool PiattaformaQt::AvviaComando(const QString& rigaComando) {
    const QStringList parti = DividiRigaComando(rigaComando);
    if (parti.isEmpty())
        return false;
    return QProcess::startDetached(parti.front(), parti.mid(1));
}

bool PiattaformaQt::ApriFile(const QString& file, const QString& parametri,
                             const QString& cartella) {
    const QFileInfo info(file);
    if (info.suffix().compare(QLatin1String("url"), Qt::CaseInsensitive) == 0) {
        const QSettings scorciatoia(file, QSettings::IniFormat);
        const QString indirizzo =
            scorciatoia.value(QStringLiteral("InternetShortcut/URL")).toString();
        return !indirizzo.isEmpty() && QDesktopServices::openUrl(QUrl(indirizzo));
    }
    if (info.isFile() && info.isExecutable())
        return QProcess::startDetached(file, DividiRigaComando(parametri), cartella);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

void PiattaformaQt::MostraGuida(const QString& fileGuida) {
    if (!guida_) {
        guida_ = new FinestraGuida;
        guida_->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (!guida_->Apri(fileGuida)) {
        delete guida_;
        MostraMessaggio({QStringLiteral("Impossibile aprire la guida \"%1\".")
                             .arg(QDir::toNativeSeparators(fileGuida)),
                         QCoreApplication::applicationName(), Icona::Esclamazione});
        return;
    }
    guida_->show();
    guida_->raise();
    guida_->activateWindow();
}

bool PiattaformaQt::AggiungiIconaNotifica(QWidget& finestra, const QString& suggerimento,
                                          std::function<void(int)> evento) {
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return false;
    RimuoviIconaNotifica(finestra);
    auto* icona = new QSystemTrayIcon(finestra.windowIcon(), &finestra);
    icona->setToolTip(suggerimento);
    QObject::connect(icona, &QSystemTrayIcon::activated, icona,
                     [evento = std::move(evento)](QSystemTrayIcon::ActivationReason motivo) {
                         if (motivo == QSystemTrayIcon::DoubleClick)
                             evento(515);
                         else if (motivo == QSystemTrayIcon::Context)
                             evento(516);
                     });
    icona->show();
    iconeNotifica_.insert(&finestra, icona);
    return true;
}

void PiattaformaQt::RimuoviIconaNotifica(QWidget& finestra) {
    if (QSystemTrayIcon* icona = iconeNotifica_.take(&finestra)) {
        icona->hide();
        icona->deleteLater();
    }
}

QString PiattaformaQt::TestoAppunti() {
    return QGuiApplication::clipboard()->text();
}

void PiattaformaQt::ImpostaTestoAppunti(const QString& testo) {
    QGuiApplication::clipboard()->setText(testo);
}

int PiattaformaQt::EseguiModale(QDialog& finestra) {
    return finestra.exec();
}

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

QDateTime PiattaformaQt::Adesso() {
    return QDateTime::currentDateTime();
}

} // namespace klavo
