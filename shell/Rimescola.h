#pragma once

// The file scrambler: a file's bytes XOR-ed with a byte stream that depends on a fixed seed
// alone, so the same call restores what it scrambled. RimescolaFile touches every byte,
// RimescolaFileRado bytes 1, 101, 201, ... (positions counted from 1).
//
// The generator and the seeds below are part of the format of every scrambled file Klavo has
// ever stored (Win.i_o, the check block inside each encrypted file, Systm2.dll, SysDat.dll):
// such a file can only be restored by the same generator and seed. They may never change.

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace klavo {

// The fixed seed of each scrambled file.
inline constexpr std::int16_t SemePasswordAvvio = 3;    // Win.i_o
inline constexpr std::int16_t SemeBloccoControllo = 7;  // check block (Tmp.dl_ and copies)
inline constexpr std::int16_t SemePasswordArchivio = 5; // Systm2.dll
inline constexpr std::int16_t SemeDatabaseArchivio = 9; // SysDat.dll

// Klavo's pseudo-random generator. Recurrence: SplitMix64 (a 64-bit state advanced by the
// golden-ratio increment 0x9E3779B97F4A7C15 and passed through the SplitMix finaliser). Reseed:
// the state becomes the IEEE-754 bit pattern of the (double) number given, so it depends on that
// number alone; the reseed yields the first value of the new sequence. Draw: the top 24 bits of
// the output over 2^24, a single-precision value in [0, 1) that floor(r * 256) turns, exactly,
// into the output's top byte.
class GeneratoreCasuale {
public:
    float Reinizializza(double numero);
    float Estrai();
    // floor(Estrai() * 256) computed in single precision: one byte of the scrambling stream.
    std::uint8_t EstraiByte() { return static_cast<std::uint8_t>(Avanza() >> 56); }

private:
    std::uint64_t Avanza();
    std::uint64_t stato_ = 0;
};

// In memory: the same bytes the file members would produce.
void RimescolaDati(QByteArray& dati, std::int16_t seme);
void RimescolaDatiRado(QByteArray& dati, std::int16_t seme);

// In place on disk; a missing file is created empty. Failures throw Errore.
void RimescolaFile(const QString& percorso, std::int16_t seme);
void RimescolaFileRado(const QString& percorso, std::int16_t seme);

// A scrambled file read and unscrambled in memory: the plain bytes never lie on disk.
QByteArray LeggiRimescolato(const QString& percorso, std::int16_t seme);
// Plain bytes scrambled in memory and stored: the file holds the scrambled bytes only.
void ScriviRimescolato(const QString& percorso, QByteArray dati, std::int16_t seme);

} // namespace klavo
