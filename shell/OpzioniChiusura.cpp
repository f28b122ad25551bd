#include "shell/OpzioniChiusura.h"

#include "shell/common/Errore.h"
#include "shell/common/Globali.h"
#include "shell/common/TestoFile.h"

#include <QFileInfo>

namespace klavo {

QString FileOpzioniChiusura() {
    return FileProgramma(QStringLiteral("drv.dll"));
}

QString LeggiOpzioneChiusura() {
    if (!QFileInfo::exists(FileOpzioniChiusura()))
        return {};
    try {
        const QStringList righe = testo::LeggiRighe(FileOpzioniChiusura());
        return righe.isEmpty() ? QString() : righe.front();
    } catch (const Errore&) {
        return {};
    }
}

void ScriviOpzioneChiusura(const QString& nome) {
    testo::ScriviRighe(FileOpzioniChiusura(), nome.isEmpty() ? QStringList() : QStringList{nome});
}

} // namespace klavo
