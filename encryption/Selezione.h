#pragma once

// The checks the main window makes before the password dialog opens: whether the medium of a
// path may be written, whether a chosen file can be encrypted or decrypted, and the arithmetic
// of a run over the entries of a folder's list.

#include "platform/Piattaforma.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace klavo {

inline const QString MsgScritturaNonConsentita =
    QStringLiteral("Scrittura non consentita nel percorso selezionato.\r\n\r\nRimuovere la "
                   "protezione dal disco o indicare un percorso diverso.");
inline const QString MsgCartellaNonValida =
    QStringLiteral("La cartella selezionata non è valida o è stata rimossa");

// The mount holding a path, as /proc/self/mountinfo describes it.
struct Montaggio {
    QString punto;
    QString tipo;
    // "major:minor" of the device.
    QString dispositivo;
};

// The mount of the longest mount point that holds the absolute path; nothing when no line does.
std::optional<Montaggio> MontaggioDi(const QString& mountinfo, const QString& percorso);

struct EsitoScrittura {
    bool consentita = false;
    // Shown before the refusal: why the check itself could not be made.
    std::optional<Messaggio> avviso;
};

// Whether the medium of the path may be written: a CD or DVD file system never, a removable
// device when the empty file Tmp.000 can be created and deleted at its mount point, anything
// else always.
EsitoScrittura VerificaScrittura(const QString& percorso);

// Why a file chosen for encryption (or decryption) cannot be, or nothing. ripeti: the file
// dialog opens again after the message.
struct RifiutoFile {
    Messaggio messaggio;
    bool ripeti = false;
};
std::optional<RifiutoFile> RifiutoDaCriptare(const QString& file);
std::optional<RifiutoFile> RifiutoDaDecriptare(const QString& file);

// A folder's list holds at most this many entries (its counter is a 16-bit number).
inline constexpr qsizetype MassimoVoci = 32767;
inline const QString MsgMassimoVoci =
    QStringLiteral("Raggiunto il numero massimo di file. Solo quelli presenti nella lista "
                   "verranno codificati.");

// A file of a folder belongs in the list to encrypt (or decrypt) it: longer than one byte, and
// without (with) the ".###" suffix.
bool DaElencare(const QString& nome, qint64 lunghezza, bool cripta);

// Appends to voci the paths, relative to radice, of the regular files of cartella that belong in
// the list, sorted by name, then with sottocartelle those of each sub-folder (links are neither
// listed nor followed). avanzamento gets the number of entries after every file looked at. False
// when the listing stopped at MassimoVoci.
bool AggiungiFile(const QString& cartella, const QString& radice, bool sottocartelle, bool cripta,
                  QStringList& voci, const std::function<void(qsizetype)>& avanzamento);

// Some entry has the protection letter "F": such a file, decrypted with a wrong password, comes
// out as wrong bytes with nothing to tell.
bool ContieneAntiBruteForce(const QStringList& voci);

// The full path of a list entry: the folder, one separator unless the folder already ends with
// one, the entry (a path relative to the folder).
QString PercorsoVoce(const QString& cartella, const QString& voce);

// Width of the progress bar after fatti of the totale selected entries, never past the track.
int LarghezzaAvanzamento(int traccia, qsizetype fatti, qsizetype totale);

} // namespace klavo
