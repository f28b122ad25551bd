// Writes the program's clips, Main.avi and Prot.avi, into the folder given: uncompressed AVI
// frames drawn here, on the background colour that the player shows as transparent.

#include "platform/Avi.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>

using namespace klavo;

namespace {

const QColor Sfondo(240, 240, 240);
const QColor Blu(21, 101, 192);
const QColor BluChiaro(100, 160, 230);
const QColor Grigio(120, 128, 140);

avi::Clip Disegna(int larghezza, int altezza, int fotogrammi, int millisecondi,
                  const std::function<void(QPainter&, int)>& disegno) {
    avi::Clip clip;
    clip.larghezza = larghezza;
    clip.altezza = altezza;
    clip.millisecondiPerFotogramma = millisecondi;
    for (int f = 0; f < fotogrammi; ++f) {
        QImage immagine(larghezza, altezza, QImage::Format_RGB32);
        immagine.fill(Sfondo);
        {
            QPainter p(&immagine);
            p.setRenderHint(QPainter::Antialiasing);
            disegno(p, f);
        }
        // The corner pixel names the background: it stays untouched.
        immagine.setPixelColor(0, 0, Sfondo);
        QList<quint32> pixel;
        pixel.reserve(qsizetype(larghezza) * altezza);
        for (int y = 0; y < altezza; ++y) {
            const auto* riga = reinterpret_cast<const quint32*>(immagine.constScanLine(y));
            for (int x = 0; x < larghezza; ++x)
                pixel.append(riga[x] | 0xFF000000u);
        }
        clip.fotogrammi.append(pixel);
    }
    return clip;
}

// A padlock whose body's top left corner is at (x, y), body w wide and h high.
void Lucchetto(QPainter& p, qreal x, qreal y, qreal w, qreal h, qreal luce) {
    const qreal spessore = w / 6;
    QPen arco(Grigio, spessore, Qt::SolidLine, Qt::FlatCap);
    p.setPen(arco);
    p.setBrush(Qt::NoBrush);
    const qreal r = w / 2 - spessore;
    QPainterPath ansa;
    ansa.moveTo(x + spessore * 1.5, y);
    ansa.lineTo(x + spessore * 1.5, y - r * 0.6);
    ansa.arcTo(QRectF(x + spessore * 1.5, y - r * 0.6 - r, 2 * r - spessore, 2 * r), 180, -180);
    ansa.lineTo(x + w - spessore * 1.5, y);
    p.drawPath(ansa);
    p.setPen(Qt::NoPen);
    p.setBrush(Blu);
    p.drawRoundedRect(QRectF(x, y, w, h), w / 8, w / 8);
    // A gleam across the body.
    if (luce >= 0 && luce <= 1) {
        p.save();
        p.setClipRect(QRectF(x, y, w, h));
        QLinearGradient riflesso(x + (luce * 2 - 0.5) * w, y, x + (luce * 2 - 0.5) * w + w / 2,
                                 y + h);
        riflesso.setColorAt(0, QColor(255, 255, 255, 0));
        riflesso.setColorAt(0.5, QColor(255, 255, 255, 150));
        riflesso.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(riflesso);
        p.drawRect(QRectF(x, y, w, h));
        p.restore();
    }
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(x + w / 2, y + h * 0.42), w / 10, w / 10);
    p.drawRect(QRectF(x + w / 2 - w / 24, y + h * 0.42, w / 12, h * 0.35));
}

// A binary digit, drawn as strokes, centred at (x, y).
void Cifra(QPainter& p, qreal x, qreal y, bool uno, const QColor& colore) {
    p.setPen(QPen(colore, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    if (uno) {
        p.drawLine(QPointF(x, y - 4.5), QPointF(x, y + 4.5));
        p.drawLine(QPointF(x, y - 4.5), QPointF(x - 2, y - 2.5));
    } else {
        p.drawEllipse(QPointF(x, y), 2.4, 4.5);
    }
}

// Plain data flows into the padlock from the left and leaves it, scrambled, on the right.
avi::Clip ClipPrincipale() {
    constexpr int Larghezza = 136, Altezza = 28, Fotogrammi = 24, Passo = 8, Velocita = 2;
    const bool chiari[6] = {true, false, true, true, false, false};
    const bool criptati[6] = {false, true, true, false, true, false};
    return Disegna(Larghezza, Altezza, Fotogrammi, 80, [&](QPainter& p, int f) {
        const qreal centro = Larghezza / 2.0;
        for (int k = -2; k < Larghezza / Passo + 2; ++k) {
            const qreal x = k * Passo + f * Velocita;
            const int indice = ((k % 6) + 6) % 6;
            const qreal distanza = std::abs(x - centro);
            if (distanza < 13 || x < 3 || x > Larghezza - 3)
                continue;
            // Digits fade in at the edges and into the padlock.
            const qreal bordo = std::min(x, Larghezza - x);
            const qreal opacita = std::clamp(std::min((distanza - 13) / 10, bordo / 14), 0.0, 1.0);
            QColor colore = x < centro ? BluChiaro : Blu;
            colore.setAlphaF(float(opacita));
            const bool uno = x < centro ? chiari[indice] : criptati[(indice + 3) % 6];
            Cifra(p, x, Altezza / 2.0 + (x < centro ? 0 : (indice % 2 ? -2 : 2)), uno, colore);
        }
        Lucchetto(p, centro - 8, 11, 16, 13, f / 8.0);
    });
}

// A padlock inside a shield, circled by a turning ring.
avi::Clip ClipProtezione() {
    constexpr int Lato = 64, Fotogrammi = 24;
    return Disegna(Lato, Lato, Fotogrammi, 60, [&](QPainter& p, int f) {
        const QPointF centro(Lato / 2.0, Lato / 2.0);
        QPainterPath scudo;
        scudo.moveTo(32, 10);
        scudo.cubicTo(40, 14, 46, 14, 50, 14);
        scudo.cubicTo(50, 34, 44, 46, 32, 54);
        scudo.cubicTo(20, 46, 14, 34, 14, 14);
        scudo.cubicTo(18, 14, 24, 14, 32, 10);
        p.setPen(QPen(Blu, 1.5));
        p.setBrush(QColor(225, 236, 250));
        p.drawPath(scudo);
        Lucchetto(p, 25, 28, 14, 12, f < 12 ? f / 12.0 : -1);
        const qreal angolo = 360.0 * f / Fotogrammi;
        for (int i = 0; i < 12; ++i) {
            const qreal a = (angolo + i * 30) * std::numbers::pi / 180;
            QColor colore = Blu;
            colore.setAlphaF(float(0.15 + 0.85 * i / 11.0));
            p.setPen(Qt::NoPen);
            p.setBrush(colore);
            p.drawEllipse(centro + QPointF(std::cos(a), std::sin(a)) * 28, 2.2, 2.2);
        }
    });
}

bool Scrivi(const QString& file, const avi::Clip& clip) {
    QFile f(file);
    const QByteArray dati = avi::ScriviClip(clip);
    if (f.open(QIODevice::WriteOnly) && f.write(dati) == dati.size())
        return true;
    std::fprintf(stderr, "crea_clip: impossibile scrivere %s\n", qPrintable(file));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: crea_clip <cartella>\n");
        return 2;
    }
    const QString cartella = QString::fromLocal8Bit(argv[1]);
    const bool ok = Scrivi(cartella + QStringLiteral("/Main.avi"), ClipPrincipale()) &&
                    Scrivi(cartella + QStringLiteral("/Prot.avi"), ClipProtezione());
    return ok ? 0 : 1;
}
