// The generator without its window: unbiased draws from the system's random source, the order of
// draws, both modes, the checks before a run and the saved list's lines.

#include "generator/Casuale.h"
#include "generator/Generatore.h"
#include "tests/supporto/Ambiente.h"

#include <QList>
#include <QSet>
#include <QTest>

using namespace klavo;
using namespace klavo::generatore;

namespace {

// Hands out the words a test wrote; running out is a failure of the test.
class FonteScritta final : public FonteCasuale {
public:
    explicit FonteScritta(QList<quint32> parole) : parole_(std::move(parole)) {}
    quint32 Parola() override {
        if (parole_.isEmpty())
            throw std::runtime_error("parole finite");
        return parole_.takeFirst();
    }
    qsizetype Rimaste() const { return parole_.size(); }

private:
    QList<quint32> parole_;
};

// The class of a character, -1 for none.
int ClasseDi(QChar c) {
    for (std::size_t i = 0; i < Classi.size(); ++i) {
        const int primo = Classi[i].primo;
        if (c.unicode() >= primo && c.unicode() < primo + static_cast<int>(Classi[i].dimensione))
            return static_cast<int>(i);
    }
    return -1;
}

Quote Conta(QStringView testo) {
    Quote n{};
    for (const QChar c : testo) {
        const int classe = ClasseDi(c);
        if (classe < 0)
            return {-1, -1, -1, -1};
        ++n[classe];
    }
    return n;
}

} // namespace

class TestGeneratore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void classi();
    void estrazioneSenzaDistorsione_data();
    void estrazioneSenzaDistorsione();
    void ogniValoreEstratto();
    void ordineDelleEstrazioni();
    void esattaRispettaLeQuote();
    void almenoRiempieConLettereECifre();
    void ogniCarattereCompare();
    void fonteNonRipetibile();
    void controlliEsatta_data();
    void controlliEsatta();
    void controlliAlmeno_data();
    void controlliAlmeno();
    void numero_data();
    void numero();
    void righeLista();
};

void TestGeneratore::classi() {
    QString speciali;
    for (quint32 i = 0; i < Classi[3].dimensione; ++i)
        speciali.append(QChar(static_cast<char16_t>(Classi[3].primo + static_cast<int>(i))));
    QCOMPARE(speciali, QStringLiteral("!\"#$%&'()*+,-./"));
    QVERIFY(!speciali.contains(QLatin1Char('?')));
    QCOMPARE(Classi[0].primo, 'a');
    QCOMPARE(Classi[1].primo, 'A');
    QCOMPARE(Classi[2].primo, '0');
    QCOMPARE(Classi[0].dimensione + Classi[1].dimensione + Classi[2].dimensione, 62u);
}

void TestGeneratore::estrazioneSenzaDistorsione_data() {
    QTest::addColumn<quint32>("n");
    QTest::addColumn<QList<quint32>>("parole");
    QTest::addColumn<quint32>("atteso");
    // 2^32 mod 10 = 6: the words 0 to 5 would make 0 to 5 a little more likely than 6 to 9.
    QTest::newRow("10 scarta") << 10u << QList<quint32>{0, 5, 17} << 7u;
    QTest::newRow("10 accetta") << 10u << QList<quint32>{6} << 6u;
    QTest::newRow("10 ultima") << 10u << QList<quint32>{0xFFFFFFFFu} << 5u;
    QTest::newRow("26") << 26u << QList<quint32>{3, 0xFFFFFFFFu} << 0xFFFFFFFFu % 26;
    // Half the words of 2^32 are rejected: a plain modulo would give 0 and 1 twice as often.
    QTest::newRow("2^31+1") << 0x80000001u << QList<quint32>{0x7FFFFFFEu, 0x7FFFFFFFu}
                            << 0x7FFFFFFFu;
    QTest::newRow("1") << 1u << QList<quint32>{12345} << 0u;
    QTest::newRow("potenza di due") << 4u << QList<quint32>{0, 7} << 0u;
}

void TestGeneratore::estrazioneSenzaDistorsione() {
    QFETCH(quint32, n);
    QFETCH(QList<quint32>, parole);
    QFETCH(quint32, atteso);
    FonteScritta fonte(parole);
    QCOMPARE(fonte.Estrai(n), atteso);
    if (n == 4)
        QCOMPARE(fonte.Rimaste(), 1); // no word is rejected when n divides 2^32
    else
        QCOMPARE(fonte.Rimaste(), 0);
}

void TestGeneratore::ordineDelleEstrazioni() {
    // Quotas 1, 0, 0, 1: a class with no room left (1 and 2 always, 3 after its character) is
    // drawn again; a character is drawn right after the class that takes it.
    FonteScritta esatta({1, 3, 14, 3, 2, 0, 25});
    QCOMPARE(ParteQuote(esatta, {1, 0, 0, 1}), QStringLiteral("/z"));
    QCOMPARE(esatta.Rimaste(), 0);
    // The fill part draws a class from three, then a character; word 0 is rejected for n = 10
    // (2^32 mod 10 = 6) and n = 3 (2^32 mod 3 = 1), words below 22 for n = 26.
    FonteScritta almeno({2, 0, 10, 0, 4, 25, 5, 11});
    QCOMPARE(PasswordAlmeno(almeno, {0, 0, 1, 0}, 3), QStringLiteral("0Z1"));
    QCOMPARE(almeno.Rimaste(), 0);
}

