#pragma once

// The hidden window that owns the notification-area icon left after a container is opened from
// the shell: a double click brings the main window back, the right button pops up its menu.

#include <QWidget>

class QAction;
class QMenu;

namespace klavo {

class FrmTaskbar : public QWidget {
    Q_OBJECT
public:
    static constexpr int DoppioClic = 515;
    static constexpr int TastoDestro = 516;

    FrmTaskbar();
    ~FrmTaskbar() override;

    // Whether the icon is shown: false when the desktop has no notification area.
    bool IconaPresente() const { return iconaPresente_; }
    // A mouse message of the icon.
    void Icona_Evento(int messaggio);

    void MnuKlavo_Click();
    void MnuChiudi_Click();
    void MnuChiudiTutti_Click();
    void MnuEsci_Click();

    QMenu* Nuovo;
    QAction* MnuKlavo;
    QAction* MnuChiudi;
    QAction* MnuChiudiTutti;
    QAction* MnuAnnulla;
    QAction* MnuEsci;

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void RimuoviIcona();

    bool iconaPresente_ = false;
};

} // namespace klavo
