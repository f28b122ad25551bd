#pragma once

// VLHLP.hlp, the program's help file, as the build assembles it from the pages of
// resources/guida: UTF-8 HTML, lines ended by LF, made of
//   <!DOCTYPE html>
//   <html lang="it">
//   <head><meta charset="utf-8"><title>Guida di Klavo</title></head>
//   <body>
//   the pages, in the order of their file names, each as it stands
//   </body>
//   </html>
// Every page starts with the line <h1>Title</h1>, and no other line of a page starts with <h1> or
// is </body>. A topic is a page: from its <h1> line to the next one, or to </body>. Pages write
// characters as they are (UTF-8); of the named entities the search reads those of markup and of
// Italian text (&amp; &lt; &gt; &quot; &apos; &nbsp; &laquo; &raquo; &agrave; &egrave; &eacute;
// &igrave; &ograve; &ugrave; &Egrave; &hellip;) and numeric ones.

#include <QList>
#include <QString>

#include <optional>

namespace klavo::guida {

struct Argomento {
    QString titolo;
    QString html;
    // The text without markup, as the search reads it.
    QString testo;
};

QList<Argomento> LeggiArgomenti(const QString& html);
// The topics of a help file; nothing when it cannot be read or holds no topic.
std::optional<QList<Argomento>> ApriGuida(const QString& file);

// Whether every word of the search occurs in the topic's title or text, letter case and accents
// aside. An empty search matches every topic.
bool Corrisponde(const Argomento& argomento, const QString& ricerca);
// Text with letter case and accents folded away, for comparing words.
QString Piega(const QString& testo);

} // namespace klavo::guida
