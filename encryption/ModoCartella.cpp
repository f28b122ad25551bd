#include "encryption/ModoCartella.h"

#include "encryption/Frm_Password2.h"
#include "encryption/SceltaFile.h"
#include "encryption/Selezione.h"
#include "shell/Frm_Principale.h"
#include "shell/common/Clessidra.h"
#include "shell/common/Globali.h"
#include "shell/common/Messaggi.h"
#include "shell/common/Predefinito.h"
#include "shell/common/Twip.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace klavo {

namespace {

const QString VisualizzaFile = QStringLiteral("Visualizza file");
const QString TagCripta = QStringLiteral("Cripta");

} // namespace

VistaCartelle::VistaCartelle(QWidget* padre) : QTreeView(padre) {
    modello_ = new QFileSystemModel(this);
    modello_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
    modello_->setRootPath(QString());
    setModel(modello_);
    for (int c = 1; c < modello_->columnCount(); ++c)
        hideColumn(c);
    setHeaderHidden(true);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& indice) { path_ = modello_->filePath(indice); });
    // Folders are read and sorted in the background, so the selected one keeps moving as its
    // ancestors fill in: it is brought back into sight after each change until the user takes
    // over the view.
    mostra_.setSingleShot(true);
    mostra_.setInterval(0);
    connect(&mostra_, &QTimer::timeout, this, [this] {
        if (seguiScelta_ && isVisible() && currentIndex().isValid())
            scrollTo(currentIndex(), PositionAtCenter);
    });
    const auto riposiziona = [this] {
        if (seguiScelta_)
            mostra_.start();
    };
    connect(modello_, &QAbstractItemModel::rowsInserted, this, riposiziona);
    connect(modello_, &QAbstractItemModel::layoutChanged, this, riposiziona);
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, &VistaCartelle::Lascia);
    ImpostaPath(QDir::homePath());
}

void VistaCartelle::ImpostaPath(const QString& path) {
    const QModelIndex indice = modello_->index(path);
    if (indice.isValid()) {
        setCurrentIndex(indice);
        for (QModelIndex cartella = indice.parent(); cartella.isValid();
             cartella = cartella.parent())
            expand(cartella);
        seguiScelta_ = true;
        mostra_.start();
    }
    path_ = path;
}

void VistaCartelle::showEvent(QShowEvent* evento) {
    QTreeView::showEvent(evento);
    // Once the window has taken its folder-mode height and the view its size.
    seguiScelta_ = true;
    mostra_.start();
}

void VistaCartelle::mousePressEvent(QMouseEvent* evento) {
    Lascia();
    QTreeView::mousePressEvent(evento);
}

void VistaCartelle::wheelEvent(QWheelEvent* evento) {
    Lascia();
    QTreeView::wheelEvent(evento);
}

void VistaCartelle::keyPressEvent(QKeyEvent* evento) {
    Lascia();
    QTreeView::keyPressEvent(evento);
}

void VistaCartelle::Lascia() {
    seguiScelta_ = false;
}

