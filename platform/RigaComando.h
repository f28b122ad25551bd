#pragma once

#include <QStringList>

namespace klavo {

// Splits a command line by the Windows rules (those of CommandLineToArgvW): blanks and tabs
// separate arguments outside quotes; a quote opens or closes a quoted part; 2n backslashes
// before a quote give n backslashes and the quote acts, 2n+1 give n and a literal quote;
// other backslashes are kept; "" inside a quoted part gives a literal quote. The program name
// (the first part) ends at its closing quote, backslashes and all.
QStringList DividiRigaComando(const QString& riga);

} // namespace klavo
