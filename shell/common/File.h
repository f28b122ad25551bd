#pragma once

// File operations shared by every part of the program. Failures throw Errore with an Italian
// message naming the file.

#include <QByteArray>
#include <QString>

class QFileDevice;

namespace klavo {

QByteArray LeggiFile(const QString& percorso);
// Replaces the file whole: the bytes reach the final name only once completely written.
void ScriviFile(const QString& percorso, const QByteArray& dati);
// A file is read-only when its owner may not write it (the read-only attribute of the file, which
// holds for every user, the administrator included).
bool SolaLettura(const QString& percorso);
// Deletes a file; not forced, a read-only file is refused. False when it was not deleted.
bool EliminaFile(const QString& percorso, bool forzato);

// The Italian text of the last error of a file, for messages.
QString DescrizioneErrore(const QFileDevice& file);
QString MessaggioLettura(const QFileDevice& file);
QString MessaggioScrittura(const QFileDevice& file);

} // namespace klavo
