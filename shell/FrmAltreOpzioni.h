#pragma once

// The closing option of the virtual drives: what the program does after a container opened
// from the shell has been handed to TrueCrypt. The choice is kept in drv.dll.

#include <QDialog>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace klavo {

class FrmAltreOpzioni : public QDialog {
    Q_OBJECT
public:
    FrmAltreOpzioni();

    void CmdOK_Click();
    void CmdAnnulla_Click();

    QGroupBox* Frame1;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QPushButton* CmdOK;
    QPushButton* CmdAnnulla;
};

} // namespace klavo
