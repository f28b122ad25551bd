#include "encryption/Codifica.h"

#include "encryption/BloccoControllo.h"
#include "shell/common/Errore.h"
#include "shell/common/File.h"
#include "shell/common/Globali.h"
#include "shell/common/TestoFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cstdint>
#include <cstring>

namespace klavo {

namespace {

Messaggio Avviso(const QString& testo, Icona icona) {
    return {testo, TitoloProgramma, icona, Pulsanti::OK, {}};
}

QString NonModificato(const QString& file) {
    return QStringLiteral("\r\n\r\nIl file \"%1\" non è stato modificato.").arg(file);
}

Messaggio AutorizzazioneNegata() {
    return Avviso(QStringLiteral("Autorizzazione negata."), Icona::Esclamazione);
}

Messaggio ErroreAccesso(const QString& file) {
    return Avviso(QStringLiteral("Errore di accesso al file ") + file + QLatin1Char('.'),
                  Icona::Esclamazione);
}

// The source could not be opened: missing, not a file, or not accessible to us.
Messaggio ErroreApertura(const QString& file) {
    const QFileInfo info(file);
    if (!info.exists())
        return Avviso(QStringLiteral("Impossibile trovare il file \"%1\".").arg(file),
                      Icona::Errore);
    if (!info.isFile())
        return ErroreAccesso(file);
    return AutorizzazioneNegata();
}

Messaggio ErroreScrittura(const QString& file, const QString& nomeUscita,
                          const QFileDevice& uscita) {
    return Avviso(QStringLiteral("Impossibile scrivere il file \"%1\".\r\n").arg(nomeUscita) +
                      DescrizioneErrore(uscita) + NonModificato(file),
                  Icona::Errore);
}

// The output could not be created in its folder.
Messaggio ErroreCreazione(const QString& file, const QString& nomeUscita,
                          const QFileDevice& uscita) {
    const QFileInfo cartella(QFileInfo(nomeUscita).absolutePath());
    if (!cartella.exists())
        return Avviso(
            QStringLiteral("Impossibile trovare la cartella \"%1\".").arg(cartella.filePath()),
            Icona::Errore);
    if (!cartella.isDir())
        return ErroreAccesso(file);
    if (uscita.error() == QFileDevice::ResourceError)
        return ErroreScrittura(file, nomeUscita, uscita);
    return AutorizzazioneNegata();
}

Messaggio GiaEsistente(const QString& uscita) {
    return Avviso(QStringLiteral("Questo file è già esistente e verrà saltato:\r\n\r\n") + uscita,
                  Icona::Informazione);
}

bool Esiste(const QString& percorso) {
    const QFileInfo info(percorso);
    return info.exists() || info.isSymLink();
}

// The key stream repeats with a period of the key's length (twice that for the fast member), so
// whole periods of it, about 64 KiB, cover every chunk: byte r of a chunk meets byte r modulo
// their length. Small enough to stay in the processor's cache while the chunks stream past.
constexpr qsizetype FlussoUsuale = 65536;

// The key stream for chunks of at most the given length: the value each byte is XOR-ed with, 0
// for the bytes the fast member leaves alone. False when such a chunk reaches a key value of 256
// (a password character of code 255), which does not fit in a byte.
bool FlussoChiave(const QByteArray& chiave, Algoritmo algoritmo, qsizetype blocco,
                  QByteArray& flusso) {
    const qsizetype passo = algoritmo == Algoritmo::Veloce ? 2 : 1;
    const qsizetype raggiunti = std::min(chiave.size(), (blocco + passo - 1) / passo);
    if (chiave.first(raggiunti).contains('\xFF'))
        return false;
    const qsizetype periodo = chiave.size() * passo;
    const qsizetype lunghezza =
        std::min(blocco, std::max(periodo, FlussoUsuale / periodo * periodo));
    flusso = QByteArray(lunghezza, Qt::Uninitialized);
    char* valori = flusso.data();
    // One period, then copies of what is done, doubling each time.
    const qsizetype primo = std::min(periodo, lunghezza);
    for (qsizetype i = 0; i < primo; ++i)
        valori[i] = i % passo == 0 ? static_cast<char>(chiave[i / passo] + 1) : '\0';
    for (qsizetype fatti = primo; fatti < lunghezza;) {
        const qsizetype n = std::min(fatti, lunghezza - fatti);
        std::memcpy(valori + fatti, valori, static_cast<std::size_t>(n));
        fatti += n;
    }
    return true;
}

// XOR of whole 64-bit words, two at a time so that the compiler pairs them in one vector
// instruction.
void CombinaParole(char* dati, const char* flusso, qsizetype lunghezza) {
    qsizetype i = 0;
    for (; i + 16 <= lunghezza; i += 16) {
        std::uint64_t a0, a1, b0, b1;
        std::memcpy(&a0, dati + i, 8);
        std::memcpy(&a1, dati + i + 8, 8);
        std::memcpy(&b0, flusso + i, 8);
        std::memcpy(&b1, flusso + i + 8, 8);
        a0 ^= b0;
        a1 ^= b1;
        std::memcpy(dati + i, &a0, 8);
        std::memcpy(dati + i + 8, &a1, 8);
    }
    for (; i < lunghezza; ++i)
        dati[i] = static_cast<char>(dati[i] ^ flusso[i]);
}

// A chunk XOR-ed with the key stream, one stream's length at a time.
void Combina(char* dati, qsizetype lunghezza, const QByteArray& flusso) {
    for (qsizetype inizio = 0; inizio < lunghezza; inizio += flusso.size())
        CombinaParole(dati + inizio, flusso.constData(),
                      std::min(flusso.size(), lunghezza - inizio));
}

bool LeggiEsatti(QFile& file, char* dati, qint64 lunghezza) {
    qint64 letti = 0;
    while (letti < lunghezza) {
        const qint64 n = file.read(dati + letti, lunghezza - letti);
        if (n <= 0)
            return false;
        letti += n;
    }
    return true;
}

Messaggio ErroreLettura(const QString& file, const QFileDevice& sorgente) {
    const QString causa = sorgente.error() == QFileDevice::NoError
                              ? QStringLiteral("Il file è stato accorciato durante l'operazione.")
                              : DescrizioneErrore(sorgente);
    return Avviso(QStringLiteral("Impossibile leggere il file \"%1\".\r\n").arg(file) + causa +
                      NonModificato(file),
                  Icona::Errore);
}

// The output under a temporary name in its folder, given its final name only once complete and
// never in place of another file. When the source is to be deleted after it, the output may
// become the only copy: it is then forced to disk before it takes its name.
class Uscita {
public:
    Uscita(const QString& nome, bool durevole)
        : nome_(nome), durevole_(durevole), salvato_(nome),
          temporaneo_(QFileInfo(nome).absolutePath() + QStringLiteral("/.klavo-XXXXXX")) {}

