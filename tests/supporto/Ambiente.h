#pragma once

// What every test of Klavo starts from: the scripted platform with fresh folders, the
// program-wide variables as at a new start, no window loaded. Destroyed at the end of the test,
// it unloads every window.

#include "platform/PiattaformaProva.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

namespace klavo::prova {

class Ambiente {
public:
    Ambiente();
    ~Ambiente();

    PiattaformaProva& piattaforma() { return *piattaforma_; }
    QString programma(const QString& nome) const;
    QString windows(const QString& nome) const;

private:
    std::unique_ptr<PiattaformaProva> piattaforma_;
};

QByteArray Leggi(const QString& percorso);
void Scrivi(const QString& percorso, const QByteArray& byte);
// The bytes of text lines each ended by CR LF.
QByteArray Righe(std::initializer_list<const char*> righe);

// Drags the local paths over the widget and, with rilascia, drops them there, as a file manager
// does. Whether the widget accepted the last event.
bool Trascina(QWidget* bersaglio, const QStringList& percorsi, bool rilascia);

} // namespace klavo::prova
