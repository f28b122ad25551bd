#pragma once

// The password dialog through which every encryption and decryption passes: the password, twice
// when encrypting, the Anti Brute-Force option, the checks of OK, then the run over the file with
// the progress window. Not modal; the main window is hidden while it is open.

#include "encryption/Codifica.h"

#include <QWidget>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace klavo {

class LettoreAvi;

class Frm_Password2 : public QWidget, public Interlocutore {
    Q_OBJECT
public:
    enum class Modo { CriptaFile, DecriptaFile, CriptaCartella, DecriptaCartella };

    Frm_Password2();

    // Shows the one instance of the dialog set up for the mode on the file or folder.
    static Frm_Password2& Apri(Modo modo, const QString& percorso);

    void Cmd_OK_Click();
    void Cmd_Annulla_Click();
    void Cmd_Help_Click();
    void Chk_BruteForce_Click();

    QFrame* Picture1;
    LettoreAvi* Animation1;
    QLabel* Lbl_Password;
    QLineEdit* Txt_Password;
    QLabel* Lbl_Conferma;
    QLineEdit* Txt_Conferma;
    QGroupBox* Frame1;
    QCheckBox* Chk_BruteForce;
    QPushButton* Cmd_OK;
    QPushButton* Cmd_Annulla;
    QPushButton* Cmd_Crea;
    QPushButton* Cmd_Help;
    // The dialog's parameters: the file or folder, "True"/"False" for encrypting and for one file.
    QLabel* Lbl_NomeFile;
    QLabel* Lbl_Encrypt;
    QLabel* Lbl_JustAFile;

    // What the cipher routine asks of the dialog.
    bool ProseguiFileGrande(const Messaggio& domanda) override;
    void Mostra(const Messaggio& messaggio) override;
    void Avanzamento(qint64 blocco, qint64 megabyte) override;

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    bool Cripta() const;
    // The checks of OK in their order; false leaves the dialog open.
    bool Convalida(const QString& password);
    void EseguiFile(const QString& password);
    // The selected entries of the main window's list; returns when the run is finished.
    void EseguiLista(const QString& password);
    void CriptaLista(const QString& password);
    void DecriptaLista(const QString& password);
    void Finisci();
    void ChiudiAvanzamento();
    bool inCorsa_ = false;
};

// Shows the progress window of a run: its timer stopped, its wait text and the caption given.
void MostraAvanzamento(const QString& titolo);

} // namespace klavo
