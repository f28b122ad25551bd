#include "platform/PiattaformaProva.h"

#include <QDialog>

namespace klavo {

namespace {

Risposta RispostaPredefinita(const Messaggio& m) {
    if (m.predefinito)
        return *m.predefinito;
    switch (m.pulsanti) {
    case Pulsanti::OK:
    case Pulsanti::OKAnnulla:
        return Risposta::OK;
    case Pulsanti::SiNo:
    case Pulsanti::SiNoAnnulla:
        return Risposta::Si;
    case Pulsanti::RiprovaAnnulla:
        return Risposta::Riprova;
    }
    return Risposta::OK;
}

} // namespace

PiattaformaProva::PiattaformaProva() {
    Piattaforma::imposta(this);
}

PiattaformaProva::~PiattaformaProva() {
    Piattaforma::imposta(nullptr);
}

void PiattaformaProva::Rispondi(Risposta risposta) {
    risposte_.append([risposta](const Messaggio&) { return risposta; });
}

void PiattaformaProva::RispondiCon(std::function<Risposta(const Messaggio&)> azione) {
    risposte_.append(std::move(azione));
}

void PiattaformaProva::RispondiTesto(const QString& testo) {
    risposteTesto_.append(testo);
}

void PiattaformaProva::QuandoModale(std::function<void(QDialog&)> azione) {
    azioniModali_.append(std::move(azione));
}

void PiattaformaProva::RispondiFile(const QString& percorso) {
    risposteFile_.append(percorso);
}

void PiattaformaProva::RispondiCartella(const QString& percorso) {
    risposteCartella_.append(percorso);
}

QString PiattaformaProva::ScegliFile(const RichiestaFile& richiesta) {
    richiesteFile.append(richiesta);
    return risposteFile_.isEmpty() ? QString() : risposteFile_.takeFirst();
}

QString PiattaformaProva::ScegliCartella(const QString& titolo) {
    richiesteCartella.append(titolo);
    return risposteCartella_.isEmpty() ? QString() : risposteCartella_.takeFirst();
}

bool PiattaformaProva::AvviaComando(const QString& riga) {
    comandiAvviati.append(riga);
    return true;
}

bool PiattaformaProva::ApriFile(const QString& file, const QString& parametri,
                                const QString& cartella) {
    fileAperti.append({file, parametri, cartella});
    return true;
}

bool PiattaformaProva::AggiungiIconaNotifica(QWidget& finestra, const QString& suggerimento,
                                             std::function<void(int)> evento) {
    if (!areaNotificaDisponibile)
        return false;
    iconeNotifica.append({&finestra, suggerimento, std::move(evento)});
    return true;
}

void PiattaformaProva::RimuoviIconaNotifica(QWidget& finestra) {
    iconeNotifica.removeIf([&finestra](const IconaNotifica& i) { return i.finestra == &finestra; });
}

void PiattaformaProva::EventoIconaNotifica(int messaggio) {
    Q_ASSERT(!iconeNotifica.isEmpty());
    // A copy: the handler may remove the icon.
    const std::function<void(int)> evento = iconeNotifica.front().evento;
    evento(messaggio);
}

Risposta PiattaformaProva::MostraMessaggio(const Messaggio& messaggio) {
    messaggi.append(messaggio);
    if (risposte_.isEmpty())
        return RispostaPredefinita(messaggio);
    return risposte_.takeFirst()(messaggio);
}

QString PiattaformaProva::ChiediTesto(const RichiestaTesto& richiesta) {
    richiesteTesto.append(richiesta);
    return risposteTesto_.isEmpty() ? QString() : risposteTesto_.takeFirst();
}

int PiattaformaProva::EseguiModale(QDialog& finestra) {
    modaliMostrati.append(finestra.objectName());
    finestra.setModal(true);
    finestra.show();
    if (!azioniModali_.isEmpty())
        azioniModali_.takeFirst()(finestra);
    else
        finestra.reject();
    finestra.hide();
    return finestra.result();
}

QString PiattaformaProva::DataBreve(const QDate& data) {
    return data.toString(QStringLiteral("dd/MM/yyyy"));
}

QString PiattaformaProva::OraBreve(const QTime& ora) {
    return ora.toString(QStringLiteral("HH:mm:ss"));
}

QStringList PiattaformaProva::TestiMessaggi() const {
    QStringList testi;
    for (const Messaggio& m : messaggi)
        testi.append(m.testo);
    return testi;
}

} // namespace klavo
