#pragma once

// The random password generator window: two modes, each with its group of controls, the list of
// generated passwords, copy, save and help. One instance, opened with
// finestre::Finestra<Frm_Crea_Password>().show().

#include "generator/Generatore.h"

#include <QWidget>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace klavo {

class Frm_Crea_Password : public QWidget {
    Q_OBJECT
public:
    Frm_Crea_Password();

    void OptEsatta_Click();
    void OptAlmeno_Click();
    // The exact-mode total and the at-least minimum, recomputed from the count lists.
    void CalcolaNumTotale();
    void CalcolaNumTotale2();
    void TxtLungMin_GotFocus();
    void TxtLungMax_LostFocus();
    void Cmd_Crea_Click();
    void Cmd_Crea2_Click();
    void List_Psw_MouseUp(Qt::MouseButton pulsante);
    void List_Psw_DblClick();
    void Cmd_Copia_Click();
    void Cmd_Salva_Click();
    void Cmd_Help_Click();

    QRadioButton* OptEsatta;
    QRadioButton* OptAlmeno;

    QGroupBox* Frm_Lung;
    std::array<QComboBox*, generatore::Classi.size()> Combo1;
    QLabel* Lbl_TOT;
    QComboBox* Cmb_Num;
    QPushButton* Cmd_Crea;

    QGroupBox* Frame1;
    std::array<QComboBox*, generatore::Classi.size()> Combo2;
    QLineEdit* TxtLungMin;
    QLineEdit* TxtLungMax;
    QComboBox* Cmb_Num2;
    QPushButton* Cmd_Crea2;

    QListWidget* List_Psw;
    QLabel* Lbl_BigPsw;
    QPushButton* Cmd_Copia;
    QPushButton* Cmd_Salva;
    QPushButton* Cmd_Help;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void AbilitaGruppi(bool esatta);
    // False when the user declines very long passwords.
    bool ConfermaLunghe();
    void MostraLista(const QStringList& password);
    // The selected password, or empty text when none is selected.
    QString Selezionata() const;
};

} // namespace klavo
