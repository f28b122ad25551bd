#pragma once

// The help window: the topics of the help file in a list that a search box filters as one types,
// and the chosen topic beside it. It opens on the search box, as a topics finder does.

#include "platform/Guida.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace klavo {

class FinestraGuida : public QWidget {
    Q_OBJECT
public:
    FinestraGuida();

    // Loads the topics of a help file. False, with the window empty, when it cannot be read.
    bool Apri(const QString& file);

    QLineEdit* Txt_Cerca;
    QListWidget* Lst_Argomenti;
    QTextBrowser* Pagina;
    QLabel* Lbl_Trovati;

private:
    void Filtra();
    void MostraArgomento();

    QList<guida::Argomento> argomenti_;
};

} // namespace klavo
