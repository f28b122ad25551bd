#include "generator/Generatore.h"

#include "shell/common/Globali.h"

#include <numeric>

namespace klavo::generatore {

int Somma(const Quote& quote) {
    return std::accumulate(quote.begin(), quote.end(), 0);
}

QChar Carattere(FonteCasuale& fonte, quint32 classe) {
    const Classe& c = Classi[classe];
    return QChar(static_cast<char16_t>(static_cast<quint32>(c.primo) + fonte.Estrai(c.dimensione)));
}

QString ParteQuote(FonteCasuale& fonte, const Quote& quote) {
    const int totale = Somma(quote);
    QString password;
    password.reserve(totale);
    Quote contatori{};
    while (password.size() < totale) {
        const quint32 c = fonte.Estrai(Classi.size());
        if (contatori[c] >= quote[c])
            continue; // the class is full: the position is tried again
        password.append(Carattere(fonte, c));
        ++contatori[c];
    }
    return password;
}

QString PasswordAlmeno(FonteCasuale& fonte, const Quote& quote, int massimo) {
    QString password = ParteQuote(fonte, quote);
    while (password.size() < massimo)
        password.append(Carattere(fonte, fonte.Estrai(ClassiRiempimento)));
    return password;
}

QStringList GeneraEsatte(FonteCasuale& fonte, const Quote& quote, int numero) {
    QStringList lista;
    for (int i = 0; i < numero; ++i)
        lista.append(ParteQuote(fonte, quote));
    return lista;
}

QStringList GeneraAlmeno(FonteCasuale& fonte, const Quote& quote, int massimo, int numero) {
    QStringList lista;
    for (int i = 0; i < numero; ++i)
        lista.append(PasswordAlmeno(fonte, quote, massimo));
    return lista;
}

Esito ControllaEsatta(const Quote& quote) {
    const int totale = Somma(quote);
    if (totale <= 0)
        return Esito::Nulla;
    return Lunga(totale) ? Esito::Conferma : Esito::Genera;
}

Esito ControllaAlmeno(const Quote& quote, std::optional<int> massimo) {
    const int minimo = Somma(quote);
    if (!massimo || *massimo < minimo)
        return Esito::MassimoMinore;
    if (minimo <= 0)
        return Esito::Nulla;
    if (*massimo > LunghezzaMassima)
        return Esito::OltreLimite;
    return Lunga(minimo) ? Esito::Conferma : Esito::Genera;
}

std::optional<int> Numero(const QString& testo) {
    bool ok = false;
    const int n = testo.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

QStringList RigheLista(const QStringList& password, const QString& data, const QString& ora) {
    QStringList righe{QStringLiteral("      ") + TitoloProgramma.toUpper() +
                          QStringLiteral(" - ORVANE"),
                      IndirizzoSitoWeb,
                      QString(),
                      QStringLiteral("     Generatore random     "),
                      QString(),
                      QStringLiteral("File creato il: ") + data + QStringLiteral(" alle ") + ora,
                      QString(),
                      QString()};
    for (qsizetype i = 0; i < password.size(); ++i)
        righe.append(QString::number(i + 1) + QStringLiteral("  -  ") + password[i]);
    return righe;
}

} // namespace klavo::generatore
