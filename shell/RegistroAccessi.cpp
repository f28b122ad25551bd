#include "shell/RegistroAccessi.h"

#include "platform/Piattaforma.h"
#include "shell/common/Errore.h"
#include "shell/common/File.h"
#include "shell/common/Globali.h"
#include "shell/common/TestoFile.h"

#include <QFileInfo>

namespace klavo {

QString FileRegistroAccessi() {
    return FileProgramma(QStringLiteral("alarm.jpg"));
}

bool EsisteRegistroAccessi() {
    return QFileInfo::exists(FileRegistroAccessi());
}

void RegistraAccessoNegato() {
    Piattaforma& p = Piattaforma::attuale();
    const QDateTime adesso = p.Adesso();
    testo::AggiungiRiga(FileRegistroAccessi(),
                        p.DataBreve(adesso.date()) + QLatin1Char(' ') + p.OraBreve(adesso.time()));
}

QStringList LeggiRegistroAccessi() {
    if (!EsisteRegistroAccessi())
        return {};
    try {
        return testo::LeggiRighe(FileRegistroAccessi());
    } catch (const Errore&) {
        return {};
    }
}

bool EliminaRegistroAccessi() {
    return EliminaFile(FileRegistroAccessi(), false);
}

} // namespace klavo
