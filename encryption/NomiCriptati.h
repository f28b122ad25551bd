#pragma once

// Names and byte layout of encrypted files. An encrypted file lies beside its source under the
// source's full path followed by an 8-character suffix: ".", the algorithm letter ("V" fast,
// "S" secure), "f", the protection letter ("f" no check block, "t" check block), ".###".
// Its bytes: the data area (the source enciphered, as long as the source), then, with the
// protection letter "t", the check block of N bytes and N as two ASCII digits.
// Every operation here is pure text: a suffix out of scheme is not refused, the callers decide.

#include <QString>

#include <cstdint>

namespace klavo {

enum class Algoritmo { Veloce, Sicuro };

inline constexpr qsizetype LunghezzaSuffisso = 8;
inline const QString EstensioneCriptati = QStringLiteral(".###");
// The two length digits record a check block of at most 99 bytes: the password line, so at most
// 97 characters followed by CR LF.
inline constexpr qsizetype CifreLunghezzaBlocco = 2;
inline constexpr qsizetype BloccoControlloMassimo = 99;

// "Veloce" selects the fast cipher, any other setting the secure one.
Algoritmo AlgoritmoImpostato(const QString& algoritmoCodifica);
QChar LetteraDi(Algoritmo algoritmo);

QString NomeCriptato(const QString& origine, Algoritmo algoritmo, bool antiBruteForce);
// The encrypted name less its last 8 characters.
QString NomeOrigine(const QString& criptato);
// The upper-cased 7th and 5th characters from the end; a null character when the name is too
// short to have them.
QChar LetteraAlgoritmo(const QString& criptato);
QChar LetteraProtezione(const QString& criptato);
// The name ends in ".###" (case-sensitive).
bool FileCriptato(const QString& percorso);

// N as its two digits, "07" for 7.
QByteArray CifreLunghezza(qsizetype lunghezzaBlocco);

} // namespace klavo
