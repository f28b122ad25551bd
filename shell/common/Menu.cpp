#include "shell/common/Menu.h"

namespace klavo {

QAction* Voce(QMenu* menu, const QString& nome, const QString& testo, std::function<void()> gestore,
              const QKeySequence& scorciatoia) {
    QAction* voce = menu->addAction(testo);
    voce->setObjectName(nome);
    if (!scorciatoia.isEmpty())
        voce->setShortcut(scorciatoia);
    QObject::connect(voce, &QAction::triggered, voce,
                     [gestore = std::move(gestore)] { gestore(); });
    return voce;
}

QAction* VoceSpuntabile(QMenu* menu, const QString& nome, const QString& testo,
                        std::function<void()> gestore) {
    QAction* voce = menu->addAction(testo);
    voce->setObjectName(nome);
    voce->setCheckable(true);
    // Qt flips the mark before triggered(); put it back so the handler decides.
    QObject::connect(voce, &QAction::triggered, voce,
                     [voce, gestore = std::move(gestore)](bool spuntata) {
                         voce->setChecked(!spuntata);
                         gestore();
                     });
    return voce;
}

QAction* Separatore(QMenu* menu, const QString& nome) {
    QAction* separatore = menu->addSeparator();
    separatore->setObjectName(nome);
    return separatore;
}

QMenu* Sottomenu(QMenu* menu, const QString& nome, const QString& testo) {
    QMenu* sotto = menu->addMenu(testo);
    sotto->setObjectName(nome);
    sotto->menuAction()->setObjectName(nome);
    return sotto;
}

} // namespace klavo
