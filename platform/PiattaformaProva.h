#pragma once

// The platform of the tests: every message box, input box and modal window is answered from a
// script the test sets beforehand and recorded, so a test drives the real windows headless and
// reads back everything that was shown. The two folders are fresh temporary folders.

#include "platform/Piattaforma.h"

#include <QList>
#include <QTemporaryDir>

#include <functional>

namespace klavo {

class PiattaformaProva : public Piattaforma {
public:
    // Installs itself as the platform in use until destroyed.
    PiattaformaProva();
    ~PiattaformaProva() override;

    // The next message box gets this answer (answers are used in the order given). A message box
    // with no scripted answer gets its default button.
    void Rispondi(Risposta risposta);
    // The next message box is handed to this function, which acts while the box is "up".
    void RispondiCon(std::function<Risposta(const Messaggio&)> azione);
    // The next input box returns this text (empty text is a cancel). Unscripted: cancelled.
    void RispondiTesto(const QString& testo);
    // The next modal window is handed to this function instead of running its own loop; the
    // window is shown meanwhile. Unscripted: the window is shown, recorded and rejected.
    void QuandoModale(std::function<void(QDialog&)> azione);

    // The next file dialog (or folder-browse dialog) returns this path; empty is a cancel.
    // Unscripted: cancelled.
    void RispondiFile(const QString& percorso);
    void RispondiCartella(const QString& percorso);

    Risposta MostraMessaggio(const Messaggio& messaggio) override;
    QString ScegliFile(const RichiestaFile& richiesta) override;
    QString ScegliCartella(const QString& titolo) override;
    // Recorded, never started.
    bool AvviaComando(const QString& riga) override;
    bool ApriFile(const QString& file, const QString& parametri, const QString& cartella) override;
    void MostraGuida(const QString& fileGuida) override { guideMostrate.append(fileGuida); }
    // Recorded in iconeNotifica while shown; refused when areaNotificaDisponibile is false.
    bool AggiungiIconaNotifica(QWidget& finestra, const QString& suggerimento,
                               std::function<void(int messaggio)> evento) override;
    void RimuoviIconaNotifica(QWidget& finestra) override;
    // A mouse message (515, 516, ...) on the icon shown first.
    void EventoIconaNotifica(int messaggio);
    QString TestoAppunti() override { return appunti; }
    void ImpostaTestoAppunti(const QString& testo) override { appunti = testo; }
    QString ChiediTesto(const RichiestaTesto& richiesta) override;
    int EseguiModale(QDialog& finestra) override;
    QString CartellaWindows() override { return cartellaWindows_.path(); }
    QString CartellaProgramma() override { return cartellaProgramma_.path(); }
    QString RigaComando() override { return rigaComando; }
    void TerminaProgramma() override { terminato_ = true; }
    bool Terminato() const override { return terminato_; }
    QDateTime Adesso() override { return adesso; }
    QString DataBreve(const QDate& data) override;
    QString OraBreve(const QTime& ora) override;

    // What was shown, in order.
    QList<Messaggio> messaggi;
    QList<RichiestaTesto> richiesteTesto;
    QStringList modaliMostrati;
    QList<RichiestaFile> richiesteFile;
    QStringList richiesteCartella;
    QStringList comandiAvviati;
    struct FileAperto {
        QString file, parametri, cartella;
    };
    QList<FileAperto> fileAperti;
    QString appunti;
    QStringList guideMostrate;
    struct IconaNotifica {
        QWidget* finestra;
        QString suggerimento;
        std::function<void(int)> evento;
    };
    // The icons shown now.
    QList<IconaNotifica> iconeNotifica;
    bool areaNotificaDisponibile = true;
    // Answers scripted but not used yet; a test that ends with some left over scripted wrongly.
    qsizetype RispostePendenti() const {
        return risposte_.size() + risposteTesto_.size() + azioniModali_.size() +
               risposteFile_.size() + risposteCartella_.size();
    }
    QStringList TestiMessaggi() const;

    QString rigaComando;
    QDateTime adesso{QDate(2026, 12, 11), QTime(12, 0, 0)};

private:
    QTemporaryDir cartellaWindows_;
    QTemporaryDir cartellaProgramma_;
    QList<std::function<Risposta(const Messaggio&)>> risposte_;
    QStringList risposteTesto_;
    QStringList risposteFile_;
    QStringList risposteCartella_;
    QList<std::function<void(QDialog&)>> azioniModali_;
    bool terminato_ = false;
};

} // namespace klavo