void TestGeneratore::esattaRispettaLeQuote() {
    FonteSistema fonte;
    const QStringList lista = GeneraEsatte(fonte, {2, 0, 3, 1}, 2000);
    QCOMPARE(lista.size(), 2000);
    for (const QString& p : lista) {
        QCOMPARE(p.size(), 6);
        QCOMPARE(Conta(p), (Quote{2, 0, 3, 1}));
    }
    QVERIFY(GeneraEsatte(fonte, {0, 0, 0, 0}, 3) == QStringList(3, QString()));
    const QStringList lunghe = GeneraEsatte(fonte, {20, 20, 20, 20}, 200);
    QCOMPARE(lunghe.size(), 200);
    for (const QString& p : lunghe)
        QCOMPARE(Conta(p), (Quote{20, 20, 20, 20}));
}

void TestGeneratore::almenoRiempieConLettereECifre() {
    FonteSistema fonte;
    for (const QString& p : GeneraAlmeno(fonte, {0, 0, 0, 2}, 10, 2000)) {
        QCOMPARE(p.size(), 10);
        QCOMPARE(ClasseDi(p[0]), 3);
        QCOMPARE(ClasseDi(p[1]), 3);
        const Quote resto = Conta(QStringView(p).mid(2));
        QCOMPARE(resto[3], 0);
        QCOMPARE(resto[0] + resto[1] + resto[2], 8);
    }
    for (const QString& p : GeneraAlmeno(fonte, {1, 1, 2, 1}, 5, 50))
        QCOMPARE(Conta(p), (Quote{1, 1, 2, 1})); // Max = Min: no fill part
    for (const QString& p : GeneraAlmeno(fonte, {20, 20, 20, 20}, 80, 200))
        QCOMPARE(p.size(), 80);
}

void TestGeneratore::ogniValoreEstratto() {
    // Straight from the source, before any password: a draw that cannot reach part of its range
    // fails here instead of leaving a class that can never be filled. Every value is expected
    // 1000 times; a chi-square above 80 has a probability below 1e-7 with at most 25 degrees of
    // freedom.
    FonteSistema fonte;
    for (std::size_t classe = 0; classe < Classi.size(); ++classe) {
        const Classe& k = Classi[classe];
        QList<int> conteggi(k.dimensione, 0);
        for (quint32 i = 0; i < 1000 * k.dimensione; ++i) {
            const int c = Carattere(fonte, static_cast<quint32>(classe)).unicode() - k.primo;
            QVERIFY2(c >= 0 && c < static_cast<int>(k.dimensione), qPrintable(QString::number(c)));
            ++conteggi[c];
        }
        double chiQuadro = 0;
        for (qsizetype i = 0; i < conteggi.size(); ++i) {
            QVERIFY2(conteggi[i] > 0,
                     qPrintable(QStringLiteral("manca %1").arg(QChar(k.primo + int(i)))));
            chiQuadro += (conteggi[i] - 1000.0) * (conteggi[i] - 1000.0) / 1000.0;
        }
        QVERIFY2(chiQuadro < 80, qPrintable(QString::number(chiQuadro)));
    }
    for (const quint32 n : {quint32(Classi.size()), ClassiRiempimento}) {
        QList<int> conteggi(n, 0);
        for (quint32 i = 0; i < 1000 * n; ++i)
            ++conteggi[fonte.Estrai(n)];
        QVERIFY2(!conteggi.contains(0), qPrintable(QStringLiteral("classe mancante su %1").arg(n)));
    }
}

void TestGeneratore::ogniCarattereCompare() {
    // Each character is expected at least 1500 times in the quota part and 800 times in the fill
    // part, the fill part's digits a third of it.
    FonteSistema fonte;
    QHash<QChar, int> quote, riempimento;
    for (const QString& p : GeneraEsatte(fonte, {20, 20, 20, 20}, 2000))
        for (const QChar c : p)
            ++quote[c];
    for (const QString& p : GeneraAlmeno(fonte, {0, 0, 0, 0}, 80, 800))
        for (const QChar c : p)
            ++riempimento[c];
    QCOMPARE(quote.size(), 77);
    QCOMPARE(riempimento.size(), 62);
    for (std::size_t classe = 0; classe < Classi.size(); ++classe) {
        const Classe& k = Classi[classe];
        for (quint32 i = 0; i < k.dimensione; ++i) {
            const QChar c(static_cast<char16_t>(k.primo + static_cast<int>(i)));
            QVERIFY2(quote.value(c) > 0, qPrintable(QStringLiteral("manca ") + c));
            if (classe < ClassiRiempimento)
                QVERIFY2(riempimento.value(c) > 0, qPrintable(QStringLiteral("manca ") + c));
        }
    }
    int cifre = 0;
    for (char c = '0'; c <= '9'; ++c)
        cifre += riempimento.value(QLatin1Char(c));
    QVERIFY2(qAbs(cifre - 64000 / 3) < 800, qPrintable(QString::number(cifre)));
}

