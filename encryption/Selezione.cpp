#include "encryption/Selezione.h"

#include "encryption/NomiCriptati.h"
#include "shell/common/Globali.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace klavo {

namespace {

// mountinfo writes a blank, a tab, a newline and a backslash of a path as octal escapes.
QString Decodifica(const QString& campo) {
    QString r;
    for (qsizetype i = 0; i < campo.size(); ++i) {
        if (campo[i] == QLatin1Char('\\') && i + 3 < campo.size()) {
            bool ok = false;
            const int codice = campo.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                r += QChar(codice);
                i += 3;
                continue;
            }
        }
        r += campo[i];
    }
    return r;
}

bool Contiene(const QString& punto, const QString& percorso) {
    if (punto == QLatin1String("/"))
        return percorso.startsWith(QLatin1Char('/'));
    return percorso == punto || percorso.startsWith(punto + QLatin1Char('/'));
}

bool Rimovibile(const QString& dispositivo) {
    // A partition has no flag of its own: its disk, the folder above it, has.
    const QString voce =
        QFileInfo(QStringLiteral("/sys/dev/block/") + dispositivo).canonicalFilePath();
    if (voce.isEmpty())
        return false;
    for (const QString& cartella : {voce, QFileInfo(voce).absolutePath()}) {
        QFile flag(cartella + QStringLiteral("/removable"));
        if (flag.open(QIODevice::ReadOnly))
            return flag.readAll().trimmed() == "1";
    }
    return false;
}

} // namespace

std::optional<Montaggio> MontaggioDi(const QString& mountinfo, const QString& percorso) {
    std::optional<Montaggio> migliore;
    for (const QString& riga : mountinfo.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList campi = riga.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const qsizetype trattino = campi.indexOf(QStringLiteral("-"));
        if (campi.size() < 5 || trattino < 5 || trattino + 1 >= campi.size())
            continue;
        const QString punto = Decodifica(campi[4]);
        if (!Contiene(punto, percorso))
            continue;
        // Of equal points the last line is the mount on top.
        if (!migliore || punto.size() >= migliore->punto.size())
            migliore = Montaggio{punto, campi[trattino + 1], campi[2]};
    }
    return migliore;
}

EsitoScrittura VerificaScrittura(const QString& percorso) {
    QFile info(QStringLiteral("/proc/self/mountinfo"));
    std::optional<Montaggio> m;
    if (info.open(QIODevice::ReadOnly))
        m = MontaggioDi(QString::fromUtf8(info.readAll()),
                        QDir::cleanPath(QFileInfo(percorso).absoluteFilePath()));
    if (!m || percorso.isEmpty())
        return {false, Messaggio{MsgCartellaNonValida, TitoloProgramma, Icona::Informazione}};
    if (m->tipo == QLatin1String("iso9660") || m->tipo == QLatin1String("udf"))
        return {false, {}};
    if (!Rimovibile(m->dispositivo))
        return {true, {}};

    const QString prova = QDir(m->punto).filePath(QStringLiteral("Tmp.000"));
    QFile sonda(prova);
    if (!sonda.open(QIODevice::WriteOnly | QIODevice::Text)) {
        const int codice = errno;
        // A write-protected medium is refused without a word; anything else says why.
        if (codice == EACCES || codice == EPERM || codice == EROFS)
            return {false, {}};
        return {false, Messaggio{QString::fromLocal8Bit(std::strerror(codice)), TitoloProgramma,
                                 Icona::Errore}};
    }
    sonda.close();
    sonda.remove();
    return {true, {}};
}

std::optional<RifiutoFile> RifiutoDaCriptare(const QString& file) {
    if (file.endsWith(EstensioneCriptati))
        return RifiutoFile{{QStringLiteral("Il file specificato è già criptato"), TitoloProgramma,
                            Icona::Informazione},
                           true};
    const QFileInfo fi(file);
    if (!fi.isFile())
        return RifiutoFile{
            {QStringLiteral("Nome di file non valido"), TitoloProgramma, Icona::Esclamazione},
            true};
    if (fi.size() <= 1)
        return RifiutoFile{
            {QStringLiteral("File a lunghezza zero."), TitoloProgramma, Icona::Esclamazione},
            false};
    if (fi.size() > 2147483647)
        return RifiutoFile{
            {QStringLiteral("Dimensioni eccessive."), TitoloProgramma, Icona::Esclamazione}, false};
    return std::nullopt;
}

std::optional<RifiutoFile> RifiutoDaDecriptare(const QString& file) {
    const QFileInfo fi(file);
    // Without its suffix a file has no source name to be decrypted under.
    if (!fi.isFile() || !FileCriptato(file))
        return RifiutoFile{
            {QStringLiteral("Nome di file non valido"), TitoloProgramma, Icona::Esclamazione},
            true};
    if (fi.size() <= 1)
        return RifiutoFile{
            {QStringLiteral("Il file criptato è vuoto!"), TitoloProgramma, Icona::Esclamazione},
            false};
    return std::nullopt;
}

