#pragma once

// The main window's folder mode: the folder view, "Includi sottocartelle", the list of the
// folder's files with their selection, and the Continua / Annulla buttons that lead to the
// password dialog and back.

#include <QTimer>
#include <QTreeView>

class QBoxLayout;
class QFileSystemModel;

namespace klavo {

class Frm_Principale;

// Heights of the main window in twips: idle, and in folder mode with the view and the list.
inline constexpr int AltezzaNormale = 2610;
inline constexpr int AltezzaCartella = 4215;

// The folder view: the folders of the file system, one of them selected.
class VistaCartelle : public QTreeView {
    Q_OBJECT
public:
    explicit VistaCartelle(QWidget* padre);
    // The selected folder's full path.
    QString Path() const { return path_; }
    void ImpostaPath(const QString& path);

protected:
    void showEvent(QShowEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    // The user scrolls or picks by hand: the view stops bringing the selection back.
    void Lascia();

    QFileSystemModel* modello_;
    QString path_;
    QTimer mostra_;
    bool seguiScelta_ = false;
};

// Builds the folder mode's controls of the main window, hidden, into its layout.
void CreaControlliCartella(Frm_Principale& principale, QBoxLayout* layout);

// cartella: the folder to select in the folder view (one dropped); empty, the view keeps its own.
void EntraModoCartella(Frm_Principale& principale, bool cripta, const QString& cartella = {});
void ContinuaCartella(Frm_Principale& principale);
void AnnullaCartella(Frm_Principale& principale);
// The count of selected entries under the list.
void ContaSelezionati(Frm_Principale& principale);

} // namespace klavo
