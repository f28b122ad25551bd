#pragma once

// drv.dll, the closing option of the program folder: one line naming the option button chosen
// for a container opened from the shell.

#include <QString>

namespace klavo {

QString FileOpzioniChiusura();

// "Option1": stay as a notification-area icon; "Option2": TrueCrypt handles the closing;
// "Option3": closing not handled.
inline const QString OpzioneTraybar = QStringLiteral("Option1");
inline const QString OpzioneTrueCrypt = QStringLiteral("Option2");
inline const QString OpzioneNessunaGestione = QStringLiteral("Option3");

// The first line of drv.dll; empty when the file is missing, empty or unreadable, all of which
// mean that no option was chosen.
QString LeggiOpzioneChiusura();
// Replaces drv.dll with the name as its one line, or with an empty file for an empty name.
// Throws Errore when it cannot be written.
void ScriviOpzioneChiusura(const QString& nome);

} // namespace klavo
