#pragma once

// Menu items whose handlers see the check mark as it was before the click, and set it
// themselves, as every handler of Klavo's menus expects.

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include <functional>

namespace klavo {

QAction* Voce(QMenu* menu, const QString& nome, const QString& testo, std::function<void()> gestore,
              const QKeySequence& scorciatoia = {});
QAction* VoceSpuntabile(QMenu* menu, const QString& nome, const QString& testo,
                        std::function<void()> gestore);
QAction* Separatore(QMenu* menu, const QString& nome);
QMenu* Sottomenu(QMenu* menu, const QString& nome, const QString& testo);

} // namespace klavo
