#pragma once

// The window of the access log: the blocked starts it holds, and the deletion of the log.

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace klavo {

class FrmAccessi : public QDialog {
    Q_OBJECT
public:
    FrmAccessi();

    void CmdCancella_Click();
    void CmdChiudi_Click();

    QLabel* Label1;
    QListWidget* List1;
    QLabel* Label2;
    QPushButton* CmdCancella;
    QPushButton* CmdChiudi;
};

} // namespace klavo
