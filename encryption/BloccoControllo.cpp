#include "encryption/BloccoControllo.h"

#include "encryption/NomiCriptati.h"
#include "shell/Rimescola.h"
#include "shell/common/Errore.h"
#include "shell/common/File.h"
#include "shell/common/Globali.h"
#include "shell/common/TestoFile.h"

#include <QDir>
#include <QFile>

namespace klavo {

namespace {

bool Cifra(char c) {
    return c >= '0' && c <= '9';
}

Errore BloccoDanneggiato(const QString& file) {
    return Errore(QStringLiteral("Il file \"%1\" non termina con un controllo della Password "
                                 "valido: potrebbe essere danneggiato.\r\n"
                                 "Il file non è stato modificato.")
                      .arg(QDir::toNativeSeparators(file)));
}

} // namespace

QByteArray BloccoControllo(const QString& password) {
    QByteArray blocco = testo::UnisciRighe({password});
    RimescolaDati(blocco, SemeBloccoControllo);
    return blocco;
}

void PreparaBloccoControllo(const QString& password) {
    const QByteArray blocco = BloccoControllo(password);
    EliminaBloccoControllo();
    ScriviFile(FileWindows(NomeBloccoCorsa), blocco);
}

void EliminaBloccoControllo() {
    EliminaFile(FileWindows(NomeBloccoCorsa), true);
}

QString LeggiPasswordFile(const QString& file) {
    QFile criptato(file);
    if (!criptato.open(QIODevice::ReadOnly))
        throw Errore(MessaggioLettura(criptato));
    const qint64 lunghezza = criptato.size();
    if (lunghezza < CifreLunghezzaBlocco)
        throw BloccoDanneggiato(file);
    QByteArray cifre;
    if (!criptato.seek(lunghezza - CifreLunghezzaBlocco) ||
        (cifre = criptato.read(CifreLunghezzaBlocco)).size() != CifreLunghezzaBlocco)
        throw Errore(MessaggioLettura(criptato));
    if (!Cifra(cifre[0]) || !Cifra(cifre[1]))
        throw BloccoDanneggiato(file);
    const qint64 n = (cifre[0] - '0') * 10 + (cifre[1] - '0');
    const qint64 dati = lunghezza - n - CifreLunghezzaBlocco;
    if (dati < 0)
        throw BloccoDanneggiato(file);
    QByteArray blocco;
    if (!criptato.seek(dati) || (blocco = criptato.read(n)).size() != n)
        throw Errore(MessaggioLettura(criptato));
    RimescolaDati(blocco, SemeBloccoControllo);
    LunghezzaDati = dati;
    return testo::DividiRighe(blocco).value(0);
}

bool PasswordCorretta(const QString& file, const QString& password) {
    return LeggiPasswordFile(file) == password;
}

} // namespace klavo
