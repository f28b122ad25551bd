#pragma once

// klavo-cli: encrypts and decrypts files from a command line with the cipher routine of the
// program and its file formats, for scripts and for people without a desktop.

#include <QString>
#include <QStringList>

#include <optional>

namespace klavo::cli {

// Where the tool reads its password and writes its lines.
class Console {
public:
    virtual ~Console() = default;
    // A person types the password: it is asked twice when encrypting.
    virtual bool Interattiva() const = 0;
    // One password line; nothing at the end of the input.
    virtual std::optional<QString> LeggiPassword(const QString& prompt) = 0;
    // A line of standard output (what was done) and of standard error (messages).
    virtual void Scrivi(const QString& riga) = 0;
    virtual void Segnala(const QString& riga) = 0;
};

// Exit statuses.
inline constexpr int UscitaRiuscita = 0;
// Some file was skipped, refused or failed.
inline constexpr int UscitaFileNonElaborati = 1;
inline constexpr int UscitaRigaErrata = 2;

QString Uso();

// The arguments after the program's name. CartellaWindows must be set: Tmp.dl_ lives there.
int Esegui(const QStringList& argomenti, Console& console);

} // namespace klavo::cli
