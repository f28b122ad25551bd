#include "shell/common/TestoFile.h"

#include "shell/common/Errore.h"
#include "shell/common/File.h"

#include <QFile>

#include <array>

namespace klavo::testo {

namespace {

// Bytes 0x80 to 0x9F; the five bytes that code page 1252 leaves unassigned map to the control
// characters of the same value, as Windows decodes them, so that every byte survives a round trip.
constexpr std::array<char16_t, 32> Alti = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<char> Byte(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (std::size_t i = 0; i < Alti.size(); ++i) {
        if (Alti[i] == u)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

} // namespace

QString DaCp1252(QByteArrayView byte) {
    QString testo(byte.size(), Qt::Uninitialized);
    QChar* out = testo.data();
    for (const char b : byte) {
        const auto u = static_cast<unsigned char>(b);
        *out++ = QChar(u >= 0x80 && u < 0xA0 ? Alti[u - 0x80] : char16_t{u});
    }
    return testo;
}

std::optional<QChar> CarattereNonAmmesso(QStringView testo) {
    for (const QChar c : testo) {
        if (!Byte(c))
            return c;
    }
    return std::nullopt;
}

QString MessaggioCarattereNonAmmesso(QChar carattere) {
    return QStringLiteral("Il testo contiene il carattere \"%1\", che non può essere salvato.\r\n"
                          "Usare solo lettere, cifre e simboli dell'alfabeto latino.")
        .arg(carattere);
}

QByteArray ACp1252(QStringView testo) {
    QByteArray byte;
    byte.reserve(testo.size());
    for (const QChar c : testo) {
        const std::optional<char> b = Byte(c);
        if (!b)
            throw Errore(MessaggioCarattereNonAmmesso(c));
        byte.append(*b);
    }
    return byte;
}

QStringList DividiRighe(QByteArrayView byte) {
    QStringList righe;
    qsizetype inizio = 0;
    for (qsizetype i = 0; i < byte.size(); ++i) {
        if (byte[i] != '\r' && byte[i] != '\n')
            continue;
        righe.append(DaCp1252(byte.sliced(inizio, i - inizio)));
        if (byte[i] == '\r' && i + 1 < byte.size() && byte[i + 1] == '\n')
            ++i;
        inizio = i + 1;
    }
    if (inizio < byte.size())
        righe.append(DaCp1252(byte.sliced(inizio)));
    return righe;
}

QByteArray UnisciRighe(const QStringList& righe) {
    QByteArray byte;
    for (const QString& riga : righe)
        byte += ACp1252(riga) + "\r\n";
    return byte;
}

QStringList LeggiRighe(const QString& percorso) {
    return DividiRighe(LeggiFile(percorso));
}

void ScriviRighe(const QString& percorso, const QStringList& righe) {
    ScriviFile(percorso, UnisciRighe(righe));
}

void AggiungiRiga(const QString& percorso, const QString& riga) {
    const QByteArray byte = ACp1252(riga) + "\r\n";
    QFile file(percorso);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(byte) != byte.size())
        throw Errore(MessaggioScrittura(file));
}

} // namespace klavo::testo
