#pragma once
// The TLS settings, fixed for the whole run: client role, any protocol version the library
// still offers. The handshake itself accepts any certificate; the client then decides whether
// it verifies or matches the one pinned (ConfianceCertificat).
#include <QByteArray>

struct OptionsTLS {
    // Empty: the default list is used.
    QByteArray ListeChiffrements;

    QByteArray ListeEffective() const {
        return ListeChiffrements.isEmpty()
                   ? QByteArrayLiteral("AES:ALL:!aNULL:!eNULL:+RC4:@STRENGTH")
                   : ListeChiffrements;
    }
};
