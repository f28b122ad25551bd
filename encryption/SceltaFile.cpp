#include "encryption/SceltaFile.h"

#include "encryption/Frm_Password2.h"
#include "encryption/Selezione.h"
#include "shell/Frm_Principale.h"
#include "shell/common/Globali.h"
#include "shell/common/Messaggi.h"

namespace klavo {

bool ScritturaConsentita(const QString& percorso) {
    const EsitoScrittura esito = VerificaScrittura(percorso);
    if (esito.avviso)
        Msg(esito.avviso->testo, esito.avviso->icona);
    if (esito.consentita)
        return true;
    Msg(MsgScritturaNonConsentita, Icona::Esclamazione);
    return false;
}

namespace {

enum class Operazione { Cripta, Decripta };

// A request of the command line that opens no dialog would leave the program running unseen.
void Fine() {
    if (DaRigaComando)
        Piattaforma::attuale().TerminaProgramma();
}

void SceltaFile(Frm_Principale& principale, Operazione operazione, const QString& scelto) {
    const bool cripta = operazione == Operazione::Cripta;
    QString& nome = principale.CommonDialog1.FileName;
    bool daChiedere = !DaRigaComando && scelto.isEmpty();
    if (!DaRigaComando)
        nome = scelto;
    for (;;) {
        if (daChiedere) {
            RichiestaFile richiesta;
            richiesta.filtro = cripta ? QStringLiteral("Tutti i file (*.*)")
                                      : QStringLiteral("File criptati (*.###)");
            richiesta.iniziale = nome;
            const QString risposta = Piattaforma::attuale().ScegliFile(richiesta);
            principale.repaint();
            if (risposta.isEmpty())
                return Fine();
            nome = risposta;
        }
        daChiedere = true;
        if (!ScritturaConsentita(nome))
            return Fine();
        const std::optional<RifiutoFile> rifiuto =
            cripta ? RifiutoDaCriptare(nome) : RifiutoDaDecriptare(nome);
        if (!rifiuto)
            break;
        Msg(rifiuto->messaggio.testo, rifiuto->messaggio.icona);
        if (!rifiuto->ripeti)
            return Fine();
    }
    Frm_Password2::Apri(
        cripta ? Frm_Password2::Modo::CriptaFile : Frm_Password2::Modo::DecriptaFile, nome);
}

} // namespace

void CriptaFile(Frm_Principale& principale, const QString& scelto) {
    SceltaFile(principale, Operazione::Cripta, scelto);
}

void DecriptaFile(Frm_Principale& principale, const QString& scelto) {
    SceltaFile(principale, Operazione::Decripta, scelto);
}

} // namespace klavo
