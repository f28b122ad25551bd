#pragma once

// The password check block: the password line (code page 1252 characters, then CR LF) scrambled
// whole with the check-block seed. It is prepared once per encryption run in Tmp.dl_ and copied
// onto the end of every file encrypted without Anti Brute-Force; before decrypting such a file
// the block is read back and its password compared with the typed one.
//
// The plain password never lies on disk: the block is scrambled before it is written and
// descrambled in memory when read back.

#include <QByteArray>
#include <QString>

namespace klavo {

inline const QString NomeBloccoCorsa = QStringLiteral("Tmp.dl_");

// The block of a password, as it is stored. Throws Errore when the password holds a character
// that code page 1252 cannot hold.
QByteArray BloccoControllo(const QString& password);

// Writes the block of the run into Tmp.dl_ of CartellaWindows, replacing (forcibly) any left
// over. Prepared for every encryption run, with Anti Brute-Force too. Throws Errore.
void PreparaBloccoControllo(const QString& password);
// Deletes Tmp.dl_, read-only or not; nothing happens when it is absent.
void EliminaBloccoControllo();

// Tmp.dl_ for the length of an encryption run: prepared when made, deleted when it goes out of
// scope, whatever happened in between.
class BloccoCorsa {
public:
    explicit BloccoCorsa(const QString& password) { PreparaBloccoControllo(password); }
    ~BloccoCorsa() { EliminaBloccoControllo(); }
    BloccoCorsa(const BloccoCorsa&) = delete;
    BloccoCorsa& operator=(const BloccoCorsa&) = delete;
};

// The password stored at the end of an encrypted file, without its CR LF; sets LunghezzaDati to
// the length of the file's data area. Throws Errore, leaving the file untouched, when the file
// cannot be read or its last two bytes are not two digits or record a block longer than the
// file can hold.
QString LeggiPasswordFile(const QString& file);
// The typed password opens the file: it equals the stored one exactly (letter case and spaces
// included). Sets LunghezzaDati as LeggiPasswordFile does; throws as it does.
bool PasswordCorretta(const QString& file, const QString& password);

} // namespace klavo
