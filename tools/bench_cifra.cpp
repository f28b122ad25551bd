// Times the file cipher on a large file (1024 MiB by default, or the size in MiB given first)
// in a folder (the second argument, else the current one), over a number of rounds (the third,
// 5 by default): each member encrypting and decrypting, beside a plain copy with the same chunk
// size, and a copy committed as the routine commits when it deletes the source, followed by the
// source's deletion, in the same run.
// Then the peak resident memory of klavo-cli on a 1 MiB file and on the large one.

#include "encryption/BloccoControllo.h"
#include "encryption/Codifica.h"
#include "shell/common/Globali.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr qint64 Blocco = 1048576;
const QString Password = QStringLiteral("Prova di velocità 2026");

class Muto : public klavo::Interlocutore {
public:
    bool ProseguiFileGrande(const klavo::Messaggio&) override { return true; }
    void Mostra(const klavo::Messaggio& m) override {
        std::fprintf(stderr, "%s\n", m.testo.toLocal8Bit().constData());
    }
    void Avanzamento(qint64, qint64) override {}
};

bool Crea(const QString& percorso, qint64 mib) {
    QFile file(percorso);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray blocco(Blocco, Qt::Uninitialized);
    QRandomGenerator g(7);
    for (qint64 i = 0; i < mib; ++i) {
        g.fillRange(reinterpret_cast<quint32*>(blocco.data()), Blocco / 4);
        if (file.write(blocco) != Blocco)
            return false;
    }
    return true;
}

