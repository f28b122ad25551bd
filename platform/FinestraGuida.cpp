#include "platform/FinestraGuida.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace klavo {

namespace {

// The positions of the words of a search in a text, letter case and accents aside.
QList<QTextEdit::ExtraSelection> Evidenzia(QTextDocument* documento, const QString& ricerca) {
    QList<QTextEdit::ExtraSelection> selezioni;
    QTextCharFormat formato;
    formato.setBackground(QColor(255, 230, 120));
    const QStringList parole = guida::Piega(ricerca).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QTextBlock blocco = documento->begin(); blocco.isValid(); blocco = blocco.next()) {
        // Folding keeps one character for each character of plain Italian text, so positions in
        // the folded block are positions in the block.
        const QString testo = blocco.text();
        const QString piegato = guida::Piega(testo);
        if (piegato.size() != testo.size())
            continue;
        for (const QString& parola : parole) {
            for (qsizetype i = piegato.indexOf(parola); i >= 0;
                 i = piegato.indexOf(parola, i + parola.size())) {
                QTextCursor cursore(documento);
                cursore.setPosition(blocco.position() + int(i));
                cursore.setPosition(blocco.position() + int(i + parola.size()),
                                    QTextCursor::KeepAnchor);
                selezioni.append({cursore, formato});
            }
        }
    }
    return selezioni;
}

} // namespace

FinestraGuida::FinestraGuida() {
    setObjectName(QStringLiteral("FinestraGuida"));
    setWindowTitle(QStringLiteral("Guida di Klavo"));
    // Like a help viewer of its own, it does not keep the program running.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* sinistra = new QWidget;
    auto* colonna = new QVBoxLayout(sinistra);
    colonna->setContentsMargins(0, 0, 0, 0);
    auto* etichetta = new QLabel(QStringLiteral("&Digitare le parole da cercare:"));
    Txt_Cerca = new QLineEdit;
    Txt_Cerca->setObjectName(QStringLiteral("Txt_Cerca"));
    Txt_Cerca->setClearButtonEnabled(true);
    etichetta->setBuddy(Txt_Cerca);
    Lst_Argomenti = new QListWidget;
    Lst_Argomenti->setObjectName(QStringLiteral("Lst_Argomenti"));
    Lbl_Trovati = new QLabel;
    Lbl_Trovati->setObjectName(QStringLiteral("Lbl_Trovati"));
    colonna->addWidget(etichetta);
    colonna->addWidget(Txt_Cerca);
    colonna->addWidget(Lst_Argomenti, 1);
    colonna->addWidget(Lbl_Trovati);

    Pagina = new QTextBrowser;
    Pagina->setObjectName(QStringLiteral("Pagina"));
    Pagina->setOpenExternalLinks(true);

    auto* divisore = new QSplitter;
    divisore->addWidget(sinistra);
    divisore->addWidget(Pagina);
    divisore->setStretchFactor(1, 1);
    divisore->setSizes({230, 530});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(divisore);
    resize(780, 540);

    connect(Txt_Cerca, &QLineEdit::textChanged, this, &FinestraGuida::Filtra);
    connect(Lst_Argomenti, &QListWidget::currentRowChanged, this, &FinestraGuida::MostraArgomento);
}

bool FinestraGuida::Apri(const QString& file) {
    std::optional<QList<guida::Argomento>> argomenti = guida::ApriGuida(file);
    argomenti_ = argomenti.value_or(QList<guida::Argomento>());
    Txt_Cerca->clear();
    Filtra();
    Txt_Cerca->setFocus();
    return argomenti.has_value();
}

void FinestraGuida::Filtra() {
    const QString ricerca = Txt_Cerca->text();
    const QSignalBlocker blocco(Lst_Argomenti);
    Lst_Argomenti->clear();
    for (qsizetype i = 0; i < argomenti_.size(); ++i) {
        if (!guida::Corrisponde(argomenti_[i], ricerca))
            continue;
        auto* voce = new QListWidgetItem(argomenti_[i].titolo, Lst_Argomenti);
        voce->setData(Qt::UserRole, int(i));
    }
    Lbl_Trovati->setText(QStringLiteral("Argomenti trovati: %1").arg(Lst_Argomenti->count()));
    Lst_Argomenti->setCurrentRow(Lst_Argomenti->count() > 0 ? 0 : -1);
    MostraArgomento();
}

void FinestraGuida::MostraArgomento() {
    const QListWidgetItem* voce = Lst_Argomenti->currentItem();
    if (!voce) {
        Pagina->setHtml(
            argomenti_.isEmpty()
                ? QStringLiteral("<p>La guida non è disponibile.</p>")
                : QStringLiteral("<p>Nessun argomento contiene le parole cercate.</p>"));
        return;
    }
    Pagina->setHtml(argomenti_[voce->data(Qt::UserRole).toInt()].html);
    Pagina->setExtraSelections(Evidenzia(Pagina->document(), Txt_Cerca->text()));
}

} // namespace klavo
