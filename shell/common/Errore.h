#pragma once

#include <QString>

#include <exception>

namespace klavo {

// A failure whose Italian text is ready to be shown to the user as it stands.
class Errore : public std::exception {
public:
    explicit Errore(QString messaggio) : messaggio_(std::move(messaggio)) {}
    const QString& messaggio() const { return messaggio_; }
    const char* what() const noexcept override { return "klavo::Errore"; }

private:
    QString messaggio_;
};

} // namespace klavo
