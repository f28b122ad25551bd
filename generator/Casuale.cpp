#include "generator/Casuale.h"

#include <QRandomGenerator>

namespace klavo::generatore {

quint32 FonteCasuale::Estrai(quint32 n) {
    Q_ASSERT(n > 0);
    // 2^32 mod n: the words below it form the incomplete block that a plain modulo would fold
    // onto the lowest values.
    const quint32 scarto = (0u - n) % n;
    quint32 parola = Parola();
    while (parola < scarto)
        parola = Parola();
    return parola % n;
}

quint32 FonteSistema::Parola() {
    if (prossima_ == scorta_.size()) {
        QRandomGenerator::system()->fillRange(scorta_.data(), scorta_.size());
        prossima_ = 0;
    }
    const quint32 parola = scorta_[prossima_];
    // A word is used once; it does not stay in memory after use.
    scorta_[prossima_++] = 0;
    return parola;
}

} // namespace klavo::generatore
