#include "encryption/Codifica.h"

#include "encryption/BloccoControllo.h"
#include "shell/common/Errore.h"
#include "shell/common/File.h"
#include "shell/common/Globali.h"
#include "shell/common/TestoFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

// The output could not be created in its folder.
Messaggio ErroreCreazione(const QString& file, const QFileDevice& uscita) {
    const QFileInfo cartella(QFileInfo(uscita.fileName()).absolutePath());
    if (!cartella.exists())
        return Avviso(
            QStringLiteral("Impossibile trovare la cartella \"%1\".").arg(cartella.filePath()),
            Icona::Errore);
    if (!cartella.isDir())
        return ErroreAccesso(file);
    if (uscita.error() == QFileDevice::ResourceError)
        return Avviso(MessaggioScrittura(uscita) + NonModificato(file), Icona::Errore);
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

// The key stream of a chunk of the given length: the value each byte is XOR-ed with, 0 for the
// bytes the fast member leaves alone. False when the chunk reaches a key value of 256 (a
// password character of code 255), which does not fit in a byte.
bool FlussoChiave(const QByteArray& chiave, Algoritmo algoritmo, qsizetype lunghezza,
                  QByteArray& flusso) {
    flusso = QByteArray(lunghezza, '\0');
    const qsizetype passo = algoritmo == Algoritmo::Veloce ? 2 : 1;
    qsizetype j = 0;
    for (qsizetype i = 0; i < lunghezza; i += passo) {
        const int valore = static_cast<std::uint8_t>(chiave[j]) + 1;
        if (valore > 0xFF)
            return false;
        flusso[i] = static_cast<char>(valore);
        if (++j == chiave.size())
            j = 0;
    }
    return true;
}

// XOR of whole 64-bit words, which the compiler turns into vector instructions.
void Combina(char* dati, const char* flusso, qsizetype lunghezza) {
    qsizetype i = 0;
    for (; i + 8 <= lunghezza; i += 8) {
        std::uint64_t a, b;
        std::memcpy(&a, dati + i, 8);
        std::memcpy(&b, flusso + i, 8);
        a ^= b;
        std::memcpy(dati + i, &a, 8);
    }
    for (; i < lunghezza; ++i)
        dati[i] = static_cast<char>(dati[i] ^ flusso[i]);
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

Messaggio ErroreScrittura(const QString& file, const QFileDevice& uscita) {
    return Avviso(MessaggioScrittura(uscita) + NonModificato(file), Icona::Errore);
}

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

    // Every chunk meets the stream of the first one, the longest.
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

    QSaveFile uscita(nomeUscita);
    if (SolaLettura(QFileInfo(nomeUscita).absolutePath())) {
        op.io.Mostra(AutorizzazioneNegata());
        return Esito::Fallito;
    }
    if (!uscita.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        op.io.Mostra(ErroreCreazione(op.file, uscita));
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
        Combina(buffer.data(), flusso.constData(), static_cast<qsizetype>(n));
        if (uscita.write(buffer.constData(), n) != n) {
            op.io.Mostra(ErroreScrittura(op.file, uscita));
            return Esito::Fallito;
        }
        posizione += n;
    }
    sorgente.close();
    if (!coda.isEmpty() && uscita.write(coda) != coda.size()) {
        op.io.Mostra(ErroreScrittura(op.file, uscita));
        return Esito::Fallito;
    }
    // The name may have been taken meanwhile: never replace a file.
    if (Esiste(nomeUscita)) {
        op.io.Mostra(GiaEsistente(nomeUscita));
        return Esito::Saltato;
    }
    if (!uscita.commit()) {
        op.io.Mostra(ErroreScrittura(op.file, uscita));
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
