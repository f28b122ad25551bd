#pragma once

// alarm.jpg, the access log of the program folder: plain text despite its name, one line per
// blocked start (short date, a blank, the time).

#include <QStringList>

namespace klavo {

QString FileRegistroAccessi();
bool EsisteRegistroAccessi();
// Appends the line of a blocked start now. Throws Errore when it cannot be written.
void RegistraAccessoNegato();
// The logged lines, oldest first; empty when there is no log or it cannot be read.
QStringList LeggiRegistroAccessi();
// Deletes the log, not forced: a read-only log stays. False when it was not deleted.
bool EliminaRegistroAccessi();

} // namespace klavo
