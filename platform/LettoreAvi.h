#pragma once

// The animation control: plays an uncompressed AVI clip in a label, frame by frame on a timer,
// over and over. Like the system's control it draws the colour of the first pixel as background.
// A missing or unreadable clip leaves the control empty and raises nothing.

#include <QLabel>
#include <QList>
#include <QPixmap>

class QTimer;

namespace klavo {

class LettoreAvi : public QLabel {
    Q_OBJECT
public:
    explicit LettoreAvi(QWidget* padre = nullptr);

    // Opens the clip, stopped on its first frame. False, and the control empty, when the file is
    // missing or not a clip it can play.
    bool Apri(const QString& file);
    // Plays the open clip from its first frame, over and over.
    void Riproduci();
    void Ferma();

    qsizetype NumeroFotogrammi() const { return fotogrammi_.size(); }
    qsizetype FotogrammaCorrente() const { return corrente_; }
    bool InRiproduzione() const;
    int Intervallo() const;
    // Shows the next frame (one tick of the timer).
    void Avanza();

private:
    void Mostra(qsizetype indice);

    QTimer* timer_;
    QList<QPixmap> fotogrammi_;
    qsizetype corrente_ = 0;
};

} // namespace klavo