void CreaControlliCartella(Frm_Principale& f, QBoxLayout* layout) {
    auto* pannello = new QWidget(&f);
    auto* v = new QVBoxLayout(pannello);
    v->setContentsMargins(0, 0, 0, 0);

    f.Dir1 = new VistaCartelle(pannello);
    f.Dir1->setObjectName(QStringLiteral("Dir1"));
    f.ChkSubFolders = new QCheckBox(QStringLiteral("Includi sottocartelle"), pannello);
    f.ChkSubFolders->setObjectName(QStringLiteral("ChkSubFolders"));
    f.Lbl_Lista =
        new QLabel(QStringLiteral("Per default tutti i file verranno codificati:"), pannello);
    f.Lbl_Lista->setObjectName(QStringLiteral("Lbl_Lista"));
    f.LblNumFile = new QLabel(QStringLiteral("0"), pannello);
    f.LblNumFile->setObjectName(QStringLiteral("LblNumFile"));
    f.LblNumFile->setToolTip(QStringLiteral("Numero dei file aggiunti alla lista"));
    // Sized for the longest count once: a new count then repaints the label alone instead of
    // laying out the window again.
    f.LblNumFile->setFixedSize(
        f.LblNumFile->fontMetrics().boundingRect(QStringLiteral("Analisi file... 32767")).size() +
        QSize(8, 4));
    f.List1 = new QListWidget(pannello);
    f.List1->setObjectName(QStringLiteral("List1"));
    f.List1->setSelectionMode(QAbstractItemView::MultiSelection);
    // One line each: the view need not measure every entry of a long list.
    f.List1->setUniformItemSizes(true);
    f.List1->setToolTip(
        QStringLiteral("Deselezionare tutti i file che non devono essere codificati"));
    f.Lbl_File_Selected = new QLabel(pannello);
    f.Lbl_File_Selected->setObjectName(QStringLiteral("Lbl_File_Selected"));
    f.Cmd_Continua = new QPushButton(QStringLiteral("Continua"), pannello);
    f.Cmd_Continua->setObjectName(QStringLiteral("Cmd_Continua"));
    RendiPredefinito(f.Cmd_Continua);
    f.Cmd_Annulla = new QPushButton(QStringLiteral("Annulla"), pannello);
    f.Cmd_Annulla->setObjectName(QStringLiteral("Cmd_Annulla"));
    f.Cmd_Annulla->setShortcut(QKeySequence(Qt::Key_Escape));

    v->addWidget(f.Dir1);
    v->addWidget(f.ChkSubFolders);
    v->addWidget(f.Lbl_Lista);
    v->addWidget(f.List1);
    auto* riga = new QHBoxLayout;
    riga->addWidget(f.LblNumFile);
    riga->addWidget(f.Lbl_File_Selected);
    riga->addStretch();
    riga->addWidget(f.Cmd_Continua);
    riga->addWidget(f.Cmd_Annulla);
    v->addLayout(riga);
    layout->addWidget(pannello);
    for (QWidget* w : std::initializer_list<QWidget*>{f.Dir1, f.ChkSubFolders, f.Lbl_Lista,
                                                      f.LblNumFile, f.List1, f.Lbl_File_Selected,
                                                      f.Cmd_Continua, f.Cmd_Annulla})
        w->hide();

    QObject::connect(f.Cmd_Continua, &QPushButton::clicked, &f,
                     &Frm_Principale::Cmd_Continua_Click);
    QObject::connect(f.Cmd_Annulla, &QPushButton::clicked, &f, &Frm_Principale::Cmd_Annulla_Click);
    QObject::connect(f.List1, &QListWidget::itemSelectionChanged, &f, &Frm_Principale::List1_Click);
}

void EntraModoCartella(Frm_Principale& f, bool cripta, const QString& cartella) {
    f.Mnu_Cripta->setEnabled(false);
    f.Mnu_Decripta->setEnabled(false);
    f.Mnu_Cripta->menuAction()->setEnabled(false);
    f.Mnu_Decripta->menuAction()->setEnabled(false);
    f.Frame->hide();
    f.resize(f.width(), Pixel(AltezzaCartella));
    for (QWidget* w :
         std::initializer_list<QWidget*>{f.Cmd_Continua, f.Cmd_Annulla, f.Dir1, f.ChkSubFolders})
        w->show();
    f.Cmd_Continua_Tag = VisualizzaFile;
    f.Cmd_Annulla_Tag = cripta ? TagCripta : QStringLiteral("Decripta");
    if (!cartella.isEmpty())
        f.Dir1->ImpostaPath(cartella);
    f.Dir1->setFocus();
}

