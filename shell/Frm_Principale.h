#pragma once

// The main window of Klavo.

#include <QMainWindow>

class QAction;
class QMenu;

namespace klavo {

class Frm_Principale : public QMainWindow {
    Q_OBJECT
public:
    Frm_Principale();

    // Opzioni menu
    QMenu* Mnu_Opzioni;
    QAction* Mnu_Elimina;
    QMenu* Mnu_Algoritmo;
    QAction* Mnu_Veloce;
    QAction* Mnu_Sicuro;
    QAction* Mnu_Chiedi_Password;
    QAction* Mnu_Salva_Adesso;
    QAction* Mnu_Salva_Uscita;
    QAction* Mnu_Ripristina_Default;

    void Mnu_Elimina_Click();
    void Mnu_Veloce_Click();
    void Mnu_Sicuro_Click();
    void Mnu_Chiedi_Password_Click();
    void Mnu_Salva_Adesso_Click();
    void Mnu_Salva_Uscita_Click();
    void Mnu_Ripristina_Default_Click();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void CreaMenuOpzioni();
    void MostraOpzioni();
};

} // namespace klavo
