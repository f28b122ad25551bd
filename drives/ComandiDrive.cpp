#include "drives/ComandiDrive.h"

#include "drives/TrueCrypt.h"
#include "shell/common/Messaggi.h"

#include <QFileInfo>

namespace klavo::drive {

namespace {

// The presence check of the main window's items; false after its message.
bool TrueCryptPronto() {
    if (truecrypt::Presente())
        return true;
    Msg(truecrypt::MessaggioMancante, Icona::Esclamazione);
    return false;
}

void Avvia(const QString& parametri) {
    Piattaforma::attuale().ApriFile(truecrypt::FileTrueCrypt(), parametri, QString());
}

} // namespace

void ApriDrive() {
    if (!TrueCryptPronto())
        return;
    const QString contenitore = Piattaforma::attuale().ScegliFile(
        {RichiestaFile::Tipo::Apri, QStringLiteral("Apri"),
         QStringLiteral("Drive virtuale criptato (*.kevd)"), QString()});
    if (!contenitore.isEmpty())
        Avvia(truecrypt::ParametriApertura(contenitore));
}

void AvviaTrueCrypt() {
    if (TrueCryptPronto())
        Avvia(QString());
}

void ChiudiDrive(Controllo controllo) {
    if (controllo == Controllo::Presenza && !TrueCryptPronto())
        return;
    const QString cartella = Piattaforma::attuale().ScegliCartella(
        QStringLiteral("Selezionare il Drive Virtuale Criptato da chiudere:"));
    if (cartella.isEmpty() || !QFileInfo(cartella).isDir())
        return;
    const QString drive = truecrypt::DriveDiCartella(cartella);
    if (!drive.isEmpty())
        Avvia(truecrypt::ParametriChiusura(drive));
}

void ChiudiTutti(Controllo controllo) {
    if (controllo == Controllo::Presenza && !TrueCryptPronto())
        return;
    Avvia(truecrypt::ParametriChiusuraTutti);
}

} // namespace klavo::drive
