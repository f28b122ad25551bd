#pragma once

// Win.i_o, the start-up password file of the Windows directory: one line, the password as typed,
// then CR LF, the whole scrambled.

#include <QString>

namespace klavo {

QString FilePasswordAvvio();
bool EsistePasswordAvvio();
// The stored password. Throws Errore when the file cannot be read or does not hold one line
// (empty, or scrambled with another seed).
QString LeggiPasswordAvvio();
// Creates or replaces the file. Throws Errore, before anything is written, for a password that
// code page 1252 cannot hold, and when the file cannot be written.
void ScriviPasswordAvvio(const QString& password);
// Deletes the file, read-only or not. True when no file is left.
bool EliminaPasswordAvvio();

} // namespace klavo
