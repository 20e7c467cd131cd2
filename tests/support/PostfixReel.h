#pragma once
// A private Postfix for one test: smtpd on two loopback ports, STARTTLS with the given
// certificate and AUTH (LOGIN, PLAIN) only after TLS on the first, TLS from the first byte on
// the second; the user club@example.org, password secret-Passe9, in a sasldb of its own.
// Needs root, Debian's postfix and sasl2-bin.
#include "tests/support/PostfixPrive.h"

class PostfixReel {
public:
    static constexpr const char* Utilisateur = "club@example.org";
    static constexpr const char* MotDePasse = "secret-Passe9";

    // Free ports when 0. Raises std::runtime_error when it does not start.
    PostfixReel(const char* certificat, quint16 port = 0, quint16 portTLS = 0);

    static bool Possible();
    quint16 Port() const { return port_; }
    quint16 PortTLS() const { return portTLS_; }

private:
    quint16 port_, portTLS_;
    PostfixPrive postfix_;
};
