#include "encryption/cli/StrumentoCifra.h"

#include "encryption/BloccoControllo.h"
#include "encryption/Codifica.h"
#include "encryption/NomiCriptati.h"
#include "shell/common/Errore.h"
#include "shell/common/Globali.h"

#include <QFileInfo>

namespace klavo::cli {

namespace {

struct Richiesta {
    bool cripta = true;
    Algoritmo algoritmo = Algoritmo::Sicuro;
    bool antiBruteForce = false;
    bool elimina = false;
    QStringList file;
};

QString Riga(QString testo) {
    return testo.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// The routine's messages, each after the name of its file; no large-file question here.
class Risposte : public Interlocutore {
public:
    Risposte(Console& console, const QString& file) : console_(console), file_(file) {}
    bool ProseguiFileGrande(const Messaggio&) override { return true; }
    void Mostra(const Messaggio& messaggio) override { Segnala(messaggio.testo); }
    void Avanzamento(qint64, qint64) override {}
    void Segnala(const QString& testo) {
        console_.Segnala(file_ + QStringLiteral(": ") + Riga(testo));
    }

private:
    Console& console_;
    const QString& file_;
};

// The reason the command line is wrong, or nothing.
std::optional<QString> Analizza(const QStringList& argomenti, Richiesta& richiesta) {
    if (argomenti.isEmpty())
        return QStringLiteral("Indicare cripta o decripta.");
    const QString& comando = argomenti.first();
    if (comando == QLatin1String("decripta"))
        richiesta.cripta = false;
    else if (comando != QLatin1String("cripta"))
        return QStringLiteral("Comando sconosciuto: %1").arg(comando);
    bool opzioni = true;
    for (const QString& a : argomenti.sliced(1)) {
        if (!opzioni || !a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) {
            richiesta.file.append(a);
        } else if (a == QLatin1String("--")) {
            opzioni = false;
        } else if (a == QLatin1String("-e") || a == QLatin1String("--elimina")) {
            richiesta.elimina = true;
        } else if (!richiesta.cripta) {
            return QStringLiteral("Opzione non valida per decripta: %1 (algoritmo e Anti "
                                  "Brute-Force si leggono dal nome del file).")
                .arg(a);
        } else if (a == QLatin1String("-v") || a == QLatin1String("--veloce")) {
            richiesta.algoritmo = Algoritmo::Veloce;
        } else if (a == QLatin1String("-s") || a == QLatin1String("--sicuro")) {
            richiesta.algoritmo = Algoritmo::Sicuro;
        } else if (a == QLatin1String("-a") || a == QLatin1String("--anti-brute-force")) {
            richiesta.antiBruteForce = true;
        } else {
            return QStringLiteral("Opzione sconosciuta: %1").arg(a);
        }
    }
    if (richiesta.file.isEmpty())
        return QStringLiteral("Nessun file indicato.");
    return std::nullopt;
}

// The password as the dialog validates it: asked twice when a person encrypts.
std::optional<QString> Password(const Richiesta& richiesta, Console& console) {
    const std::optional<QString> password = console.LeggiPassword(QStringLiteral("Password: "));
    if (!password) {
        console.Segnala(QStringLiteral("Nessuna Password letta."));
        return std::nullopt;
    }
    if (const std::optional<Messaggio> rifiuto =
            RifiutoPassword(*password, richiesta.cripta, richiesta.antiBruteForce)) {
        console.Segnala(Riga(rifiuto->testo));
        return std::nullopt;
    }
    if (richiesta.cripta && console.Interattiva()) {
        const std::optional<QString> conferma =
            console.LeggiPassword(QStringLiteral("Conferma Password: "));
        if (!conferma || conferma->isEmpty()) {
            console.Segnala(
                QStringLiteral("Per continuare occorre digitare nuovamente la password."));
            return std::nullopt;
        }
        if (*conferma != *password) {
            console.Segnala(QStringLiteral("Sono state inserite due Password diverse.\nDigitare "
                                           "nuovamente la Password, quindi confermarla."));
            return std::nullopt;
        }
    }
    return password;
}

// The checks the program makes when a file is chosen; the reason for refusing it, or nothing.
std::optional<QString> Scelta(const QString& file, bool cripta) {
    const QFileInfo info(file);
    if (cripta && FileCriptato(file))
        return QStringLiteral("Il file specificato è già criptato");
    if (!info.isFile())
        return QStringLiteral("Nome di file non valido");
    if (info.size() <= 1)
        return cripta ? QStringLiteral("File a lunghezza zero.")
                      : QStringLiteral("Il file criptato è vuoto!");
    if (!cripta && !FileCriptato(file))
        return QStringLiteral("Il file specificato non è un file criptato (.###).");
    return std::nullopt;
}

Esito Cripta(const Richiesta& richiesta, const QString& file, const QString& password,
             Risposte& risposte) {
    return Codifica(richiesta.algoritmo, file, true, false, password, richiesta.antiBruteForce,
                    risposte);
}

// Decrypts with the member and the check that the name's letters ask for, as a list run does:
// letters out of scheme refuse the file.
Esito Decripta(const QString& file, const QString& password, Risposte& risposte) {
    const QChar a = LetteraAlgoritmo(file);
    const QChar p = LetteraProtezione(file);
    if ((a != QLatin1Char('V') && a != QLatin1Char('S')) ||
        (p != QLatin1Char('T') && p != QLatin1Char('F'))) {
        risposte.Segnala(QStringLiteral("Nome di file criptato non riconosciuto: il suffisso deve "
                                        "essere .Vft.###, .Vff.###, .Sft.### o .Sff.###."));
        return Esito::Rifiutato;
    }
    const bool antiBruteForce = p == QLatin1Char('F');
    if (antiBruteForce) {
        LunghezzaDati = QFileInfo(file).size();
    } else {
        try {
            if (!PasswordCorretta(file, password)) {
                risposte.Segnala(QStringLiteral("Password non valida per ") + file);
                return Esito::Rifiutato;
            }
        } catch (const Errore& e) {
            risposte.Segnala(e.messaggio());
            return Esito::Rifiutato;
        }
    }
    return Codifica(a == QLatin1Char('V') ? Algoritmo::Veloce : Algoritmo::Sicuro, file, false,
                    false, password, antiBruteForce, risposte);
}

} // namespace

QString Uso() {
    return QStringLiteral(
        "Uso: klavo-cli cripta [opzioni] FILE...\n"
        "     klavo-cli decripta [-e] FILE...\n"
        "\n"
        "Cripta o decripta i file indicati come Klavo. La Password si digita al terminale, senza\n"
        "eco (due volte per criptare), oppure si legge dalla prima riga dell'ingresso standard.\n"
        "\n"
        "Opzioni:\n"
        "  -s, --sicuro            algoritmo Sicuro (predefinito)\n"
        "  -v, --veloce            algoritmo Veloce\n"
        "  -a, --anti-brute-force  nessun controllo della Password nel file criptato: con una\n"
        "                          Password errata il file verrà decriptato in modo non corretto\n"
        "  -e, --elimina           elimina il file origine dopo un'operazione completa\n"
        "  -h, --aiuto             mostra questo aiuto\n"
        "\n"
        "Per decriptare, algoritmo e Anti Brute-Force si leggono dal nome del file.\n"
        "Stato di uscita: 0 tutti i file elaborati; 1 qualche file saltato, rifiutato o non\n"
        "riuscito; 2 riga di comando errata.\n");
}

int Esegui(const QStringList& argomenti, Console& console) {
    if (argomenti.size() == 1 && (argomenti.first() == QLatin1String("-h") ||
                                  argomenti.first() == QLatin1String("--aiuto") ||
                                  argomenti.first() == QLatin1String("--help"))) {
        console.Scrivi(Uso());
        return UscitaRiuscita;
    }
    Richiesta richiesta;
    if (const std::optional<QString> errore = Analizza(argomenti, richiesta)) {
        console.Segnala(*errore + QStringLiteral("\nPer l'aiuto: klavo-cli --aiuto"));
        return UscitaRigaErrata;
    }
    const std::optional<QString> password = Password(richiesta, console);
    if (!password)
        return UscitaFileNonElaborati;
    EliminaFileOrigine = richiesta.elimina;

    std::optional<BloccoCorsa> blocco;
    if (richiesta.cripta) {
        try {
            blocco.emplace(*password);
        } catch (const Errore& e) {
            console.Segnala(Riga(e.messaggio()));
            return UscitaFileNonElaborati;
        }
    }
    int uscita = UscitaRiuscita;
    for (const QString& file : richiesta.file) {
        Risposte risposte(console, file);
        Esito esito = Esito::Rifiutato;
        if (const std::optional<QString> rifiuto = Scelta(file, richiesta.cripta))
            risposte.Segnala(*rifiuto);
        else if (richiesta.cripta)
            esito = Cripta(richiesta, file, *password, risposte);
        else
            esito = Decripta(file, *password, risposte);
        if (esito == Esito::Fatto)
            console.Scrivi(file + (richiesta.cripta ? QStringLiteral("   (Criptato)")
                                                    : QStringLiteral("   (Decriptato)")));
        else
            uscita = UscitaFileNonElaborati;
    }
    return uscita;
}

} // namespace klavo::cli
