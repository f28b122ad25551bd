#include "platform/PiattaformaQt.h"
#include "shell/Frm_Password.h"
#include "shell/common/Finestre.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Klavo"));
    QApplication::setOrganizationName(QStringLiteral("Klavo"));
    klavo::PiattaformaQt piattaforma;
    klavo::Piattaforma::imposta(&piattaforma);

    klavo::finestre::Finestra<klavo::Frm_Password>().Avvia();
    const int esito = piattaforma.Terminato() ? 0 : QApplication::exec();
    klavo::Piattaforma::imposta(nullptr);
    return esito;
}
