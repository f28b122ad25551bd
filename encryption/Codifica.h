#pragma once

// The file cipher routine: one call encrypts or decrypts one file. The data area is processed in
// chunks of 1,048,576 bytes, each XOR-ed with the same key stream: the key index restarts at
// every chunk, so the stream depends only on the position within the chunk. Key value j is the
// code page 1252 code of password character j, plus 1. The secure member (CodificaSicuro)
// enciphers every byte of a chunk; the fast member (CodificaVeloce) the bytes at even offsets
// of the chunk, one key value each, and copies the others unchanged. XOR being its own inverse,
// the same member encrypts and decrypts.
//
// The routine never leaves a partial output: it writes under a temporary name in the output's
// folder and gives the final name only when data, check block and length digits are complete,
// never in place of an existing file. The source is deleted, when EliminaFileOrigine asks it,
// only after that, and then the output is forced to disk before it takes its name.

#include "encryption/NomiCriptati.h"
#include "platform/Piattaforma.h"

#include <QString>

#include <optional>

namespace klavo {

inline constexpr qint64 DimensioneBlocco = 1048576;
// A file of more megabytes than this (rounded, halves to even) is processed only after asking.
inline constexpr qint64 MegabyteSenzaDomanda = 30;
// Encryption refuses sources of 2 GiB or more; decryption takes any length.
inline constexpr qint64 LunghezzaMassimaCriptabile = 2147483647;
inline constexpr qsizetype LunghezzaMassimaPassword = 99;

// What happened to one file.
enum class Esito {
    // The output is complete; the source was deleted when EliminaFileOrigine asked it (a source
    // that could not be deleted was told and stays).
    Fatto,
    // Nothing written: a file of the output name exists, or the large-file question was declined.
    Saltato,
    // Nothing written: the password, the size or the file's data length cannot be used.
    Rifiutato,
    // A failure on the way (reading, writing, the key): no output left, the source in place.
    Fallito,
};

// What the routine asks of its caller: the password dialog shows the messages and the progress
// window, the command-line tool prints them.
class Interlocutore {
public:
    virtual ~Interlocutore() = default;
    // The large-file question (buttons Yes and No): true to go on. Declining skips the file; the
    // dialog then closes its progress window.
    virtual bool ProseguiFileGrande(const Messaggio& domanda) = 0;
    // A message of the routine: a skip, a refusal or a failure, with its icon and title.
    virtual void Mostra(const Messaggio& messaggio) = 0;
    // In a single-file run, before each chunk: the chunk number from 1 and the file's size in
    // megabytes M; a progress bar is then (track width / (M + 1)) x chunk wide.
    virtual void Avanzamento(qint64 blocco, qint64 megabyte) = 0;
};

// The file's size in megabytes, rounded to the nearest whole number with halves to even.
qint64 Megabyte(qint64 lunghezza);

// Why the routine would refuse this password, or nothing: empty, longer than 99 characters, a
// character outside code page 1252, or, when encrypting without Anti Brute-Force, longer than the
// 97 characters the two length digits can record.
std::optional<Messaggio> RifiutoPassword(const QString& password, bool cripta, bool antiBruteForce);

// file: the source (a plain file when encrypting, a ".###" file when decrypting); single: a
// single-file run (progress per chunk, and when encrypting Tmp.dl_ is deleted as the call ends,
// whatever happened); antiBruteForce: when encrypting, no check block is appended and the name
// gets the protection letter "f". Encrypting sets LunghezzaDati to the source's length;
// decrypting processes the LunghezzaDati bytes the caller has set (LeggiPasswordFile, or the
// whole length for an Anti Brute-Force file). Encrypting without Anti Brute-Force appends the
// block of Tmp.dl_, which must be the block of this password.
Esito CodificaVeloce(const QString& file, bool cripta, bool singolo, const QString& password,
                     bool antiBruteForce, Interlocutore& interlocutore);
Esito CodificaSicuro(const QString& file, bool cripta, bool singolo, const QString& password,
                     bool antiBruteForce, Interlocutore& interlocutore);
// The member of the algorithm.
Esito Codifica(Algoritmo algoritmo, const QString& file, bool cripta, bool singolo,
               const QString& password, bool antiBruteForce, Interlocutore& interlocutore);

} // namespace klavo
