// Times the main window's folder mode, headless, on real files in a folder (the first argument,
// else the system's temporary folder), over a number of rounds (the second, 3 by default):
// - listing a tree of 30,000 small files in 100 sub-folders, through AggiungiFile alone and
//   through the window's Continua, beside `find` over the same tree (with and without reading
//   each file's length, as the listing does);
// - encrypting and then decrypting a folder of 1,000 files of 64 KiB through the window's run
//   (the password dialog in folder mode, source files deleted), beside klavo-cli over the same
//   files with the same member, and checking that every file comes back byte for byte.
// Message boxes and dialogs are answered by the test platform; the windows are the real ones.

#include "encryption/Frm_Password2.h"
#include "encryption/ModoCartella.h"
#include "encryption/Selezione.h"
#include "platform/PiattaformaProva.h"
#include "shell/Frm_Principale.h"
#include "shell/common/Finestre.h"
#include "shell/common/Globali.h"

#include <QApplication>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

using namespace klavo;

namespace {

const QString Password = QStringLiteral("Prova di velocità 2026");
constexpr int CartelleAlto = 10;
constexpr int CartelleSotto = 10;
constexpr int FilePerCartella = 300;
constexpr int FileGrandi = 1000;
constexpr qint64 Dimensione = 64 * 1024;

bool Scrivi(const QString& percorso, const QByteArray& byte) {
    QFile file(percorso);
    return file.open(QIODevice::WriteOnly) && file.write(byte) == byte.size();
}

// 10 folders of 10 sub-folders of 300 files each: 30,000 files of 32 bytes.
bool CreaAlbero(const QString& radice) {
    const QByteArray riga(32, 'k');
    for (int a = 0; a < CartelleAlto; ++a)
        for (int s = 0; s < CartelleSotto; ++s) {
            const QString cartella = QStringLiteral("%1/Anno%2/Mese%3").arg(radice).arg(a).arg(s);
            if (!QDir().mkpath(cartella))
                return false;
            for (int f = 0; f < FilePerCartella; ++f)
                if (!Scrivi(QStringLiteral("%1/nota%2.txt").arg(cartella).arg(f), riga))
                    return false;
        }
    return true;
}

bool CreaGrandi(const QString& radice) {
    if (!QDir().mkpath(radice))
        return false;
    QRandomGenerator g(11);
    QByteArray byte(Dimensione, Qt::Uninitialized);
    for (int i = 0; i < FileGrandi; ++i) {
        g.fillRange(reinterpret_cast<quint32*>(byte.data()), Dimensione / 4);
        if (!Scrivi(QStringLiteral("%1/foto%2.jpg").arg(radice).arg(i, 4, 10, QLatin1Char('0')),
                    byte))
            return false;
    }
    return true;
}

// One hash over every file's relative name and bytes, in name order.
QByteArray Impronta(const QString& radice) {
    QStringList nomi;
    QDirIterator it(radice, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        nomi.append(QDir(radice).relativeFilePath(it.next()));
    nomi.sort();
    QCryptographicHash h(QCryptographicHash::Sha256);
    for (const QString& nome : nomi) {
        QFile file(radice + QLatin1Char('/') + nome);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        h.addData(nome.toUtf8());
        h.addData(file.readAll());
    }
    return h.result();
}

QStringList FileDi(const QString& radice) {
    QStringList r;
    const QStringList nomi = QDir(radice).entryList(QDir::Files, QDir::Name);
    for (const QString& n : nomi)
        r.append(radice + QLatin1Char('/') + n);
    return r;
}

double Secondi(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e9;
}

bool Processo(const QString& programma, const QStringList& argomenti, const QByteArray& ingresso,
              const QString& casa = {}) {
    QProcess p;
    if (!casa.isEmpty()) {
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("XDG_DATA_HOME"), casa);
        p.setProcessEnvironment(ambiente);
    }
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(programma, argomenti);
    if (!p.waitForStarted())
        return false;
    p.write(ingresso);
    p.closeWriteChannel();
    return p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// The window in folder mode on cartella, listed: the number of entries.
int Elenca(Frm_Principale& f, bool cripta, const QString& cartella, bool sottocartelle) {
    if (cripta)
        f.Cmd_Cripta_Cartella_Click();
    else
        f.Cmd_Decripta_Cartella_Click();
    f.Dir1->ImpostaPath(cartella);
    f.ChkSubFolders->setChecked(sottocartelle);
    f.Cmd_Continua_Click();
    return f.List1->count();
}

// The listed folder run through the password dialog; back to idle afterwards.
bool Esegui(Frm_Principale& f, bool cripta) {
    f.Cmd_Continua_Click();
    Frm_Password2* d = finestre::SeCaricata<Frm_Password2>();
    if (!d)
        return false;
    d->Txt_Password->setText(Password);
    if (cripta)
        d->Txt_Conferma->setText(Password);
    d->Cmd_OK_Click();
    const bool finito = f.Cmd_Annulla->text() == QLatin1String("OK");
    f.Cmd_Annulla_Click();
    return finito;
}

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList argomenti = QCoreApplication::arguments();
    const QString base = argomenti.size() > 1 ? argomenti[1] : QDir::tempPath();
    const int giri = argomenti.size() > 2 ? std::max(1, argomenti[2].toInt()) : 3;
    QTemporaryDir cartella(base + QStringLiteral("/bench_cartella-XXXXXX"));
    if (!cartella.isValid())
        return 1;

    PiattaformaProva piattaforma;
    CartellaWindows = piattaforma.CartellaWindows();
    AlgoritmoCodifica = QStringLiteral("Sicuro");
    EliminaFileOrigine = true;
    Frm_Principale& f = finestre::Finestra<Frm_Principale>();
    f.show();

    const QString albero = cartella.filePath(QStringLiteral("Albero"));
    const QString grandi = cartella.filePath(QStringLiteral("Foto"));
    const QString casaCli = cartella.filePath(QStringLiteral("dati-cli"));
    QElapsedTimer t;
    t.start();
    if (!CreaAlbero(albero) || !CreaGrandi(grandi) || !QDir().mkpath(casaCli))
        return 1;
    std::printf("Preparazione (30.000 file + 1.000 x 64 KiB): %.2f s, in %s\n", Secondi(t),
                qPrintable(cartella.path()));

    std::map<std::string, std::vector<double>> tempi;
    // Warm-up: the first walk reads the tree's metadata into the cache.
    Processo(QStringLiteral("find"), {albero, QStringLiteral("-type"), QStringLiteral("f")}, {});
    for (int g = 0; g < giri; ++g) {
        t.start();
        if (!Processo(QStringLiteral("find"),
                      {albero, QStringLiteral("-type"), QStringLiteral("f")}, {}))
            return 1;
        tempi["find -type f"].push_back(Secondi(t));
        // What the listing does for each file: its length too.
        t.start();
        if (!Processo(QStringLiteral("find"),
                      {albero, QStringLiteral("-type"), QStringLiteral("f"),
                       QStringLiteral("-size"), QStringLiteral("+1c")},
                      {}))
            return 1;
        tempi["find -type f -size +1c"].push_back(Secondi(t));

        QStringList voci;
        t.start();
        AggiungiFile(albero, albero, true, true, voci, [](qsizetype) {});
        tempi["AggiungiFile"].push_back(Secondi(t));
        if (voci.size() != CartelleAlto * CartelleSotto * FilePerCartella)
            return 1;

        t.start();
        const int n = Elenca(f, true, albero, true);
        tempi["Continua nella finestra"].push_back(Secondi(t));
        f.Cmd_Annulla_Click();
        if (n != CartelleAlto * CartelleSotto * FilePerCartella)
            return 1;
    }
    const double find = Mediana(tempi["find -type f"]);
    std::printf("\nElenco di 30.000 file in 100 sottocartelle, %d giri, mediana (migliore):\n",
                giri);
    for (const char* nome :
         {"find -type f", "find -type f -size +1c", "AggiungiFile", "Continua nella finestra"})
        std::printf("  %-34s %7.3f s (%.3f)  %5.1f volte find\n", nome, Mediana(tempi[nome]),
                    *std::min_element(tempi[nome].begin(), tempi[nome].end()),
                    Mediana(tempi[nome]) / find);

    const QByteArray originale = Impronta(grandi);
    const QString cli = QCoreApplication::applicationDirPath() + QStringLiteral("/klavo-cli");
    const QByteArray riga = Password.toUtf8() + '\n';
    // One folder run through the window, timed from the second Continua to the finished list.
    const auto finestra = [&](bool cripta, const char* nome) {
        if (Elenca(f, cripta, grandi, false) != FileGrandi)
            return false;
        t.start();
        if (!Esegui(f, cripta))
            return false;
        tempi[nome].push_back(Secondi(t));
        return true;
    };
    for (int g = 0; g < giri; ++g) {
        if (!finestra(true, "cripta finestra") || !finestra(false, "decripta finestra"))
            return 1;
        if (Impronta(grandi) != originale) {
            std::fprintf(stderr, "I file decriptati nella finestra non sono gli originali\n");
            return 1;
        }

        t.start();
        if (!Processo(
                cli,
                QStringList{QStringLiteral("cripta"), QStringLiteral("-s"), QStringLiteral("-e")} +
                    FileDi(grandi),
                riga, casaCli))
            return 1;
        tempi["cripta klavo-cli"].push_back(Secondi(t));
        t.start();
        if (!Processo(
                cli, QStringList{QStringLiteral("decripta"), QStringLiteral("-e")} + FileDi(grandi),
                riga, casaCli))
            return 1;
        tempi["decripta klavo-cli"].push_back(Secondi(t));
        if (Impronta(grandi) != originale) {
            std::fprintf(stderr, "I file decriptati da klavo-cli non sono gli originali\n");
            return 1;
        }
    }
    std::printf("\n1.000 file da 64 KiB, algoritmo Sicuro, originali eliminati, %d giri, mediana "
                "(migliore); tornati identici byte per byte:\n",
                giri);
    for (const char* nome :
         {"cripta finestra", "cripta klavo-cli", "decripta finestra", "decripta klavo-cli"})
        std::printf("  %-34s %7.3f s (%.3f)  %6.0f file/s\n", nome, Mediana(tempi[nome]),
                    *std::min_element(tempi[nome].begin(), tempi[nome].end()),
                    FileGrandi / Mediana(tempi[nome]));
    finestre::ScaricaTutte();
    return 0;
}
