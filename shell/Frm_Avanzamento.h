#pragma once

// The small wait and progress window: a bar that a timer widens as a fixed pause while options
// are saved, or that an encryption run widens itself. The main window is disabled while it is up.

#include <QWidget>

class QFrame;
class QLabel;
class QTimer;

namespace klavo {

class Frm_Avanzamento : public QWidget {
    Q_OBJECT
public:
    // Geometry in twips, the unit of the window's layout (15 twips a pixel).
    static constexpr int LarghezzaTraccia = 3015;
    static constexpr int LarghezzaIniziale = 15;
    static constexpr int AltezzaBarra = 255;
    static constexpr int PassoTimer = 300;
    static constexpr int IntervalloTimer = 150;

    Frm_Avanzamento();

    int LarghezzaBarra() const { return larghezzaBarra_; }
    void ImpostaLarghezzaBarra(int twip);

    // One tick of Timer1.
    void Timer1_Timer();

    QLabel* Lbl_Avanzamento;
    QFrame* Picture1;
    QFrame* Shape1;
    QTimer* Timer1;
    bool ChiusuraProgramma = false;

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    int larghezzaBarra_ = LarghezzaIniziale;
};

} // namespace klavo
