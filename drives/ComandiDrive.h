#pragma once

// The drive commands of the main window's "Drive Virtuale Criptato" menu and of the
// notification-area menu: each starts TrueCrypt with its line. The main window's items check
// that TrueCrypt is present first; the tray menu's items start it as it is.

namespace klavo::drive {

enum class Controllo { Presenza, Nessuno };

// "Apri...": a container chosen in the open dialog.
void ApriDrive();
// "Avvia TrueCrypt".
void AvviaTrueCrypt();
// "Chiudi...": the drive of a folder chosen in the folder-browse dialog.
void ChiudiDrive(Controllo controllo);
// "Chiudi tutti i Drive aperti".
void ChiudiTutti(Controllo controllo);

} // namespace klavo::drive
