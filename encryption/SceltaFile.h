#pragma once

// The main window's single-file operations: the file dialog, the checks of the chosen file and
// the password dialog opened in its mode. From the command line the file is the one of the
// request, and every way of ending without the dialog ends the program.

#include <QString>

namespace klavo {

class Frm_Principale;

// Whether the path's mount may be written; a refusal is shown ("Scrittura non consentita ...").
bool ScritturaConsentita(const QString& percorso);

void CriptaFile(Frm_Principale& principale);
void DecriptaFile(Frm_Principale& principale);

} // namespace klavo
