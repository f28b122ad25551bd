#pragma once

// The services Klavo asks of the operating system, behind one interface: the program talks only
// to Piattaforma::attuale(). PiattaformaQt meets them on a Qt desktop; PiattaformaProva, used by
// the tests, answers from a script and records what was asked.

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

class QDialog;
class QWidget;

namespace klavo {

enum class Icona { Nessuna, Errore, Domanda, Esclamazione, Informazione };

enum class Pulsanti { OK, OKAnnulla, SiNo, SiNoAnnulla, RiprovaAnnulla };

enum class Risposta { OK, Annulla, Si, No, Riprova };

struct Messaggio {
    QString testo;
    QString titolo;
    Icona icona = Icona::Nessuna;
    Pulsanti pulsanti = Pulsanti::OK;
    // The button that Enter presses; when unset, the first button of the set.
    std::optional<Risposta> predefinito;
};

struct RichiestaTesto {
    QString prompt;
    QString titolo;
    QString predefinito;
};

class Piattaforma {
public:
    virtual ~Piattaforma() = default;

    static Piattaforma& attuale();
    // Installs the implementation in use; the caller keeps ownership.
    static void imposta(Piattaforma* piattaforma);

    virtual Risposta MostraMessaggio(const Messaggio& messaggio) = 0;
    // An input box: the typed text, or empty text when cancelled.
    virtual QString ChiediTesto(const RichiestaTesto& richiesta) = 0;
    // Shows a dialog modally and returns its result code.
    virtual int EseguiModale(QDialog& finestra) = 0;

    // The folder of the files kept "in the Windows directory", without a trailing separator.
    virtual QString CartellaWindows() = 0;
    // The folder of the running program, without a trailing separator.
    virtual QString CartellaProgramma() = 0;

    // The program's command line: its arguments joined by single blanks, without its own path.
    virtual QString RigaComando() = 0;

    // Ends the program at once: the event loop is left and no window's unload steps run.
    // Callers return right after the call.
    virtual void TerminaProgramma() = 0;
    virtual bool Terminato() const = 0;

    virtual QDateTime Adesso() = 0;
    // Date and time as the system writes them in short form.
    virtual QString DataBreve(const QDate& data);
    virtual QString OraBreve(const QTime& ora);
};

} // namespace klavo
