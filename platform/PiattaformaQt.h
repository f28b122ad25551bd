#pragma once

#include "platform/Piattaforma.h"

namespace klavo {

class PiattaformaQt : public Piattaforma {
public:
    Risposta MostraMessaggio(const Messaggio& messaggio) override;
    QString ChiediTesto(const RichiestaTesto& richiesta) override;
    int EseguiModale(QDialog& finestra) override;
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
