// Times the sparse scrambler on a database-sized file (100 MB by default, or the size in MB
// given as the first argument).

#include "shell/Rimescola.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const qint64 mb = argc > 1 ? QByteArray(argv[1]).toLongLong() : 100;
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("SysDat.dll"));
    {
        QFile file(percorso);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        QByteArray blocco(1 << 20, 'k');
        for (qint64 i = 0; i < mb; ++i)
            file.write(blocco);
    }
    QElapsedTimer t;
    for (int giro = 1; giro <= 3; ++giro) {
        t.start();
        klavo::RimescolaFileRado(percorso, klavo::SemeDatabaseArchivio);
        std::printf("RimescolaFileRado, %lld MB, giro %d: %.3f s\n", static_cast<long long>(mb),
                    giro, static_cast<double>(t.nsecsElapsed()) / 1e9);
    }
    return 0;
}
