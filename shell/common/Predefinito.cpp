#include "shell/common/Predefinito.h"

#include <QApplication>
#include <QPushButton>
#include <QShortcut>

namespace klavo {

void RendiPredefinito(QPushButton* pulsante) {
    pulsante->setDefault(true);
    QWidget* finestra = pulsante->window();
    for (const Qt::Key tasto : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* invio = new QShortcut(QKeySequence(tasto), finestra);
        QObject::connect(invio, &QShortcut::activated, pulsante, [pulsante] {
            auto* scelto = qobject_cast<QPushButton*>(QApplication::focusWidget());
            if (!scelto || scelto->window() != pulsante->window())
                scelto = pulsante;
            if (scelto->isVisible() && scelto->isEnabled())
                scelto->click();
        });
    }
}

} // namespace klavo
