#include "shell/Opzioni.h"

#include "shell/Frm_Avanzamento.h"
#include "shell/Impostazioni.h"
#include "shell/common/Errore.h"
#include "shell/common/Finestre.h"
#include "shell/common/Messaggi.h"

namespace klavo {

void SalvaOpzioni(const QString& titolo) {
    auto& avanzamento = finestre::Finestra<Frm_Avanzamento>();
    avanzamento.setWindowTitle(titolo);
    avanzamento.show();
    try {
        ScriviImpostazioni();
    } catch (const Errore& e) {
        Msg(e.messaggio() + QStringLiteral("\r\n\r\nLe opzioni restano in vigore fino alla "
                                           "chiusura del programma."),
            Icona::Esclamazione);
    }
}

} // namespace klavo