    QFileDevice& file() { return durevole_ ? static_cast<QFileDevice&>(salvato_) : temporaneo_; }
    bool Apri() { return file().open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

    enum class Conferma { Fatta, NomeOccupato, Fallita };
    Conferma Conferma() {
        if (Esiste(nome_))
            return Conferma::NomeOccupato;
        if (durevole_)
            return salvato_.commit() ? Conferma::Fatta : Conferma::Fallita;
        if (!temporaneo_.rename(nome_))
            return Esiste(nome_) ? Conferma::NomeOccupato : Conferma::Fallita;
        temporaneo_.setAutoRemove(false);
        return Conferma::Fatta;
    }

private:
    QString nome_;
    bool durevole_;
    QSaveFile salvato_;
    QTemporaryFile temporaneo_;
};

struct Operazione {
    Algoritmo algoritmo;
    const QString& file;
    bool cripta;
    bool singolo;
    const QString& password;
    bool antiBruteForce;
    Interlocutore& io;
};

// The block of Tmp.dl_ with its two digits; empty with a message when it is missing or is not
// the block of this password (a run of another password may have replaced it).
std::optional<QByteArray> CodaControllo(const Operazione& op) {
    QByteArray blocco;
    try {
        blocco = LeggiFile(FileWindows(NomeBloccoCorsa));
    } catch (const Errore& e) {
        op.io.Mostra(Avviso(e.messaggio() + NonModificato(op.file), Icona::Errore));
        return std::nullopt;
    }
    if (blocco != BloccoControllo(op.password)) {
        op.io.Mostra(Avviso(QStringLiteral("Il controllo della Password preparato per questa "
                                           "operazione (%1) non corrisponde alla Password.")
                                    .arg(NomeBloccoCorsa) +
                                NonModificato(op.file),
                            Icona::Errore));
        return std::nullopt;
    }
    return blocco + CifreLunghezza(blocco.size());
}

Esito Esegui(const Operazione& op) {
    // In a single-file encryption the run is this call: its Tmp.dl_ goes with it.
    struct Pulizia {
        bool attiva;
        ~Pulizia() {
            if (attiva)
                EliminaBloccoControllo();
        }
    } pulizia{op.cripta && op.singolo};

    if (const std::optional<Messaggio> rifiuto =
            RifiutoPassword(op.password, op.cripta, op.antiBruteForce)) {
        op.io.Mostra(*rifiuto);
        return Esito::Rifiutato;
    }
    const QByteArray chiave = testo::ACp1252(op.password);

    QFile sorgente(op.file);
    if (!sorgente.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        op.io.Mostra(ErroreApertura(op.file));
        return Esito::Fallito;
    }
    const qint64 lunghezza = sorgente.size();
    if (op.cripta && lunghezza > LunghezzaMassimaCriptabile) {
        op.io.Mostra(Avviso(QStringLiteral("Dimensioni eccessive."), Icona::Esclamazione));
        return Esito::Rifiutato;
    }
    const qint64 megabyte = Megabyte(lunghezza);
    if (megabyte > MegabyteSenzaDomanda &&
        !op.io.ProseguiFileGrande({QStringLiteral("Il file ") + op.file +
                                       QStringLiteral(" è molto grande.\r\nPremere Si per "
                                                      "proseguire ugualmente, No per saltare "
                                                      "il file."),
                                   QStringLiteral("Codificare il file?"),
                                   Icona::Informazione,
                                   Pulsanti::SiNo,
                                   {}}))
        return Esito::Saltato;

    const QString nomeUscita =
        op.cripta ? NomeCriptato(op.file, op.algoritmo, op.antiBruteForce) : NomeOrigine(op.file);
    if (Esiste(nomeUscita)) {
        op.io.Mostra(GiaEsistente(nomeUscita));
        return Esito::Saltato;
    }
    if (op.cripta)
        LunghezzaDati = lunghezza;
    const qint64 dati = LunghezzaDati;
    if (dati < 0 || dati > lunghezza) {
        op.io.Mostra(Avviso(
            QStringLiteral("La lunghezza dei dati del file \"%1\" non è valida.").arg(op.file) +
                NonModificato(op.file),
            Icona::Errore));
        return Esito::Rifiutato;
    }
    QByteArray coda;
    if (op.cripta && !op.antiBruteForce) {
        const std::optional<QByteArray> controllo = CodaControllo(op);
        if (!controllo)
            return Esito::Fallito;
        coda = *controllo;
    }

    // The first chunk is the longest: the stream built for it serves every chunk.
    const qsizetype primo = static_cast<qsizetype>(std::min(dati, DimensioneBlocco));
    QByteArray flusso;
    if (!FlussoChiave(chiave, op.algoritmo, primo, flusso)) {
        op.io.Mostra(Avviso(QStringLiteral("Overflow: il carattere \"%1\" della Password non può "
                                           "essere usato come chiave.")
                                    .arg(QChar(0xFF)) +
                                NonModificato(op.file),
                            Icona::Errore));
        return Esito::Fallito;
    }

    if (SolaLettura(QFileInfo(nomeUscita).absolutePath())) {
        op.io.Mostra(AutorizzazioneNegata());
        return Esito::Fallito;
    }
    Uscita temporanea(nomeUscita, EliminaFileOrigine);
    QFileDevice& uscita = temporanea.file();
    if (!temporanea.Apri()) {
        op.io.Mostra(ErroreCreazione(op.file, nomeUscita, uscita));
        return Esito::Fallito;
    }
    // Whoever may not read the source may not read its counterpart either.
    uscita.setPermissions(sorgente.permissions() | QFileDevice::ReadOwner |
                          QFileDevice::WriteOwner);

    QByteArray buffer(primo, Qt::Uninitialized);
    qint64 blocco = 1;
    for (qint64 posizione = 0; posizione < dati; ++blocco) {
        if (op.singolo)
            op.io.Avanzamento(blocco, megabyte);
        const qint64 n = std::min(dati - posizione, DimensioneBlocco);
        if (!LeggiEsatti(sorgente, buffer.data(), n)) {
            op.io.Mostra(ErroreLettura(op.file, sorgente));
            return Esito::Fallito;
        }
        Combina(buffer.data(), static_cast<qsizetype>(n), flusso);
        if (uscita.write(buffer.constData(), n) != n) {
            op.io.Mostra(ErroreScrittura(op.file, nomeUscita, uscita));
            return Esito::Fallito;
        }
        posizione += n;
    }
    sorgente.close();
    if (!coda.isEmpty() && uscita.write(coda) != coda.size()) {
        op.io.Mostra(ErroreScrittura(op.file, nomeUscita, uscita));
        return Esito::Fallito;
    }
    switch (temporanea.Conferma()) {
    case Uscita::Conferma::Fatta:
        break;
    case Uscita::Conferma::NomeOccupato: // taken meanwhile: never replace a file
        op.io.Mostra(GiaEsistente(nomeUscita));
        return Esito::Saltato;
    case Uscita::Conferma::Fallita:
        op.io.Mostra(ErroreScrittura(op.file, nomeUscita, uscita));
        return Esito::Fallito;
    }
    if (EliminaFileOrigine && !EliminaFile(op.file, true))
        op.io.Mostra(Avviso(QStringLiteral("Impossibile eliminare il file origine. Potrebbe "
                                           "essere in uso.\r\n\r\n") +
                                op.file,
                            Icona::Informazione));
    return Esito::Fatto;
}

} // namespace

qint64 Megabyte(qint64 lunghezza) {
    const qint64 interi = lunghezza / DimensioneBlocco;
    const qint64 resto = lunghezza % DimensioneBlocco;
    if (2 * resto > DimensioneBlocco || (2 * resto == DimensioneBlocco && interi % 2 == 1))
        return interi + 1;
    return interi;
}

std::optional<Messaggio> RifiutoPassword(const QString& password, bool cripta,
                                         bool antiBruteForce) {
    if (password.isEmpty())
        return Avviso(QStringLiteral("Digitare la Password"), Icona::Esclamazione);
    if (password.size() > LunghezzaMassimaPassword)
        return Avviso(QStringLiteral("La Password non può essere lunga più di 99 caratteri."),
                      Icona::Informazione);
    if (const std::optional<QChar> c = testo::CarattereNonAmmesso(password))
        return Avviso(testo::MessaggioCarattereNonAmmesso(*c), Icona::Esclamazione);
    if (cripta && !antiBruteForce && password.size() + 2 > BloccoControlloMassimo)
        return Avviso(QStringLiteral("Senza Anti Brute-Force la Password non può essere lunga più "
                                     "di 97 caratteri.\r\nAccorciare la Password oppure "
                                     "selezionare Anti Brute-Force."),
                      Icona::Esclamazione);
    return std::nullopt;
}

Esito CodificaVeloce(const QString& file, bool cripta, bool singolo, const QString& password,
                     bool antiBruteForce, Interlocutore& interlocutore) {
    return Esegui(
        {Algoritmo::Veloce, file, cripta, singolo, password, antiBruteForce, interlocutore});
}

Esito CodificaSicuro(const QString& file, bool cripta, bool singolo, const QString& password,
                     bool antiBruteForce, Interlocutore& interlocutore) {
    return Esegui(
        {Algoritmo::Sicuro, file, cripta, singolo, password, antiBruteForce, interlocutore});
}

Esito Codifica(Algoritmo algoritmo, const QString& file, bool cripta, bool singolo,
               const QString& password, bool antiBruteForce, Interlocutore& interlocutore) {
    return Esegui({algoritmo, file, cripta, singolo, password, antiBruteForce, interlocutore});
}

} // namespace klavo
