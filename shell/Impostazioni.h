#pragma once

// Setting.dat, the options file of the program folder: its reading into the program-wide
// options and its writing from them.

#include <QStringList>

namespace klavo {

QString FileImpostazioni();

// The seven lines the program writes, from the current options or with the defaults.
QStringList RigheImpostazioni();
QStringList RigheImpostazioniPredefinite();

// Writes the default file when there is none. Throws Errore when it cannot be written.
void CreaImpostazioniPredefinite();

// Reads Setting.dat into the options; a missing file leaves them as they are. Throws Errore when
// the file exists but cannot be read.
void LeggiOpzioni();

// Rewrites Setting.dat from the options. Throws Errore when it cannot be written.
void ScriviImpostazioni();

} // namespace klavo
