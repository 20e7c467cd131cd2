#pragma once
// A private Postfix for one test (tests/donnees/mail/postfix_prive.sh): its master and smtpd on
// two loopback ports, STARTTLS with the given certificate and AUTH only after TLS on the first,
// TLS from the first byte on the second; the user club@example.org, password secret-Passe9.
// Needs root, Debian's postfix and sasl2-bin.
#include "tests/support/RepertoireTemporaire.h"

#include <QString>

class PostfixReel {
public:
    static constexpr const char* Utilisateur = "club@example.org";
    static constexpr const char* MotDePasse = "secret-Passe9";

    // Free ports when 0. Raises std::runtime_error when it does not start.
    PostfixReel(const char* certificat, quint16 port = 0, quint16 portTLS = 0);
    // Stops it, and waits until its ports take no more connections.
    ~PostfixReel();
    PostfixReel(const PostfixReel&) = delete;
    PostfixReel& operator=(const PostfixReel&) = delete;

    static bool Possible();
    quint16 Port() const { return port_; }
    quint16 PortTLS() const { return portTLS_; }

private:
    RepertoireTemporaire dossier_;
    quint16 port_, portTLS_;
};
