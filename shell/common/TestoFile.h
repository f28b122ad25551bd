#pragma once

// The one reader and writer of Klavo's text files: 8-bit Windows code page 1252, one byte per
// character, every line ended by CR LF. Failures throw Errore with an Italian message.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace klavo::testo {

QString DaCp1252(QByteArrayView byte);
// The first character of the text that code page 1252 cannot hold, if any.
std::optional<QChar> CarattereNonAmmesso(QStringView testo);
// Throws Errore when the text holds a character that code page 1252 cannot hold: such text is
// refused, never written with a substitute.
QByteArray ACp1252(QStringView testo);
// The Italian refusal for a text holding such a character.
QString MessaggioCarattereNonAmmesso(QChar carattere);

// The lines of a text: each ends at CR LF, a lone CR or a lone LF; a last line without an end
// counts as well.
QStringList DividiRighe(QByteArrayView byte);
// Every line encoded and followed by CR LF.
QByteArray UnisciRighe(const QStringList& righe);

QStringList LeggiRighe(const QString& percorso);
// Writes the whole file anew; the old content stays until the new one is complete.
void ScriviRighe(const QString& percorso, const QStringList& righe);
void AggiungiRiga(const QString& percorso, const QString& riga);

} // namespace klavo::testo
