#pragma once
// Debian's dnsmasq, run for one test on a loopback address of its own (127.x.y.z, port 53: the
// resolver asks port 53 only), answering the records given and nothing else: a name of the
// "test" domain that it does not know does not exist. Needs root, to listen on port 53.
#include "tests/support/ProcessusEnfant.h"

#include <QHostAddress>
#include <QStringList>
#include <memory>

class ServeurDNSDeTest {
public:
    // dnsmasq's own record options: "--srv-host=...", "--mx-host=...", "--host-record=...".
    // Raises std::runtime_error when it cannot be started.
    explicit ServeurDNSDeTest(const QStringList& enregistrements);

    const QHostAddress& Adresse() const { return adresse_; }
    // False when this process may not listen on port 53: the test is then skipped.
    static bool Possible();

private:
    QHostAddress adresse_;
    std::unique_ptr<ProcessusEnfant> processus_;
};
