#pragma once
// Base of every failure the program reports: it carries the French text the user reads.
#include <QString>
#include <exception>

class Erreur : public std::exception {
public:
    explicit Erreur(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& Message() const { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};
