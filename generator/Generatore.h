#pragma once

// The password generator without its window: the four character classes, the exact-count and
// at-least modes, the checks made before a run and the lines of a saved list.

#include "generator/Casuale.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace klavo::generatore {

struct Classe {
    const char* suggerimento; // tooltip of the class's count box
    const char* intestazione; // caption above the count box
    char primo;               // first character of the class; the others follow in code order
    quint32 dimensione;
};

// The index of a class is the value drawn to pick it.
inline constexpr std::array<Classe, 4> Classi = {{
    {"Lettere minuscole", "abc", 'a', 26},
    {"Lettere maiuscole", "ABC", 'A', 26},
    {"Numeri", "123", '0', 10},
    // Codes 33 to 47, from '!' to '/'.
    {"Caratteri speciali", "%?!", '!', 15},
}};

// The fill part of the at-least mode draws only from the first three classes.
inline constexpr quint32 ClassiRiempimento = 3;

inline constexpr int QuotaMassima = 20;         // the count lists offer 0 to 20
inline constexpr int LunghezzaConsigliata = 20; // longer passwords are shown in red and questioned
inline constexpr int LunghezzaMassima = 80;     // the longest password of the at-least mode
inline constexpr int NumeroMassimo = 200;       // the most passwords of one run

// Characters per class, indexed as Classi.
using Quote = std::array<int, Classi.size()>;

int Somma(const Quote& quote);
inline bool Lunga(int lunghezza) {
    return lunghezza > LunghezzaConsigliata;
}

// A character of class c.
QChar Carattere(FonteCasuale& fonte, quint32 classe);

// Somma(quote) characters holding exactly quote[c] characters of each class c: at every position
// a class is drawn from the four, and drawn again while it is already full, so it is chosen
// uniformly among the classes that are not.
QString ParteQuote(FonteCasuale& fonte, const Quote& quote);
// The quota part followed by letters and digits up to the length massimo.
QString PasswordAlmeno(FonteCasuale& fonte, const Quote& quote, int massimo);

QStringList GeneraEsatte(FonteCasuale& fonte, const Quote& quote, int numero);
QStringList GeneraAlmeno(FonteCasuale& fonte, const Quote& quote, int massimo, int numero);

// What a run does before it generates, by its checks in order.
enum class Esito {
    Nulla,         // nothing to generate: the run stops silently
    MassimoMinore, // the maximum length is below the minimum, or not a number
    OltreLimite,   // the maximum length is over LunghezzaMassima
    Conferma,      // very long passwords: the user is asked first
    Genera,
};

Esito ControllaEsatta(const Quote& quote);
// massimo: the typed maximum length, nothing when it is not a number.
Esito ControllaAlmeno(const Quote& quote, std::optional<int> massimo);

// The whole number a length box holds (blanks around it allowed), or nothing.
std::optional<int> Numero(const QString& testo);

// The lines of a saved list, date and time as the system writes them.
QStringList RigheLista(const QStringList& password, const QString& data, const QString& ora);

} // namespace klavo::generatore
