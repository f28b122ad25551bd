#pragma once

// The program-wide variables shared by every part of Klavo, and the paths of its own files.

#include <QString>

namespace klavo {

inline const QString TitoloProgramma = QStringLiteral("Klavo");
// The program's home page, written into saved password lists and linked by the about box.
inline const QString IndirizzoSitoWeb = QStringLiteral("https://www.orvane.it/klavo");

// Options of Setting.dat; false and empty until LeggiOpzioni sets them.
inline bool EliminaFileOrigine = false;
inline bool ChiediPasswordAvvio = false;
inline bool SalvaOpzioniUscita = false;
// "Veloce" selects the fast cipher, any other text the secure one.
inline QString AlgoritmoCodifica;

// The folder of the files kept "in the Windows directory", set once at start-up.
inline QString CartellaWindows;

// A command-line request is being served, and its file.
inline bool DaRigaComando = false;
inline QString FileRigaComando;

// Length of the data area of the file being encrypted or decrypted. 64-bit so that files of
// 2 GiB or more are measured correctly.
inline qint64 LunghezzaDati = 0;

// Access to the archive granted for the current opening of the archive window.
inline bool AccessoArchivio = false;

// Back to the values of a program that has just started (used by the tests).
void AzzeraGlobali();

// Full path of a file of the program folder and of the Windows directory.
QString FileProgramma(const QString& nome);
QString FileWindows(const QString& nome);

} // namespace klavo
