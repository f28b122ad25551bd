#include "platform/LettoreAvi.h"

#include "platform/Avi.h"

#include <QImage>
#include <QTimer>

namespace klavo {

LettoreAvi::LettoreAvi(QWidget* padre) : QLabel(padre), timer_(new QTimer(this)) {
    setAlignment(Qt::AlignCenter);
    connect(timer_, &QTimer::timeout, this, &LettoreAvi::Avanza);
}

bool LettoreAvi::Apri(const QString& file) {
    Ferma();
    fotogrammi_.clear();
    corrente_ = 0;
    clear();
    const std::optional<avi::Clip> clip = avi::ApriClip(file);
    if (!clip)
        return false;
    for (const QList<quint32>& pixel : clip->fotogrammi) {
        QImage immagine(clip->larghezza, clip->altezza, QImage::Format_ARGB32);
        const quint32 sfondo = pixel.front();
        for (int y = 0; y < clip->altezza; ++y) {
            auto* riga = reinterpret_cast<quint32*>(immagine.scanLine(y));
            for (int x = 0; x < clip->larghezza; ++x) {
                const quint32 p = pixel[qsizetype(y) * clip->larghezza + x];
                riga[x] = p == sfondo ? 0u : p;
            }
        }
        fotogrammi_.append(QPixmap::fromImage(immagine));
    }
    timer_->setInterval(clip->millisecondiPerFotogramma);
    Mostra(0);
    return true;
}

void LettoreAvi::Riproduci() {
    if (fotogrammi_.isEmpty())
        return;
    Mostra(0);
    if (fotogrammi_.size() > 1)
        timer_->start();
}

void LettoreAvi::Ferma() {
    timer_->stop();
}

bool LettoreAvi::InRiproduzione() const {
    return timer_->isActive();
}

int LettoreAvi::Intervallo() const {
    return timer_->interval();
}

void LettoreAvi::Avanza() {
    if (!fotogrammi_.isEmpty())
        Mostra((corrente_ + 1) % fotogrammi_.size());
}

void LettoreAvi::Mostra(qsizetype indice) {
    corrente_ = indice;
    setPixmap(fotogrammi_[indice]);
}

} // namespace klavo
