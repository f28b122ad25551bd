#pragma once

// Uncompressed RIFF AVI clips, the kind an animation control plays: the first video stream,
// frames stored as uncompressed bitmaps of 8 (with a palette), 24 or 32 bits a pixel.

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace klavo::avi {

struct Clip {
    int larghezza = 0;
    int altezza = 0;
    int millisecondiPerFotogramma = 100;
    // Every frame: larghezza * altezza pixels 0xFFRRGGBB, rows from the top.
    QList<QList<quint32>> fotogrammi;
};

// The clip in the bytes of an AVI file; nothing when they are not a clip of that kind.
std::optional<Clip> LeggiClip(QByteArrayView dati);
// The clip of a file; nothing when it is missing, unreadable or not a clip of that kind.
std::optional<Clip> ApriClip(const QString& file);

// An AVI file of the clip: one video stream of uncompressed 24-bit frames, with its index.
QByteArray ScriviClip(const Clip& clip);

} // namespace klavo::avi