bool DaElencare(const QString& nome, qint64 lunghezza, bool cripta) {
    return lunghezza > 1 && FileCriptato(nome) != cripta;
}

namespace {

struct ContenutoCartella {
    std::vector<std::pair<QString, qint64>> file;
    QStringList cartelle;
};

// Names in the order a file manager shows them: letters without regard to case, then case.
bool PrimaDi(const QString& a, const QString& b) {
    const int confronto = QString::compare(a, b, Qt::CaseInsensitive);
    return confronto != 0 ? confronto < 0 : a < b;
}

// One pass over a folder: its regular files with their lengths and its sub-folders, each sorted
// by name. Links are neither listed nor followed; devices, pipes and sockets are left out. The
// entry types come from the directory itself, so only the files whose name may qualify for the
// list (without ".###" to encrypt, with it to decrypt) cost a stat; the others get length 0.
// A folder that cannot be read is empty.
ContenutoCartella LeggiCartella(const QString& cartella, bool cripta) {
    ContenutoCartella c;
    const int fd =
        open(QFile::encodeName(cartella).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return c;
    DIR* dir = fdopendir(fd);
    if (!dir) {
        close(fd);
        return c;
    }
    while (const dirent* voce = readdir(dir)) {
        const char* nome = voce->d_name;
        if (std::strcmp(nome, ".") == 0 || std::strcmp(nome, "..") == 0)
            continue;
        QString testo = QFile::decodeName(nome);
        unsigned char tipo = voce->d_type;
        qint64 lunghezza = 0;
        if (tipo == DT_UNKNOWN || (tipo == DT_REG && FileCriptato(testo) != cripta)) {
            struct stat st {};
            if (fstatat(fd, nome, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            tipo = S_ISREG(st.st_mode) ? DT_REG : S_ISDIR(st.st_mode) ? DT_DIR : DT_UNKNOWN;
            lunghezza = static_cast<qint64>(st.st_size);
        }
        if (tipo == DT_REG)
            c.file.emplace_back(std::move(testo), lunghezza);
        else if (tipo == DT_DIR)
            c.cartelle.append(std::move(testo));
    }
    closedir(dir);
    std::sort(c.file.begin(), c.file.end(),
              [](const auto& a, const auto& b) { return PrimaDi(a.first, b.first); });
    std::sort(c.cartelle.begin(), c.cartelle.end(), PrimaDi);
    return c;
}

// prefisso: the folder's path relative to the listed one, with its separator ("" at the top).
bool ElencaCartella(const QString& cartella, const QString& prefisso, bool sottocartelle,
                    bool cripta, QStringList& voci,
                    const std::function<void(qsizetype)>& avanzamento) {
    const ContenutoCartella contenuto = LeggiCartella(cartella, cripta);
    for (const auto& [nome, lunghezza] : contenuto.file) {
        if (voci.size() >= MassimoVoci)
            return false;
        if (DaElencare(nome, lunghezza, cripta))
            voci.append(prefisso + nome);
        avanzamento(voci.size());
    }
    if (!sottocartelle)
        return true;
    for (const QString& nome : contenuto.cartelle)
        if (!ElencaCartella(cartella + QLatin1Char('/') + nome, prefisso + nome + QLatin1Char('/'),
                            true, cripta, voci, avanzamento))
            return false;
    return true;
}

} // namespace

bool AggiungiFile(const QString& cartella, const QString& radice, bool sottocartelle, bool cripta,
                  QStringList& voci, const std::function<void(qsizetype)>& avanzamento) {
    QString prefisso = QDir(radice).relativeFilePath(cartella);
    if (prefisso == QLatin1String("."))
        prefisso.clear();
    else
        prefisso += QLatin1Char('/');
    return ElencaCartella(cartella, prefisso, sottocartelle, cripta, voci, avanzamento);
}

bool ContieneAntiBruteForce(const QStringList& voci) {
    return std::any_of(voci.begin(), voci.end(), [](const QString& voce) {
        return LetteraProtezione(voce) == QLatin1Char('F');
    });
}

QString PercorsoVoce(const QString& cartella, const QString& voce) {
    if (cartella.endsWith(QLatin1Char('/')) || cartella.endsWith(QLatin1Char('\\')))
        return cartella + voce;
    return cartella + QLatin1Char('/') + voce;
}

int LarghezzaAvanzamento(int traccia, qsizetype fatti, qsizetype totale) {
    if (totale <= 0)
        return 0;
    return static_cast<int>(static_cast<qint64>(traccia) * std::min(fatti, totale) / totale);
}

} // namespace klavo
