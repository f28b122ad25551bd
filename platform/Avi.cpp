#include "platform/Avi.h"

#include <QFile>
#include <QtEndian>

namespace klavo::avi {

namespace {

// Limits that keep a damaged or hostile file from asking for unbounded memory.
constexpr qint64 DimensioneMassimaFile = 64 * 1024 * 1024;
constexpr int LatoMassimo = 4096;
constexpr qsizetype PixelMassimi = 64 * 1024 * 1024;

constexpr quint32 AVIIF_KEYFRAME = 0x10;
constexpr quint32 AVIF_HASINDEX = 0x10;

quint32 Dword(QByteArrayView d, qsizetype pos) {
    return qFromLittleEndian<quint32>(d.data() + pos);
}

quint16 Word(QByteArrayView d, qsizetype pos) {
    return qFromLittleEndian<quint16>(d.data() + pos);
}

bool Codice(QByteArrayView d, qsizetype pos, const char* codice) {
    return d.sliced(pos, 4) == QByteArrayView(codice, 4);
}

struct Formato {
    int larghezza = 0;
    int altezza = 0;
    bool dalBasso = true;
    int bit = 0;
    QList<quint32> tavolozza;
};

struct Lettura {
    std::optional<Formato> formato;
    int flussoVideo = -1;
    QByteArray prefissoVideo;
    int flussi = 0;
    quint32 microsecondi = 0;
    quint32 scala = 0;
    quint32 velocita = 0;
    QList<QByteArrayView> dati;
    bool valida = true;
};

std::optional<Formato> LeggiFormato(QByteArrayView f) {
    if (f.size() < 40)
        return std::nullopt;
    const quint32 dimensioneIntestazione = Dword(f, 0);
    const auto larghezza = static_cast<qint32>(Dword(f, 4));
    const auto altezza = static_cast<qint32>(Dword(f, 8));
    const quint16 bit = Word(f, 14);
    const quint32 compressione = Dword(f, 16);
    quint32 colori = Dword(f, 32);
    if (compressione != 0 || (bit != 8 && bit != 24 && bit != 32) || larghezza <= 0 ||
        larghezza > LatoMassimo || altezza == 0 || altezza < -LatoMassimo ||
        altezza > LatoMassimo || dimensioneIntestazione < 40 || dimensioneIntestazione > f.size())
        return std::nullopt;
    Formato formato;
    formato.larghezza = larghezza;
    formato.altezza = altezza < 0 ? -altezza : altezza;
    formato.dalBasso = altezza > 0;
    formato.bit = bit;
    if (bit == 8) {
        if (colori == 0 || colori > 256)
            colori = 256;
        const qsizetype inizio = dimensioneIntestazione;
        if (f.size() < inizio + qsizetype(colori) * 4)
            return std::nullopt;
        for (quint32 i = 0; i < colori; ++i) {
            const qsizetype p = inizio + qsizetype(i) * 4;
            formato.tavolozza.append(0xFF000000u | quint32(quint8(f[p + 2])) << 16 |
                                     quint32(quint8(f[p + 1])) << 8 | quint8(f[p]));
        }
        formato.tavolozza.resize(256, 0xFF000000u);
    }
    return formato;
}

// Walks the chunks of a list, from pos to fine.
void LeggiLista(QByteArrayView d, qsizetype pos, qsizetype fine, Lettura& l) {
    while (l.valida && pos + 8 <= fine) {
        const quint32 dimensione = Dword(d, pos + 4);
        const qsizetype inizioDati = pos + 8;
        if (dimensione > quint32(fine - inizioDati)) {
            l.valida = false;
            return;
        }
        const QByteArrayView dati = d.sliced(inizioDati, dimensione);
        if (Codice(d, pos, "LIST")) {
            if (dimensione < 4) {
                l.valida = false;
                return;
            }
            if (Codice(d, inizioDati, "strl"))
                ++l.flussi;
            LeggiLista(d, inizioDati + 4, inizioDati + dimensione, l);
        } else if (Codice(d, pos, "avih") && dimensione >= 40) {
            l.microsecondi = Dword(dati, 0);
        } else if (Codice(d, pos, "strh") && dimensione >= 28) {
            if (l.flussoVideo < 0 && Codice(dati, 0, "vids")) {
                l.flussoVideo = l.flussi - 1;
                l.prefissoVideo = QByteArray::number(l.flussoVideo).rightJustified(2, '0');
                l.scala = Dword(dati, 20);
                l.velocita = Dword(dati, 24);
            }
        } else if (Codice(d, pos, "strf")) {
            if (l.flussoVideo == l.flussi - 1 && l.flussoVideo >= 0 && !l.formato) {
                l.formato = LeggiFormato(dati);
                if (!l.formato)
                    l.valida = false;
            }
        } else if (l.flussoVideo >= 0 && d.sliced(pos, 2) == l.prefissoVideo &&
                   (d.sliced(pos + 2, 2) == "db" || d.sliced(pos + 2, 2) == "dc")) {
            // A frame of the video stream: "00db" (or "00dc") for stream 0.
            l.dati.append(dati);
        }
        pos = inizioDati + dimensione + (dimensione & 1);
    }
}

QList<quint32> Decodifica(QByteArrayView dati, const Formato& f) {
    const qsizetype riga = ((qsizetype(f.larghezza) * f.bit + 31) / 32) * 4;
    if (dati.size() < riga * f.altezza)
        return {};
    QList<quint32> pixel(qsizetype(f.larghezza) * f.altezza);
    for (int y = 0; y < f.altezza; ++y) {
        const qsizetype sorgente = riga * (f.dalBasso ? f.altezza - 1 - y : y);
        quint32* destinazione = pixel.data() + qsizetype(y) * f.larghezza;
        for (int x = 0; x < f.larghezza; ++x) {
            if (f.bit == 8) {
                destinazione[x] = f.tavolozza[quint8(dati[sorgente + x])];
                continue;
            }
            const qsizetype p = sorgente + qsizetype(x) * (f.bit / 8);
            destinazione[x] = 0xFF000000u | quint32(quint8(dati[p + 2])) << 16 |
                              quint32(quint8(dati[p + 1])) << 8 | quint8(dati[p]);
        }
    }
    return pixel;
}

void AggiungiDword(QByteArray& b, quint32 valore) {
    char byte[4];
    qToLittleEndian(valore, byte);
    b.append(byte, 4);
}

void AggiungiWord(QByteArray& b, quint16 valore) {
    char byte[2];
    qToLittleEndian(valore, byte);
    b.append(byte, 2);
}

QByteArray Blocco(const char* codice, const QByteArray& dati) {
    QByteArray b(codice, 4);
    AggiungiDword(b, quint32(dati.size()));
    b += dati;
    if (dati.size() & 1)
        b.append('\0');
    return b;
}

QByteArray Lista(const char* tipo, const QByteArray& contenuto) {
    return Blocco("LIST", QByteArray(tipo, 4) + contenuto);
}

} // namespace

std::optional<Clip> LeggiClip(QByteArrayView dati) {
    if (dati.size() < 12 || !Codice(dati, 0, "RIFF") || !Codice(dati, 8, "AVI "))
        return std::nullopt;
    const qsizetype fine = std::min<qsizetype>(dati.size(), qsizetype(Dword(dati, 4)) + 8);
    Lettura l;
    LeggiLista(dati, 12, fine, l);
    if (!l.valida || !l.formato || l.dati.isEmpty())
        return std::nullopt;
    const Formato& f = *l.formato;
    if (qsizetype(f.larghezza) * f.altezza * l.dati.size() > PixelMassimi)
        return std::nullopt;

    Clip clip;
    clip.larghezza = f.larghezza;
    clip.altezza = f.altezza;
    qint64 microsecondi = l.microsecondi;
    if (microsecondi == 0 && l.velocita != 0)
        microsecondi = qint64(l.scala) * 1000000 / l.velocita;
    if (microsecondi > 0)
        clip.millisecondiPerFotogramma = int(std::clamp<qint64>(microsecondi / 1000, 1, 60000));
    for (const QByteArrayView fotogramma : l.dati) {
        // An empty chunk repeats the frame before it.
        if (fotogramma.isEmpty() && !clip.fotogrammi.isEmpty()) {
            clip.fotogrammi.append(clip.fotogrammi.back());
            continue;
        }
        QList<quint32> pixel = Decodifica(fotogramma, f);
        if (pixel.isEmpty())
            return std::nullopt;
        clip.fotogrammi.append(std::move(pixel));
    }
    return clip;
}

std::optional<Clip> ApriClip(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly) || f.size() > DimensioneMassimaFile)
        return std::nullopt;
    const QByteArray dati = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return std::nullopt;
    return LeggiClip(dati);
}

