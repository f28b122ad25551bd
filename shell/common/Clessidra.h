#pragma once

#include <QGuiApplication>

namespace klavo {

// The hourglass pointer for the life of the object.
class Clessidra {
public:
    Clessidra() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Clessidra() { QGuiApplication::restoreOverrideCursor(); }
    Clessidra(const Clessidra&) = delete;
    Clessidra& operator=(const Clessidra&) = delete;
};

} // namespace klavo
