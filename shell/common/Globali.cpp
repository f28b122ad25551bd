#include "shell/common/Globali.h"

#include "platform/Piattaforma.h"

namespace klavo {

void AzzeraGlobali() {
    EliminaFileOrigine = false;
    ChiediPasswordAvvio = false;
    SalvaOpzioniUscita = false;
    AlgoritmoCodifica.clear();
    CartellaWindows.clear();
    DaRigaComando = false;
    FileRigaComando.clear();
    LunghezzaDati = 0;
    AccessoArchivio = false;
}

QString FileProgramma(const QString& nome) {
    return Piattaforma::attuale().CartellaProgramma() + QLatin1Char('/') + nome;
}

QString FileWindows(const QString& nome) {
    return CartellaWindows + QLatin1Char('/') + nome;
}

} // namespace klavo
