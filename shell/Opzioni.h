#pragma once

#include <QString>

namespace klavo {

// Writes Setting.dat from the options while the wait window shows the caption given. A file that
// cannot be written is reported; the options stay in force for this run.
void SalvaOpzioni(const QString& titolo);

} // namespace klavo
