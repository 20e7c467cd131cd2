#pragma once
// The TLS settings, fixed for the whole run: client role, any protocol version the library
// still offers, no certificate checked.
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
