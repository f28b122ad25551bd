#include "platform/Guida.h"

#include <QFile>
#include <QHash>

namespace klavo::guida {

namespace {

const QString InizioTitolo = QStringLiteral("<h1>");
const QString FineTitolo = QStringLiteral("</h1>");

// The named entities a page may use: those of markup and of Italian text.
const QHash<QString, QString>& Entita() {
    static const QHash<QString, QString> entita = {
        {QStringLiteral("amp"), QStringLiteral("&")},
        {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},
        {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")},
        {QStringLiteral("nbsp"), QStringLiteral(" ")},
        {QStringLiteral("laquo"), QStringLiteral("«")},
        {QStringLiteral("raquo"), QStringLiteral("»")},
        {QStringLiteral("agrave"), QStringLiteral("à")},
        {QStringLiteral("egrave"), QStringLiteral("è")},
        {QStringLiteral("eacute"), QStringLiteral("é")},
        {QStringLiteral("igrave"), QStringLiteral("ì")},
        {QStringLiteral("ograve"), QStringLiteral("ò")},
        {QStringLiteral("ugrave"), QStringLiteral("ù")},
        {QStringLiteral("Egrave"), QStringLiteral("È")},
        {QStringLiteral("hellip"), QStringLiteral("…")},
    };
    return entita;
}

// The text of HTML: tags dropped, entities decoded.
QString TestoDi(const QString& html) {
    QString testo;
    testo.reserve(html.size());
    bool inTag = false;
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html[i];
        if (inTag) {
            if (c == QLatin1Char('>')) {
                inTag = false;
                testo += QLatin1Char(' ');
            }
            continue;
        }
        if (c == QLatin1Char('<')) {
            inTag = true;
            continue;
        }
        if (c == QLatin1Char('&')) {
            const qsizetype fine = html.indexOf(QLatin1Char(';'), i);
            if (fine > i && fine - i <= 10) {
                const QString nome = html.mid(i + 1, fine - i - 1);
                QString sostituto = Entita().value(nome);
                if (sostituto.isEmpty() && nome.startsWith(QLatin1Char('#'))) {
                    bool ok = false;
                    const uint codice = nome.startsWith(QLatin1String("#x"))
                                            ? nome.mid(2).toUInt(&ok, 16)
                                            : nome.mid(1).toUInt(&ok, 10);
                    if (ok && codice > 0 && codice <= 0x10FFFF) {
                        const char32_t punto = codice;
                        sostituto = QString::fromUcs4(&punto, 1);
                    }
                }
                if (!sostituto.isEmpty()) {
                    testo += sostituto;
                    i = fine;
                    continue;
                }
            }
        }
        testo += c;
    }
    return testo.simplified();
}

} // namespace

QList<Argomento> LeggiArgomenti(const QString& html) {
    QList<Argomento> argomenti;
    QStringList pagina;
    const auto chiudi = [&] {
        if (pagina.isEmpty())
            return;
        const QString prima = pagina.front();
        const qsizetype fine = prima.indexOf(FineTitolo);
        Argomento a;
        a.titolo = TestoDi(prima.mid(InizioTitolo.size(), fine - InizioTitolo.size()));
        a.html = pagina.join(QLatin1Char('\n'));
        a.testo = TestoDi(pagina.mid(1).join(QLatin1Char('\n')));
        argomenti.append(a);
        pagina.clear();
    };
    const QStringList righe = html.split(QLatin1Char('\n'));
    for (QString riga : righe) {
        if (riga.endsWith(QLatin1Char('\r')))
            riga.chop(1);
        if (riga.trimmed() == QLatin1String("</body>"))
            break;
        if (riga.startsWith(InizioTitolo) && riga.contains(FineTitolo)) {
            chiudi();
            pagina.append(riga);
        } else if (!pagina.isEmpty()) {
            pagina.append(riga);
        }
    }
    chiudi();
    return argomenti;
}

std::optional<QList<Argomento>> ApriGuida(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray dati = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return std::nullopt;
    QList<Argomento> argomenti = LeggiArgomenti(QString::fromUtf8(dati));
    if (argomenti.isEmpty())
        return std::nullopt;
    return argomenti;
}

QString Piega(const QString& testo) {
    const QString scomposto = testo.normalized(QString::NormalizationForm_D);
    QString piegato;
    piegato.reserve(scomposto.size());
    for (const QChar c : scomposto) {
        if (c.category() != QChar::Mark_NonSpacing)
            piegato += c.toCaseFolded();
    }
    return piegato;
}

bool Corrisponde(const Argomento& argomento, const QString& ricerca) {
    const QStringList parole = Piega(ricerca).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parole.isEmpty())
        return true;
    const QString dove = Piega(argomento.titolo) + QLatin1Char(' ') + Piega(argomento.testo);
    for (const QString& parola : parole) {
        if (!dove.contains(parola))
            return false;
    }
    return true;
}

} // namespace klavo::guida
