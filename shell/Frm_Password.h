#pragma once

// The start-up window: it reads the options, then opens the main window at once or asks the
// start-up password first. It also defines the first password and changes it.

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

namespace klavo {

class Frm_Password : public QWidget {
    Q_OBJECT
public:
    Frm_Password();

    // The start-up sequence; the window shows itself only when a password must be typed.
    void Avvia();

    void Img_OK_Click();
    void Img_New_Click();

    QLineEdit* Txt_Password;
    QLabel* Lbl_Password;
    QToolButton* Img_OK;
    QToolButton* Img_New;
    QLabel* Image1;

    QString FilePassword;
    qint16 TentativiErrati = 0;

private:
    void ApriPrincipale();
    void Riprova();
    // The stored password, or nothing (after a message) when the file cannot be read.
    std::optional<QString> PasswordSalvata();
};

} // namespace klavo
