#pragma once
// What the handshake learnt of the server's certificate.
#include <QString>

struct CertificatServeur {
    // The chain leads to an authority of the system's trust store, the certificate is in its
    // dates and names the server as it was asked for (RFC 6125).
    bool Verifie = false;
    // SHA-256 of the certificate, as "AB:CD:..." (what the openssl command shows).
    QString Empreinte;
    // The protocol the handshake settled on, as OpenSSL names it ("TLSv1.3").
    QString Protocole;
};
