#pragma once

// The services Klavo asks of the operating system, behind one interface: the program talks only
// to Piattaforma::attuale(). PiattaformaQt meets them on a Qt desktop; PiattaformaProva, used by
// the tests, answers from a script and records what was asked.

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
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

// A common file dialog. The filter is Qt's ("File criptati (*.###)"); a cancelled dialog gives
// empty text.
struct RichiestaFile {
    enum class Tipo { Apri, Salva };
    Tipo tipo = Tipo::Apri;
    QString titolo;
    QString filtro;
    // The name or folder the dialog starts from.
    QString iniziale;
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

    virtual QString ScegliFile(const RichiestaFile& richiesta) = 0;
    // The folder-browse dialog: the chosen folder, or empty text when cancelled.
    virtual QString ScegliCartella(const QString& titolo) = 0;

    // Starts a command line detached, never through a shell: it is split by the Windows
    // command-line rules into a program and its arguments. False when it could not start.
    virtual bool AvviaComando(const QString& rigaComando) = 0;
    // The shell's "open" on a file: a program is started with the parameters, any other document
    // opened by the desktop (a ".url" shortcut as the address of its URL= line).
    virtual bool ApriFile(const QString& file, const QString& parametri,
                          const QString& cartella) = 0;

    // The help viewer on a help file, opened on its topics finder.
    virtual void MostraGuida(const QString& fileGuida) = 0;

    // The notification-area icon of a window, showing the window's icon and the tip given. The
    // mouse reaches the handler as the numbers of the system's icon messages: 515 a double click
    // of the left button, 516 the right button. False when the desktop has no notification area.
    virtual bool AggiungiIconaNotifica(QWidget& finestra, const QString& suggerimento,
                                       std::function<void(int messaggio)> evento) = 0;
    virtual void RimuoviIconaNotifica(QWidget& finestra) = 0;

    virtual QString TestoAppunti() = 0;
    virtual void ImpostaTestoAppunti(const QString& testo) = 0;

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
