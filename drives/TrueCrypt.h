#pragma once

// The TrueCrypt programs of the tc folder: their presence check and the exact parameter lines
// the program sends them. Every start goes through Piattaforma::ApriFile with no working folder.

#include <QString>

namespace klavo::truecrypt {

// Lengths by which the programs of the tc folder are recognised.
inline constexpr qint64 LunghezzaTrueCrypt = 606720;
inline constexpr qint64 LunghezzaTrueCryptFormat = 736768;
inline constexpr qint64 LunghezzaKlavoFormat = 44631;

QString FileTrueCrypt();
QString FileTrueCryptFormat();
QString FileKlavoFormat();

enum class Uso {
    // Opening, closing and starting TrueCrypt: TrueCrypt.exe.
    Drive,
    // Creating a container: TrueCrypt Format.exe and KlavoFormat.exe.
    Creazione,
};

// The one presence check: every program the use needs exists with its exact length. A caller that
// gets false shows MessaggioMancante.
bool Presente(Uso uso = Uso::Drive);
inline const QString MessaggioMancante = QStringLiteral("File richiesto mancante");

// "/v "<container>" /a /q /e"; without "/q" when TrueCrypt's own window handles the closing.
QString ParametriApertura(const QString& contenitore, bool chiusuraDaTrueCrypt = false);
// "/d <drive> /q".
QString ParametriChiusura(const QString& drive);
inline const QString ParametriChiusuraTutti = QStringLiteral("/d /q");

// The drive that holds a chosen folder, as the close line names it: the letter of a path that
// starts with one ("E:\Documenti" gives "E"), otherwise the mount point holding the folder, in
// quotes when it holds a blank. Empty when it cannot be found.
QString DriveDiCartella(const QString& cartella);

// Text that the command-line rules of the programs read back as the one argument given: in
// quotes, a quote inside escaped and the backslashes before it (or before the closing quote)
// doubled. A plain path gives quote + path + quote.
QString TraVirgolette(const QString& argomento);

} // namespace klavo::truecrypt
