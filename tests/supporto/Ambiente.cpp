#include "tests/supporto/Ambiente.h"

#include "shell/common/Finestre.h"
#include "shell/common/Globali.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace klavo::prova {

Ambiente::Ambiente() : piattaforma_(std::make_unique<PiattaformaProva>()) {
    finestre::ScaricaTutte();
    AzzeraGlobali();
    CartellaWindows = piattaforma_->CartellaWindows();
}

Ambiente::~Ambiente() {
    finestre::ScaricaTutte();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    AzzeraGlobali();
}

QString Ambiente::programma(const QString& nome) const {
    return piattaforma_->CartellaProgramma() + QLatin1Char('/') + nome;
}

QString Ambiente::windows(const QString& nome) const {
    return piattaforma_->CartellaWindows() + QLatin1Char('/') + nome;
}

QByteArray Leggi(const QString& percorso) {
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void Scrivi(const QString& percorso, const QByteArray& byte) {
    QFile file(percorso);
    if (file.open(QIODevice::WriteOnly))
        file.write(byte);
}

QByteArray Righe(std::initializer_list<const char*> righe) {
    QByteArray byte;
    for (const char* riga : righe)
        byte += QByteArray(riga) + "\r\n";
    return byte;
}

bool Trascina(QWidget* bersaglio, const QStringList& percorsi, bool rilascia) {
    QMimeData dati;
    QList<QUrl> indirizzi;
    for (const QString& p : percorsi)
        indirizzi.append(QUrl::fromLocalFile(p));
    dati.setUrls(indirizzi);
    const QPoint centro = bersaglio->rect().center();
    QDragEnterEvent entra(centro, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bersaglio, &entra);
    if (!rilascia)
        return entra.isAccepted();
    QDropEvent rilascio(centro, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bersaglio, &rilascio);
    return rilascio.isAccepted();
}

} // namespace klavo::prova
