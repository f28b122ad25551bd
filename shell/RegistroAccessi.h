#pragma once

// alarm.jpg, the access log of the program folder: plain text despite its name, one line per
// blocked start (short date, a blank, the time).

#include <QStringList>

namespace klavo {

QString FileRegistroAccessi();
bool EsisteRegistroAccessi();
// Appends the line of a blocked start now. Throws Errore when it cannot be written.
void RegistraAccessoNegato();

} // namespace klavo
