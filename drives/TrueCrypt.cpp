#include "drives/TrueCrypt.h"

#include "shell/common/Globali.h"

#include <QFileInfo>
#include <QStorageInfo>

namespace klavo::truecrypt {

namespace {

bool HaLunghezza(const QString& file, qint64 lunghezza) {
    const QFileInfo info(file);
    return info.isFile() && info.size() == lunghezza;
}

bool InizioConLettera(const QString& percorso) {
    return percorso.size() >= 2 && percorso[1] == QLatin1Char(':') &&
           ((percorso[0] >= QLatin1Char('A') && percorso[0] <= QLatin1Char('Z')) ||
            (percorso[0] >= QLatin1Char('a') && percorso[0] <= QLatin1Char('z')));
}

} // namespace

QString FileTrueCrypt() {
    return FileProgramma(QStringLiteral("tc/TrueCrypt.exe"));
}

QString FileTrueCryptFormat() {
    return FileProgramma(QStringLiteral("tc/TrueCrypt Format.exe"));
}

QString FileKlavoFormat() {
    return FileProgramma(QStringLiteral("tc/KlavoFormat.exe"));
}

bool Presente(Uso uso) {
    switch (uso) {
    case Uso::Drive:
        return HaLunghezza(FileTrueCrypt(), LunghezzaTrueCrypt);
    case Uso::Creazione:
        return HaLunghezza(FileTrueCryptFormat(), LunghezzaTrueCryptFormat) &&
               HaLunghezza(FileKlavoFormat(), LunghezzaKlavoFormat);
    }
    return false;
}

QString TraVirgolette(const QString& argomento) {
    QString testo(QLatin1Char('"'));
    qsizetype barre = 0;
    for (const QChar c : argomento) {
        if (c == QLatin1Char('\\')) {
            ++barre;
        } else {
            if (c == QLatin1Char('"'))
                testo += QString(barre + 1, QLatin1Char('\\'));
            barre = 0;
        }
        testo += c;
    }
    testo += QString(barre, QLatin1Char('\\'));
    return testo + QLatin1Char('"');
}

QString ParametriApertura(const QString& contenitore, bool chiusuraDaTrueCrypt) {
    return QStringLiteral("/v ") + TraVirgolette(contenitore) +
           (chiusuraDaTrueCrypt ? QStringLiteral(" /a /e") : QStringLiteral(" /a /q /e"));
}

QString ParametriChiusura(const QString& drive) {
    return QStringLiteral("/d ") + drive + QStringLiteral(" /q");
}

QString DriveDiCartella(const QString& cartella) {
    if (InizioConLettera(cartella))
        return cartella.left(1);
    const QStorageInfo volume(cartella);
    if (!volume.isValid())
        return {};
    const QString punto = volume.rootPath();
    const bool daCitare = punto.contains(QLatin1Char(' ')) || punto.contains(QLatin1Char('\t')) ||
                          punto.contains(QLatin1Char('"'));
    return daCitare ? TraVirgolette(punto) : punto;
}

} // namespace klavo::truecrypt
