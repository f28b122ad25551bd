#pragma once

// The main window's single-file operations: the file dialog, the checks of the chosen file and
// the password dialog opened in its mode. From the command line the file is the one of the
// request, and every way of ending without the dialog ends the program. A file dropped onto a
// button is taken as if chosen in the dialog.

#include <QString>

namespace klavo {

class Frm_Principale;

// Whether the path's mount may be written; a refusal is shown ("Scrittura non consentita ...").
bool ScritturaConsentita(const QString& percorso);

// scelto: a file already chosen (dropped); empty, the dialog asks for one.
void CriptaFile(Frm_Principale& principale, const QString& scelto = {});
void DecriptaFile(Frm_Principale& principale, const QString& scelto = {});

} // namespace klavo
