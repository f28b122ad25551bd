#include "shell/common/Finestre.h"

namespace klavo::finestre {

QHash<std::type_index, QWidget*>& Registro() {
    static QHash<std::type_index, QWidget*> registro;
    return registro;
}

void Scarica(QWidget* finestra) {
    auto& r = Registro();
    for (auto it = r.begin(); it != r.end(); ++it) {
        if (it.value() == finestra) {
            r.erase(it);
            break;
        }
    }
    finestra->close();
    finestra->deleteLater();
}

void ScaricaTutte() {
    const QList<QWidget*> finestre = Registro().values();
    Registro().clear();
    for (QWidget* f : finestre)
        delete f;
}

} // namespace klavo::finestre