// The reference: one read and one write per chunk, nothing else; with durable, the output is
// also committed as the routine commits it (a temporary name, flushed to disk, renamed).
bool Copia(const QString& da, const QString& a, bool durevole) {
    QFile sorgente(da);
    if (!sorgente.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    QSaveFile salvato(a);
    QFile semplice(a);
    QFileDevice& uscita = durevole ? static_cast<QFileDevice&>(salvato) : semplice;
    if (!uscita.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    QByteArray buffer(Blocco, Qt::Uninitialized);
    for (qint64 n; (n = sorgente.read(buffer.data(), Blocco)) > 0;) {
        if (uscita.write(buffer.constData(), n) != n)
            return false;
    }
    return !durevole || salvato.commit();
}

// Runs klavo-cli with the password on its standard input; its peak resident memory in KiB.
long PiccoCli(const QString& cli, const QStringList& argomenti, const QString& casa) {
    int tubo[2];
    if (pipe(tubo) != 0)
        return -1;
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_adddup2(&azioni, tubo[0], STDIN_FILENO);
    posix_spawn_file_actions_addclose(&azioni, tubo[1]);
    posix_spawn_file_actions_addopen(&azioni, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<QByteArray> parti{cli.toLocal8Bit()};
    for (const QString& a : argomenti)
        parti.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& p : parti)
        argv.push_back(p.data());
    argv.push_back(nullptr);
    qputenv("XDG_DATA_HOME", casa.toLocal8Bit());
    pid_t figlio = 0;
    const int errore = posix_spawn(&figlio, argv[0], &azioni, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&azioni);
    close(tubo[0]);
    const QByteArray riga = Password.toUtf8() + '\n';
    if (errore == 0 && write(tubo[1], riga.constData(), static_cast<size_t>(riga.size())) < 0)
        std::perror("write");
    close(tubo[1]);
    if (errore != 0)
        return -1;
    int stato = 0;
    rusage uso{};
    if (wait4(figlio, &stato, 0, &uso) != figlio || !WIFEXITED(stato) || WEXITSTATUS(stato) != 0)
        return -1;
    return uso.ru_maxrss;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const qint64 mib = argc > 1 ? QByteArray(argv[1]).toLongLong() : 1024;
    const int giri = argc > 3 ? QByteArray(argv[3]).toInt() : 5;
    QTemporaryDir cartella(QDir(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::currentPath())
                               .filePath(QStringLiteral("bench_cifra-XXXXXX")));
    QTemporaryDir windows;
    if (mib <= 0 || giri <= 0 || !cartella.isValid() || !windows.isValid())
        return 1;
    klavo::CartellaWindows = windows.path();
    const QString origine = cartella.filePath(QStringLiteral("dati.bin"));
    if (!Crea(origine, mib))
        return 1;
    const double mb = static_cast<double>(mib * Blocco) / 1e6;
    std::printf("File di %lld MiB in %s\n", static_cast<long long>(mib),
                qPrintable(cartella.path()));

    Muto muto;
    const QString copia = cartella.filePath(QStringLiteral("copia.bin"));
    const QString conservato = origine + QStringLiteral(".originale");
    const auto Nessuno = [] { return true; };
    const auto Rimuovi = [](const QString& f) { return [f] { return QFile::remove(f); }; };
    // Before, timed, after: only the middle one is timed. Each operation of the routine is
    // measured against a copy that does the same to the disk: the plain copy, or, when the
    // source is deleted, the copy committed to disk followed by the source's deletion.
    struct Prova {
        const char* nome;
        const char* riferimento;
        std::function<bool()> prima, misurata, dopo;
    };
    const char* const Semplice = "copia semplice";
    const char* const Durevole = "copia durevole, elimina";
    std::vector<Prova> prove{
        {Semplice, nullptr, Nessuno, [&] { return Copia(origine, copia, false); }, Rimuovi(copia)},
        {Durevole, nullptr, Nessuno,
         [&] { return Copia(origine, copia, true) && QFile::remove(origine); },
         [&] { return QFile::rename(copia, origine); }},
    };
    const auto Cripta = [&](const char* nome, klavo::Algoritmo a, bool elimina) {
        prove.push_back({nome, elimina ? Durevole : Semplice,
                         [elimina] {
                             klavo::EliminaFileOrigine = elimina;
                             klavo::PreparaBloccoControllo(Password);
                             return true;
                         },
                         [&, a] {
                             return klavo::Codifica(a, origine, true, false, Password, false,
                                                    muto) == klavo::Esito::Fatto;
                         },
                         [] {
                             klavo::EliminaBloccoControllo();
                             return true;
                         }});
    };
    // Kept, the source steps aside for its decrypted copy, which then takes its place.
    const auto Decripta = [&](const char* nome, klavo::Algoritmo a, bool elimina) {
        const QString criptato = klavo::NomeCriptato(origine, a, false);
        prove.push_back({nome, elimina ? Durevole : Semplice,
                         [&, elimina] {
                             klavo::EliminaFileOrigine = elimina;
                             return elimina || QFile::rename(origine, conservato);
                         },
                         [&, a, criptato] {
                             return klavo::PasswordCorretta(criptato, Password) &&
                                    klavo::Codifica(a, criptato, false, false, Password, false,
                                                    muto) == klavo::Esito::Fatto;
                         },
                         [&, elimina, criptato] {
                             return elimina ||
                                    (QFile::remove(conservato) && QFile::remove(criptato));
                         }});
    };
    // On this machine the operation that follows the write-back of a fresh 1 GiB file (forced
    // by the sync() below) is slowed, whatever it is: a plain copy takes that place after each
    // encryption that keeps its output unsynced, and shows the effect.
    const auto CopiaDopo = [&](const char* nome) {
        prove.push_back({nome, Semplice, Nessuno, [&] { return Copia(origine, copia, false); },
                         Rimuovi(copia)});
    };
    Cripta("Sicuro, cripta", klavo::Algoritmo::Sicuro, false);
    CopiaDopo("(copia dopo Sicuro)");
    Decripta("Sicuro, decripta", klavo::Algoritmo::Sicuro, false);
    Cripta("Sicuro, cripta, elimina", klavo::Algoritmo::Sicuro, true);
    Decripta("Sicuro, decripta, elimina", klavo::Algoritmo::Sicuro, true);
    Cripta("Veloce, cripta", klavo::Algoritmo::Veloce, false);
    CopiaDopo("(copia dopo Veloce)");
    Decripta("Veloce, decripta", klavo::Algoritmo::Veloce, false);
    Cripta("Veloce, cripta, elimina", klavo::Algoritmo::Veloce, true);
    Decripta("Veloce, decripta, elimina", klavo::Algoritmo::Veloce, true);

    // Rounds interleaved, so that the disk's moods (a shared machine, a file system that
    // discards freed blocks) fall on every operation alike; the median and the best of each.
    std::map<std::string, std::vector<double>> tempi;
    for (int giro = 0; giro < giri; ++giro) {
        for (const Prova& prova : prove) {
            bool riuscita = prova.prima();
            // Every operation starts with nothing left to write back from the one before.
            sync();
            QElapsedTimer t;
            t.start();
            riuscita = riuscita && prova.misurata();
            const qint64 ns = t.nsecsElapsed();
            if (!(riuscita && prova.dopo())) {
                std::fprintf(stderr, "%s: non riuscito\n", prova.nome);
                return 1;
            }
            tempi[prova.nome].push_back(static_cast<double>(ns) / 1e9);
        }
    }
    for (auto& [nome, v] : tempi)
        std::sort(v.begin(), v.end());
    const auto Mediana = [&](const char* nome) { return mb / tempi[nome][tempi[nome].size() / 2]; };
    const auto Migliore = [&](const char* nome) { return mb / tempi[nome].front(); };
    std::printf("%d giri, MB/s: mediana, migliore, e in %% della copia di riferimento\n", giri);
    std::printf("%-27s %8s %8s %9s %9s  %s\n", "", "mediana", "migliore", "% (med.)", "% (mig.)",
                "riferimento");
    for (const Prova& prova : prove) {
        std::printf("%-27s %8.0f %8.0f", prova.nome, Mediana(prova.nome), Migliore(prova.nome));
        if (prova.riferimento)
            std::printf(
                " %8.0f%% %8.0f%%  %s", 100 * Mediana(prova.nome) / Mediana(prova.riferimento),
                100 * Migliore(prova.nome) / Migliore(prova.riferimento), prova.riferimento);
        std::printf("\n");
    }

    std::fflush(stdout);
    const QString cli = QCoreApplication::applicationDirPath() + QStringLiteral("/klavo-cli");
    const QString piccolo = cartella.filePath(QStringLiteral("piccolo.bin"));
    if (!Crea(piccolo, 1))
        return 1;
    for (const QString& file : {piccolo, origine}) {
        const long picco = PiccoCli(cli, {QStringLiteral("cripta"), file}, windows.path());
        QFile::remove(klavo::NomeCriptato(file, klavo::Algoritmo::Sicuro, false));
        std::printf("klavo-cli cripta, %s MiB: picco di memoria residente %ld KiB\n",
                    file == piccolo ? "1" : qPrintable(QString::number(mib)), picco);
        if (picco < 0)
            return 1;
    }
    return 0;
}
