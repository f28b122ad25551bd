#include "platform/RigaComando.h"

namespace klavo {

namespace {
bool Spazio(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}
} // namespace

QStringList DividiRigaComando(const QString& riga) {
    QStringList parti;
    qsizetype i = 0;
    const qsizetype n = riga.size();
    while (i < n && Spazio(riga[i]))
        ++i;
    if (i >= n)
        return parti;

    // The program name: no escapes, quotes only delimit.
    QString programma;
    bool traVirgolette = false;
    for (; i < n; ++i) {
        const QChar c = riga[i];
        if (c == QLatin1Char('"'))
            traVirgolette = !traVirgolette;
        else if (Spazio(c) && !traVirgolette)
            break;
        else
            programma += c;
    }
    parti.append(programma);

    while (true) {
        while (i < n && Spazio(riga[i]))
            ++i;
        if (i >= n)
            break;
        QString parte;
        traVirgolette = false;
        while (i < n && (traVirgolette || !Spazio(riga[i]))) {
            if (riga[i] == QLatin1Char('\\')) {
                qsizetype barre = 0;
                while (i < n && riga[i] == QLatin1Char('\\')) {
                    ++barre;
                    ++i;
                }
                if (i < n && riga[i] == QLatin1Char('"')) {
                    parte += QString(barre / 2, QLatin1Char('\\'));
                    if (barre % 2 == 1) {
                        parte += QLatin1Char('"');
                        ++i;
                    }
                } else {
                    parte += QString(barre, QLatin1Char('\\'));
                }
                continue;
            }
            if (riga[i] == QLatin1Char('"')) {
                if (traVirgolette && i + 1 < n && riga[i + 1] == QLatin1Char('"')) {
                    parte += QLatin1Char('"');
                    i += 2;
                    continue;
                }
                traVirgolette = !traVirgolette;
                ++i;
                continue;
            }
            parte += riga[i];
            ++i;
        }
        parti.append(parte);
    }
    return parti;
}

} // namespace klavo