void TestGeneratore::fonteNonRipetibile() {
    // Two runs at the same moment must not give the same passwords, as a generator seeded with
    // the time would.
    FonteSistema a, b;
    QVERIFY(GeneraEsatte(a, {5, 5, 5, 5}, 5) != GeneraEsatte(b, {5, 5, 5, 5}, 5));
}

void TestGeneratore::controlliEsatta_data() {
    QTest::addColumn<Quote>("quote");
    QTest::addColumn<Esito>("esito");
    QTest::newRow("0") << Quote{0, 0, 0, 0} << Esito::Nulla;
    QTest::newRow("6") << Quote{2, 0, 3, 1} << Esito::Genera;
    QTest::newRow("20") << Quote{20, 0, 0, 0} << Esito::Genera;
    QTest::newRow("21") << Quote{0, 0, 1, 20} << Esito::Conferma;
    QTest::newRow("80") << Quote{20, 20, 20, 20} << Esito::Conferma;
}

void TestGeneratore::controlliEsatta() {
    QFETCH(Quote, quote);
    QFETCH(Esito, esito);
    QCOMPARE(ControllaEsatta(quote), esito);
}

void TestGeneratore::controlliAlmeno_data() {
    QTest::addColumn<Quote>("quote");
    QTest::addColumn<std::optional<int>>("massimo");
    QTest::addColumn<Esito>("esito");
    const Quote cinque{2, 1, 1, 1};
    QTest::newRow("5-5") << cinque << std::optional<int>(5) << Esito::Genera;
    QTest::newRow("5-4") << cinque << std::optional<int>(4) << Esito::MassimoMinore;
    QTest::newRow("5-81") << cinque << std::optional<int>(81) << Esito::OltreLimite;
    QTest::newRow("5-80") << cinque << std::optional<int>(80) << Esito::Genera;
    QTest::newRow("5-non numero") << cinque << std::optional<int>() << Esito::MassimoMinore;
    QTest::newRow("0-81") << Quote{} << std::optional<int>(81) << Esito::Nulla;
    QTest::newRow("0-0") << Quote{} << std::optional<int>(0) << Esito::Nulla;
    QTest::newRow("0-negativo") << Quote{} << std::optional<int>(-1) << Esito::MassimoMinore;
    QTest::newRow("0-non numero") << Quote{} << std::optional<int>() << Esito::MassimoMinore;
    QTest::newRow("21-30") << Quote{20, 1, 0, 0} << std::optional<int>(30) << Esito::Conferma;
    QTest::newRow("21-81") << Quote{20, 1, 0, 0} << std::optional<int>(81) << Esito::OltreLimite;
    QTest::newRow("20-20") << Quote{5, 5, 5, 5} << std::optional<int>(20) << Esito::Genera;
}

void TestGeneratore::controlliAlmeno() {
    QFETCH(Quote, quote);
    QFETCH(std::optional<int>, massimo);
    QFETCH(Esito, esito);
    QCOMPARE(ControllaAlmeno(quote, massimo), esito);
}

void TestGeneratore::numero_data() {
    QTest::addColumn<QString>("testo");
    QTest::addColumn<std::optional<int>>("atteso");
    QTest::newRow("10") << "10" << std::optional<int>(10);
    QTest::newRow("spazi") << " 7 " << std::optional<int>(7);
    QTest::newRow("negativo") << "-3" << std::optional<int>(-3);
    QTest::newRow("vuoto") << "" << std::optional<int>();
    QTest::newRow("lettere") << "abc" << std::optional<int>();
    QTest::newRow("misto") << "5a" << std::optional<int>();
    QTest::newRow("decimale") << "5.5" << std::optional<int>();
    QTest::newRow("enorme") << "99999999999" << std::optional<int>();
}

void TestGeneratore::numero() {
    QFETCH(QString, testo);
    QFETCH(std::optional<int>, atteso);
    QCOMPARE(Numero(testo), atteso);
}

void TestGeneratore::righeLista() {
    QCOMPARE(RigheLista({QStringLiteral("ab&1"), QStringLiteral("Z9")}, QStringLiteral("d"),
                        QStringLiteral("o")),
             (QStringList{"      KLAVO - ORVANE", "https://www.orvane.it/klavo", "",
                          "     Generatore random     ", "", "File creato il: d alle o", "", "",
                          "1  -  ab&1", "2  -  Z9"}));
}

QTEST_GUILESS_MAIN(TestGeneratore)
#include "test_generatore.moc"
