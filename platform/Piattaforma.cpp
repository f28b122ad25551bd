#include "platform/Piattaforma.h"

#include <QLocale>

namespace klavo {

namespace {
Piattaforma* piattaformaAttuale = nullptr;
}

Piattaforma& Piattaforma::attuale() {
    Q_ASSERT(piattaformaAttuale);
    return *piattaformaAttuale;
}

void Piattaforma::imposta(Piattaforma* piattaforma) {
    piattaformaAttuale = piattaforma;
}

QString Piattaforma::DataBreve(const QDate& data) {
    // Qt's short formats keep a two-digit year; the system's short date writes four.
    QString formato = QLocale::system().dateFormat(QLocale::ShortFormat);
    if (!formato.contains(QStringLiteral("yyyy")))
        formato.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return QLocale::system().toString(data, formato);
}

QString Piattaforma::OraBreve(const QTime& ora) {
    // The system's time is written with seconds and without a time zone.
    QString formato = QLocale::system().timeFormat(QLocale::LongFormat);
    formato.remove(QLatin1Char('t'));
    return QLocale::system().toString(ora, formato.trimmed());
}

} // namespace klavo
