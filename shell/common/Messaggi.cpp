#include "shell/common/Messaggi.h"

namespace klavo {

Risposta Msg(const QString& testo, Icona icona, Pulsanti pulsanti, const QString& titolo,
             std::optional<Risposta> predefinito) {
    return Piattaforma::attuale().MostraMessaggio({testo, titolo, icona, pulsanti, predefinito});
}

QString InputBox(const QString& prompt, const QString& titolo, const QString& predefinito) {
    return Piattaforma::attuale().ChiediTesto({prompt, titolo, predefinito});
}

} // namespace klavo
