#include "shell/PasswordAvvio.h"

#include "shell/Rimescola.h"
#include "shell/common/Errore.h"
#include "shell/common/File.h"
#include "shell/common/Globali.h"
#include "shell/common/TestoFile.h"

#include <QFileInfo>

namespace klavo {

QString FilePasswordAvvio() {
    return FileWindows(QStringLiteral("Win.i_o"));
}

bool EsistePasswordAvvio() {
    return QFileInfo::exists(FilePasswordAvvio());
}

QString LeggiPasswordAvvio() {
    const QByteArray dati = LeggiRimescolato(FilePasswordAvvio(), SemePasswordAvvio);
    // A sound file is exactly one line: no other line break, and CR LF at its end.
    const qsizetype fine = dati.size() - 2;
    if (!dati.endsWith("\r\n") || dati.left(fine).contains('\r') || dati.left(fine).contains('\n'))
        throw Errore(
            QStringLiteral(
                "Il file della Password di avvio è vuoto o danneggiato: impossibile verificare la "
                "Password.\r\nPer eliminare la Password di avvio cancellare il file \"%1\" a "
                "programma chiuso.")
                .arg(FilePasswordAvvio()));
    return testo::DaCp1252(QByteArrayView(dati).first(fine));
}

void ScriviPasswordAvvio(const QString& password) {
    ScriviRimescolato(FilePasswordAvvio(), testo::UnisciRighe({password}), SemePasswordAvvio);
}

bool EliminaPasswordAvvio() {
    EliminaFile(FilePasswordAvvio(), true);
    return !QFileInfo::exists(FilePasswordAvvio());
}

} // namespace klavo
