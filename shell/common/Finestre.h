#pragma once

// Each window of Klavo exists at most once: Finestra<T>() loads it on first use and returns the
// same instance afterwards, until the window unloads (Scarica), after which the next use loads a
// fresh one.

#include <QHash>
#include <QWidget>

#include <typeindex>

namespace klavo::finestre {

QHash<std::type_index, QWidget*>& Registro();

template <class T> T* SeCaricata() {
    return static_cast<T*>(Registro().value(std::type_index(typeid(T)), nullptr));
}

template <class T> T& Finestra() {
    if (T* f = SeCaricata<T>())
        return *f;
    T* f = new T();
    Registro().insert(std::type_index(typeid(T)), f);
    QObject::connect(f, &QObject::destroyed, [f] {
        auto& r = Registro();
        const auto chiave = std::type_index(typeid(T));
        if (r.value(chiave) == f)
            r.remove(chiave);
    });
    return *f;
}

// Unloads a window: it leaves the registry at once, closes and is deleted.
void Scarica(QWidget* finestra);

// Deletes every loaded window (end of a test).
void ScaricaTutte();

} // namespace klavo::finestre
