// klavo-cli: the command-line tool. Its Tmp.dl_ lives in the program's own data folder, the
// one the program keeps as its Windows directory.

#include "encryption/cli/StrumentoCifra.h"
#include "platform/Terminale.h"
#include "shell/common/Globali.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <cstdio>

namespace {

class ConsoleTerminale : public klavo::cli::Console {
public:
    bool Interattiva() const override { return klavo::terminale::IngressoInterattivo(); }
    std::optional<QString> LeggiPassword(const QString& prompt) override {
        return klavo::terminale::LeggiRiga(prompt, true);
    }
    void Scrivi(const QString& riga) override { Stampa(stdout, riga); }
    void Segnala(const QString& riga) override { Stampa(stderr, riga); }

private:
    static void Stampa(std::FILE* flusso, const QString& riga) {
        std::fputs(riga.toLocal8Bit().constData(), flusso);
        if (!riga.endsWith(QLatin1Char('\n')))
            std::fputc('\n', flusso);
        std::fflush(flusso);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // The same names as the program's, hence the same data folder.
    QCoreApplication::setApplicationName(QStringLiteral("Klavo"));
    QCoreApplication::setOrganizationName(QStringLiteral("Klavo"));
    const QString cartella = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!QDir().mkpath(cartella)) {
        std::fprintf(stderr, "Impossibile creare la cartella dei dati di Klavo: %s\n",
                     cartella.toLocal8Bit().constData());
        return klavo::cli::UscitaFileNonElaborati;
    }
    klavo::CartellaWindows = QDir::cleanPath(cartella);
    ConsoleTerminale console;
    return klavo::cli::Esegui(QCoreApplication::arguments().sliced(1), console);
}
