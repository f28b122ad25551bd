#include "platform/Terminale.h"

#include <csignal>
#include <cstdio>
#include <string>

#include <termios.h>
#include <unistd.h>

namespace klavo::terminale {

namespace {

termios statoOriginale;
volatile std::sig_atomic_t echoSpento = 0;

void Ripristina() {
    if (echoSpento) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &statoOriginale);
        echoSpento = 0;
    }
}

extern "C" void Interrotto(int segnale) {
    Ripristina();
    std::signal(segnale, SIG_DFL);
    std::raise(segnale);
}

} // namespace

bool IngressoInterattivo() {
    return isatty(STDIN_FILENO) == 1;
}

std::optional<QString> LeggiRiga(const QString& prompt, bool nascosta) {
    const bool terminale = IngressoInterattivo();
    if (terminale) {
        std::fputs(prompt.toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
    }
    using Gestore = void (*)(int);
    Gestore vecchioInt = SIG_DFL, vecchioTerm = SIG_DFL;
    if (terminale && nascosta && tcgetattr(STDIN_FILENO, &statoOriginale) == 0) {
        vecchioInt = std::signal(SIGINT, Interrotto);
        vecchioTerm = std::signal(SIGTERM, Interrotto);
        termios senzaEcho = statoOriginale;
        senzaEcho.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        echoSpento = tcsetattr(STDIN_FILENO, TCSAFLUSH, &senzaEcho) == 0;
    }
    std::string riga;
    bool letta = false;
    for (int c; (c = std::getchar()) != EOF;) {
        letta = true;
        if (c == '\n')
            break;
        riga.push_back(static_cast<char>(c));
    }
    if (echoSpento) {
        Ripristina();
        std::signal(SIGINT, vecchioInt);
        std::signal(SIGTERM, vecchioTerm);
        std::fputc('\n', stderr);
    }
    if (!letta)
        return std::nullopt;
    if (!riga.empty() && riga.back() == '\r')
        riga.pop_back();
    return QString::fromLocal8Bit(riga.data(), static_cast<qsizetype>(riga.size()));
}

} // namespace klavo::terminale
