#pragma once

#include "platform/Piattaforma.h"

#include <QHash>
#include <QPointer>

class QSystemTrayIcon;

namespace klavo {

class FinestraGuida;

class PiattaformaQt : public Piattaforma {
public:
    Risposta MostraMessaggio(const Messaggio& messaggio) override;
    QString ChiediTesto(const RichiestaTesto& richiesta) override;
    int EseguiModale(QDialog& finestra) override;
    QString ScegliFile(const RichiestaFile& richiesta) override;
    QString ScegliCartella(const QString& titolo) override;
    bool AvviaComando(const QString& rigaComando) override;
    bool ApriFile(const QString& file, const QString& parametri, const QString& cartella) override;
    void MostraGuida(const QString& fileGuida) override;
    bool AggiungiIconaNotifica(QWidget& finestra, const QString& suggerimento,
                               std::function<void(int messaggio)> evento) override;
    void RimuoviIconaNotifica(QWidget& finestra) override;
    QString TestoAppunti() override;
    void ImpostaTestoAppunti(const QString& testo) override;
    QString CartellaWindows() override;
    QString CartellaProgramma() override;
    QString RigaComando() override;
    void TerminaProgramma() override;
    bool Terminato() const override { return terminato_; }
    QDateTime Adesso() override;

private:
    bool terminato_ = false;
    QHash<QWidget*, QPointer<QSystemTrayIcon>> iconeNotifica_;
    QPointer<FinestraGuida> guida_;
};

} // namespace klavo
