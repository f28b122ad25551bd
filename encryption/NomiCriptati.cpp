#include "encryption/NomiCriptati.h"

#include <QByteArray>

namespace klavo {

namespace {

QChar DallaFine(const QString& nome, qsizetype posizione) {
    return nome.size() >= posizione ? nome.at(nome.size() - posizione).toUpper() : QChar();
}

} // namespace

Algoritmo AlgoritmoImpostato(const QString& algoritmoCodifica) {
    return algoritmoCodifica == QLatin1String("Veloce") ? Algoritmo::Veloce : Algoritmo::Sicuro;
}

QChar LetteraDi(Algoritmo algoritmo) {
    return algoritmo == Algoritmo::Veloce ? QLatin1Char('V') : QLatin1Char('S');
}

QString NomeCriptato(const QString& origine, Algoritmo algoritmo, bool antiBruteForce) {
    return origine + QLatin1Char('.') + LetteraDi(algoritmo) + QLatin1Char('f') +
           (antiBruteForce ? QLatin1Char('f') : QLatin1Char('t')) + EstensioneCriptati;
}

QString NomeOrigine(const QString& criptato) {
    return criptato.first(std::max<qsizetype>(0, criptato.size() - LunghezzaSuffisso));
}

QChar LetteraAlgoritmo(const QString& criptato) {
    return DallaFine(criptato, 7);
}

QChar LetteraProtezione(const QString& criptato) {
    return DallaFine(criptato, 5);
}

bool FileCriptato(const QString& percorso) {
    return percorso.endsWith(EstensioneCriptati);
}

QByteArray CifreLunghezza(qsizetype lunghezzaBlocco) {
    return QByteArray::number(lunghezzaBlocco).rightJustified(CifreLunghezzaBlocco, '0');
}

} // namespace klavo
