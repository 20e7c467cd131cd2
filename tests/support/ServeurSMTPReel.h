#pragma once
// The aiosmtpd server of tests/donnees/mail/serveur_smtp.py (or another Python peer there), run
// with /usr/bin/python3 for one test: AUTH LOGIN as "jean" / "secret", messages stored in a
// temporary directory, STARTTLS when a certificate is given, and an optional relay port that
// captures what the client sends.
#include "tests/support/ProcessusEnfant.h"
#include "tests/support/RepertoireTemporaire.h"

#include <QJsonObject>
#include <QStringList>
#include <memory>

class ServeurSMTPReel {
public:
    struct Options {
        bool starttls = false;
        bool capture = false;
        // Another peer of tests/donnees/mail, with its "--mode" (pair_tls.py).
        const char* script = "serveur_smtp.py";
        const char* mode = nullptr;
        // Recipients the server refuses with 550.
        QStringList refuser = {};
        // Refuse every recipient after a greeting name that is no domain nor address literal.
        bool verifierHelo = false;
    };
    explicit ServeurSMTPReel(Options options);
    ~ServeurSMTPReel();
    ServeurSMTPReel(const ServeurSMTPReel&) = delete;
    ServeurSMTPReel& operator=(const ServeurSMTPReel&) = delete;

    quint16 Port() const { return port_; }
    // The relay's port (with capture only): connect there to have the traffic captured.
    quint16 PortRelais() const { return portRelais_; }
    int NombreMessages() const;
    // Message n (from 1) as Python's email package reads it, and its envelope.
    QJsonObject Message(int n) const;
    QJsonObject Enveloppe(int n) const;
    // Message n as the server received it, dot-stuffing undone.
    QByteArray Brut(int n) const;
    QByteArray Capture() const;

private:
    RepertoireTemporaire dossier_;
    std::unique_ptr<ProcessusEnfant> processus_;
    quint16 port_ = 0;
    quint16 portRelais_ = 0;
};