QByteArray ScriviClip(const Clip& clip) {
    const qsizetype riga = ((qsizetype(clip.larghezza) * 24 + 31) / 32) * 4;
    const auto dimensioneFotogramma = quint32(riga * clip.altezza);
    const auto fotogrammi = quint32(clip.fotogrammi.size());
    const auto microsecondi = quint32(clip.millisecondiPerFotogramma) * 1000;

    QByteArray avih;
    AggiungiDword(avih, microsecondi);
    AggiungiDword(avih, quint32(quint64(dimensioneFotogramma) * 1000000 / microsecondi));
    AggiungiDword(avih, 0);
    AggiungiDword(avih, AVIF_HASINDEX);
    AggiungiDword(avih, fotogrammi);
    AggiungiDword(avih, 0);
    AggiungiDword(avih, 1);
    AggiungiDword(avih, dimensioneFotogramma);
    AggiungiDword(avih, quint32(clip.larghezza));
    AggiungiDword(avih, quint32(clip.altezza));
    avih.append(16, '\0');

    QByteArray strh("vidsDIB ", 8);
    AggiungiDword(strh, 0);
    AggiungiWord(strh, 0);
    AggiungiWord(strh, 0);
    AggiungiDword(strh, 0);
    AggiungiDword(strh, microsecondi);
    AggiungiDword(strh, 1000000);
    AggiungiDword(strh, 0);
    AggiungiDword(strh, fotogrammi);
    AggiungiDword(strh, dimensioneFotogramma);
    AggiungiDword(strh, 0xFFFFFFFFu);
    AggiungiDword(strh, 0);
    AggiungiWord(strh, 0);
    AggiungiWord(strh, 0);
    AggiungiWord(strh, quint16(clip.larghezza));
    AggiungiWord(strh, quint16(clip.altezza));

    QByteArray strf;
    AggiungiDword(strf, 40);
    AggiungiDword(strf, quint32(clip.larghezza));
    AggiungiDword(strf, quint32(clip.altezza));
    AggiungiWord(strf, 1);
    AggiungiWord(strf, 24);
    AggiungiDword(strf, 0);
    AggiungiDword(strf, dimensioneFotogramma);
    strf.append(16, '\0');

    const QByteArray hdrl = Lista(
        "hdrl", Blocco("avih", avih) + Lista("strl", Blocco("strh", strh) + Blocco("strf", strf)));

    QByteArray movi("movi", 4);
    QByteArray idx1;
    for (const QList<quint32>& pixel : clip.fotogrammi) {
        QByteArray fotogramma(dimensioneFotogramma, '\0');
        for (int y = 0; y < clip.altezza; ++y) {
            char* destinazione = fotogramma.data() + riga * (clip.altezza - 1 - y);
            for (int x = 0; x < clip.larghezza; ++x) {
                const quint32 p = pixel[qsizetype(y) * clip.larghezza + x];
                destinazione[3 * x] = char(p & 0xFF);
                destinazione[3 * x + 1] = char((p >> 8) & 0xFF);
                destinazione[3 * x + 2] = char((p >> 16) & 0xFF);
            }
        }
        idx1 += QByteArray("00db", 4);
        AggiungiDword(idx1, AVIIF_KEYFRAME);
        AggiungiDword(idx1, quint32(movi.size()));
        AggiungiDword(idx1, dimensioneFotogramma);
        movi += Blocco("00db", fotogramma);
    }

    return Blocco("RIFF",
                  QByteArray("AVI ", 4) + hdrl + Blocco("LIST", movi) + Blocco("idx1", idx1));
}

} // namespace klavo::avi
