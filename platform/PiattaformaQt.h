#pragma once

#include "platform/Piattaforma.h"

namespace klavo {

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
};

} // namespace klavo
