#pragma once

// The terminal of the command-line tool: lines read from standard input, with the echo off when
// it is a terminal.

#include <QString>

#include <optional>

namespace klavo::terminale {

// Standard input is a terminal (a person typing), not a pipe or a file.
bool IngressoInterattivo();
// One line of standard input without its line end; nothing at the end of the input. On a
// terminal the prompt is written to standard error first and, when hidden, the typed characters
// are not echoed (the echo comes back even when the tool is interrupted).
std::optional<QString> LeggiRiga(const QString& prompt, bool nascosta);

} // namespace klavo::terminale
