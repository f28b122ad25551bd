#include "shell/common/File.h"

#include "shell/common/Errore.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace klavo {

QString DescrizioneErrore(const QFileDevice& file) {
    switch (file.error()) {
    case QFileDevice::NoError:
        return {};
    case QFileDevice::PermissionsError:
        return QStringLiteral("Permesso negato.");
    case QFileDevice::OpenError:
        return QFile::exists(file.fileName()) ? QStringLiteral("Accesso al file non consentito.")
                                              : QStringLiteral("File non trovato.");
    case QFileDevice::ResourceError:
        return QStringLiteral("Spazio su disco insufficiente o risorse esaurite.");
    case QFileDevice::ReadError:
        return QStringLiteral("Errore di lettura.");
    case QFileDevice::WriteError:
        return QStringLiteral("Errore di scrittura.");
    default:
        return file.errorString();
    }
}

QString MessaggioLettura(const QFileDevice& file) {
    return QStringLiteral("Impossibile leggere il file \"%1\".\r\n%2")
        .arg(QDir::toNativeSeparators(file.fileName()), DescrizioneErrore(file));
}

QString MessaggioScrittura(const QFileDevice& file) {
    return QStringLiteral("Impossibile scrivere il file \"%1\".\r\n%2")
        .arg(QDir::toNativeSeparators(file.fileName()), DescrizioneErrore(file));
}

QByteArray LeggiFile(const QString& percorso) {
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        throw Errore(MessaggioLettura(file));
    QByteArray dati = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Errore(MessaggioLettura(file));
    return dati;
}

void ScriviFile(const QString& percorso, const QByteArray& dati) {
    // A read-only file stays read-only: replacing it would override the user's protection.
    if (SolaLettura(percorso))
        throw Errore(
            QStringLiteral("Impossibile scrivere il file \"%1\".\r\nIl file è di sola lettura.")
                .arg(QDir::toNativeSeparators(percorso)));
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly) || file.write(dati) != dati.size() || !file.commit())
        throw Errore(MessaggioScrittura(file));
}

bool SolaLettura(const QString& percorso) {
    return QFileInfo::exists(percorso) && !(QFile::permissions(percorso) & QFileDevice::WriteOwner);
}

bool EliminaFile(const QString& percorso, bool forzato) {
    const QFileInfo info(percorso);
    if (!info.exists() && !info.isSymLink())
        return false;
    if (!forzato && SolaLettura(percorso))
        return false;
    return QFile::remove(percorso);
}

} // namespace klavo
