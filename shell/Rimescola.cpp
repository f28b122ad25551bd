#include "shell/Rimescola.h"

#include "shell/common/Errore.h"
#include "shell/common/File.h"

#include <QFile>

#include <bit>

namespace klavo {

namespace {

constexpr qint64 Passo = 100; // RimescolaFileRado touches one byte in a hundred
constexpr qint64 Blocco = 1 << 20;

GeneratoreCasuale Riseminato(std::int16_t seme) {
    GeneratoreCasuale g;
    g.Reinizializza(-static_cast<double>(seme)); // the reseed's own value is discarded
    return g;
}

void Apri(QFile& file) {
    if (!file.open(QIODevice::ReadWrite))
        throw Errore(MessaggioScrittura(file));
}

} // namespace

std::uint64_t GeneratoreCasuale::Avanza() {
    stato_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = stato_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

float GeneratoreCasuale::Reinizializza(double numero) {
    stato_ = std::bit_cast<std::uint64_t>(numero);
    return Estrai();
}

float GeneratoreCasuale::Estrai() {
    return static_cast<float>(Avanza() >> 40) * 0x1p-24f;
}

void RimescolaDati(QByteArray& dati, std::int16_t seme) {
    GeneratoreCasuale g = Riseminato(seme);
    for (char& b : dati)
        b = static_cast<char>(static_cast<std::uint8_t>(b) ^ g.EstraiByte());
}

void RimescolaDatiRado(QByteArray& dati, std::int16_t seme) {
    GeneratoreCasuale g = Riseminato(seme);
    for (qsizetype p = 0; p < dati.size(); p += Passo)
        dati[p] = static_cast<char>(static_cast<std::uint8_t>(dati[p]) ^ g.EstraiByte());
}

void RimescolaFile(const QString& percorso, std::int16_t seme) {
    QFile file(percorso);
    Apri(file);
    QByteArray dati = file.readAll();
    RimescolaDati(dati, seme);
    if (!file.seek(0) || file.write(dati) != dati.size() || !file.flush())
        throw Errore(MessaggioScrittura(file));
}

void RimescolaFileRado(const QString& percorso, std::int16_t seme) {
    // Block by block, so that a database of hundreds of megabytes needs neither one system call
    // per touched byte nor its whole size in memory. Blocks are multiples of the step, so every
    // block starts on a touched byte.
    constexpr qint64 Dimensione = (Blocco / Passo) * Passo;
    QFile file(percorso);
    Apri(file);
    GeneratoreCasuale g = Riseminato(seme);
    QByteArray blocco;
    for (qint64 inizio = 0;; inizio += Dimensione) {
        if (!file.seek(inizio))
            throw Errore(MessaggioScrittura(file));
        blocco = file.read(Dimensione);
        if (blocco.isEmpty())
            break;
        for (qsizetype p = 0; p < blocco.size(); p += Passo)
            blocco[p] = static_cast<char>(static_cast<std::uint8_t>(blocco[p]) ^ g.EstraiByte());
        if (!file.seek(inizio) || file.write(blocco) != blocco.size())
            throw Errore(MessaggioScrittura(file));
    }
    if (file.error() != QFileDevice::NoError || !file.flush())
        throw Errore(MessaggioScrittura(file));
}

QByteArray LeggiRimescolato(const QString& percorso, std::int16_t seme) {
    QByteArray dati = LeggiFile(percorso);
    RimescolaDati(dati, seme);
    return dati;
}

void ScriviRimescolato(const QString& percorso, QByteArray dati, std::int16_t seme) {
    RimescolaDati(dati, seme);
    ScriviFile(percorso, dati);
}

} // namespace klavo
