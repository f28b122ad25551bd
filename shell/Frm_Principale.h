#pragma once

// The main window of Klavo: the four operation buttons, the menus from which every other window
// is opened, the alarm LED, the clip, and the requests of the command line.

#include <QMainWindow>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTimer;
class QToolButton;

namespace klavo {

class LettoreAvi;
class VistaCartelle;

class Frm_Principale : public QMainWindow {
    Q_OBJECT
public:
    // Intervals of the window's timers, in milliseconds.
    static constexpr int IntervalloAlarmShow = 2000;
    static constexpr int IntervalloAlarmBreak = 75;
    static constexpr int IntervalloTimerInfo = 3000;

    Frm_Principale();

    // The window's common dialog: the file name that the file dialogs start from and leave, and
    // that a request of the command line hands to the file handlers.
    struct DialogoComune {
        QString FileName;
    };
    DialogoComune CommonDialog1;

    // The program's command line, taken when the window loads; emptied once its request is served.
    QString RigaComando;

    // Every activation: plays the clip and, the first time, serves the command line's request.
    // Both also happen right after the window is shown when the desktop does not activate it.
    void Form_Activate();

    // Cripta and Decripta menus, and the buttons they share their handlers with
    QMenu* Mnu_Cripta;
    QAction* Mnu_File;
    QAction* Mnu_Cartella;
    QMenu* Mnu_Decripta;
    QAction* Mnu_File2;
    QAction* Mnu_Cartella2;
    QToolButton* Cmd_Cripta_File;
    QToolButton* Cmd_Cripta_Cartella;
    QToolButton* Cmd_Decripta_File;
    QToolButton* Cmd_Decripta_Cartella;
    // The file operations. A request of the command line calls the single-file ones with
    // DaRigaComando set and the file in CommonDialog1.FileName.
    void Cmd_Cripta_File_Click();
    void Cmd_Decripta_File_Click();
    void Cmd_Cripta_Cartella_Click();
    void Cmd_Decripta_Cartella_Click();

    // Folder mode: the folder view, the list of the folder's files and the buttons that drive it.
    VistaCartelle* Dir1;
    QCheckBox* ChkSubFolders;
    QLabel* Lbl_Lista;
    QLabel* LblNumFile;
    QLabel* Lbl_File_Selected;
    QListWidget* List1;
    QPushButton* Cmd_Continua;
    QPushButton* Cmd_Annulla;
    // "Visualizza file" while the next Continua lists the folder; "Cripta" or "Decripta"; and
    // "WARNING" when a listed file to decrypt has no stored password.
    QString Cmd_Continua_Tag;
    QString Cmd_Annulla_Tag;
    QString List1_Tag;
    // The listed folder.
    QString CartellaCorrente;
    void Cmd_Continua_Click();
    void Cmd_Annulla_Click();
    void List1_Click();

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

    // Strumenti menu
    QMenu* Mnu_Utilita;
    QAction* Mnu_Genera;
    QAction* Mnu_Archivio;
    QAction* MnuProtection;
    QAction* MnuKlavoUSB;
    QMenu* MnuDriveVirtuale;
    QAction* MnuApriDrive;
    QAction* MnuChiudiDrive;
    QAction* MnuChiudiTutti;
    QAction* MnuCreaDrive;
    QAction* MnuAvviaTC;
    QAction* MnuChiusura;
    QAction* Mnu_Estensioni;
    QAction* MnuAccessi;

    void MnuChiusura_Click();
    void MnuAccessi_Click();

    // ? menu
    QMenu* Mnu_Help;
    QAction* Mnu_Guida;
    QAction* Mnu_Informazioni_SU;

    void Mnu_Guida_Click();

    // Controls
    QGroupBox* Frame;
    QLabel* Image1;
    LettoreAvi* Animation1;
    QTimer* AlarmShow;
    QTimer* AlarmBreak;
    QTimer* TimerInfo;

    void AlarmShow_Timer();
    void AlarmBreak_Timer();
    void TimerInfo_Timer();

protected:
    // Drags over the four buttons: the button's hint in Frame while dragging, and a drop of a
    // file (onto a file button) or a folder (onto a folder button) starts that operation on it.
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    bool event(QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void CreaControlli();
    void CreaMenuCripta();
    void CreaMenuOpzioni();
    void CreaMenuStrumenti();
    void CreaMenuHelp();
    void MostraOpzioni();
    void ServiRichiesta();
    void ApriContenitore();
};

} // namespace klavo
