#pragma once
// A real Postfix for one test, on a free port of 127.0.0.1: it accepts every recipient of
// example.org from the machine, delivers those it knows into Maildirs (the sender's,
// "club@example.org", into Maildir()), and for the others sends the sender the delivery
// status notification Postfix writes ("unknown user"). Runs as root only.
#include "tests/support/PostfixPrive.h"

#include <QStringList>

class PostfixRetours {
public:
    // `abonnes`: the addresses of example.org delivered (into a Maildir of their own);
    // `alias`: addresses delivered into the sender's Maildir too.
    explicit PostfixRetours(const QStringList& abonnes, const QStringList& alias = {});

    static bool Possible() { return PostfixPrive::Possible(); }
    quint16 Port() const { return port_; }
    // The sender's Maildir, where the notifications arrive.
    QString Maildir() const;
    // Waits until the sender's Maildir ("club") or the subscribers' ("abonnes") holds
    // `nombre` messages; false if they do not all come within two minutes.
    bool Attendre(int nombre, const char* boite = "club") const;

private:
    quint16 port_ = 0;
    PostfixPrive postfix_;
};
