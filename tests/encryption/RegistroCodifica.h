#pragma once

// The caller of the cipher routine in the tests: answers the large-file question from a script
// and records what the routine showed.

#include "encryption/Codifica.h"

#include <QList>
#include <QStringList>

#include <utility>

namespace klavo::prova {

class RegistroCodifica : public Interlocutore {
public:
    bool ProseguiFileGrande(const Messaggio& domanda) override {
        domande.append(domanda);
        return prosegui;
    }
    void Mostra(const Messaggio& messaggio) override { messaggi.append(messaggio); }
    void Avanzamento(qint64 blocco, qint64 megabyte) override {
        avanzamento.append({blocco, megabyte});
    }
    QStringList Testi() const {
        QStringList testi;
        for (const Messaggio& m : messaggi)
            testi.append(m.testo);
        return testi;
    }

    bool prosegui = true;
    QList<Messaggio> domande;
    QList<Messaggio> messaggi;
    QList<std::pair<qint64, qint64>> avanzamento;
};

} // namespace klavo::prova