namespace {

// Painted by the events processed next.
void MostraConteggio(Frm_Principale& f, qsizetype n) {
    f.LblNumFile->setText(QStringLiteral("Analisi file... ") + QString::number(n));
}

void Elenca(Frm_Principale& f) {
    const QString cartella = f.Dir1->Path();
    if (cartella.isEmpty() || !QFileInfo(cartella).isDir()) {
        Msg(MsgCartellaNonValida + QLatin1Char('.'), Icona::Informazione);
        return;
    }
    if (!ScritturaConsentita(cartella))
        return;
    f.LblNumFile->show();
    f.ChkSubFolders->hide();
    f.List1->clear();
    f.LblNumFile->repaint();
    QCoreApplication::processEvents();

    QStringList voci;
    // The count is seen only when painted: written then, and once at the end.
    const auto conteggio = [&f](qsizetype n) {
        if (n % 50 == 0) {
            MostraConteggio(f, n);
            QCoreApplication::processEvents();
        }
    };
    bool completo = false;
    {
        const Clessidra clessidra;
        completo = AggiungiFile(cartella, cartella, f.ChkSubFolders->isChecked(),
                                f.Cmd_Annulla_Tag == TagCripta, voci, conteggio);
        MostraConteggio(f, voci.size());
    }
    if (!completo)
        Msg(MsgMassimoVoci, Icona::Informazione);

    {
        const QSignalBlocker blocco(f.List1);
        f.List1->addItems(voci);
        f.List1->selectAll();
    }
    f.Dir1->hide();
    f.Lbl_Lista->show();
    f.List1->show();
    if (f.List1->count() > 0)
        f.List1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    f.Lbl_File_Selected->show();
    f.CartellaCorrente = cartella;
    f.List1->setFocus();
    f.Cmd_Continua_Tag.clear();
    f.List1_Click();
}

void ApriDialogo(Frm_Principale& f) {
    if (f.List1->count() == 0)
        return;
    if (f.Cmd_Annulla_Tag == TagCripta) {
        Frm_Password2::Apri(Frm_Password2::Modo::CriptaCartella, f.CartellaCorrente);
        return;
    }
    QStringList voci;
    for (int i = 0; i < f.List1->count(); ++i)
        voci.append(f.List1->item(i)->text());
    f.List1_Tag = ContieneAntiBruteForce(voci) ? QStringLiteral("WARNING") : QString();
    Frm_Password2::Apri(Frm_Password2::Modo::DecriptaCartella, f.CartellaCorrente);
}

} // namespace

void ContinuaCartella(Frm_Principale& f) {
    if (f.Cmd_Continua_Tag == VisualizzaFile)
        Elenca(f);
    else
        ApriDialogo(f);
}

void AnnullaCartella(Frm_Principale& f) {
    f.LblNumFile->hide();
    f.LblNumFile->setText(QStringLiteral("0"));
    f.Frame->show();
    f.Lbl_Lista->hide();
    f.List1->hide();
    f.List1->clear();
    for (QWidget* w : std::initializer_list<QWidget*>{f.Cmd_Continua, f.Cmd_Annulla,
                                                      f.Lbl_File_Selected, f.Dir1, f.ChkSubFolders})
        w->hide();
    f.Mnu_Cripta->setEnabled(true);
    f.Mnu_Decripta->setEnabled(true);
    f.Mnu_Cripta->menuAction()->setEnabled(true);
    f.Mnu_Decripta->menuAction()->setEnabled(true);
    f.Cmd_Continua->setEnabled(true);
    f.Cmd_Annulla->setText(QStringLiteral("Annulla"));
    // Each layout learns of the hidden controls from a request posted to its widget, which on
    // its turn posts one to the parent: run them up to the window, or the controls would still
    // hold it open.
    for (QWidget* w = f.List1->parentWidget(); w; w = w->parentWidget())
        QCoreApplication::sendPostedEvents(w, QEvent::LayoutRequest);
    f.resize(f.width(), Pixel(AltezzaNormale));
}

void ContaSelezionati(Frm_Principale& f) {
    const qsizetype n = f.List1->selectedItems().size();
    QString testo = QStringLiteral("File selezionati: ") + QString::number(n);
    if (n == f.List1->count() && n > 0)
        testo += QStringLiteral(" (tutti)");
    f.Lbl_File_Selected->setText(testo);
}

} // namespace klavo
