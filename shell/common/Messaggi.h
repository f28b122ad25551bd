#pragma once

// The one place that shows message and input boxes. A box that names no title carries the
// program's title.

#include "platform/Piattaforma.h"
#include "shell/common/Globali.h"

namespace klavo {

Risposta Msg(const QString& testo, Icona icona, Pulsanti pulsanti = Pulsanti::OK,
             const QString& titolo = TitoloProgramma, std::optional<Risposta> predefinito = {});

QString InputBox(const QString& prompt, const QString& titolo = TitoloProgramma,
                 const QString& predefinito = {});

} // namespace klavo
