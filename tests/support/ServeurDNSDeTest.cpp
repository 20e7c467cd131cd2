#include "tests/support/ServeurDNSDeTest.h"

#include <QRandomGenerator>
#include <stdexcept>
#include <unistd.h>

bool ServeurDNSDeTest::Possible() {
    return ::geteuid() == 0;
}

ServeurDNSDeTest::ServeurDNSDeTest(const QStringList& enregistrements) {
    std::string erreurs;
    // Another test, or another program, may hold the address drawn: draw again.
    for (int essai = 0; essai < 10; ++essai) {
        auto* hasard = QRandomGenerator::global();
        const QHostAddress adresse(QStringLiteral("127.%1.%2.%3")
                                       .arg(hasard->bounded(100, 250))
                                       .arg(hasard->bounded(1, 250))
                                       .arg(hasard->bounded(1, 250)));
        QStringList arguments{
            QStringLiteral("--conf-file=/dev/null"), QStringLiteral("--keep-in-foreground"),
            QStringLiteral("--log-facility=/dev/stdout"), QStringLiteral("--no-resolv"),
            QStringLiteral("--no-hosts"), QStringLiteral("--pid-file="),
            QStringLiteral("--user=root"), QStringLiteral("--bind-interfaces"),
            QStringLiteral("--listen-address=") + adresse.toString(), QStringLiteral("--port=53"),
            // No cache: each test's records are read afresh.
            QStringLiteral("--cache-size=0"), QStringLiteral("--local=/test/")};
        arguments += enregistrements;
        auto processus =
            std::make_unique<ProcessusEnfant>(QStringLiteral("/usr/sbin/dnsmasq"), arguments);
        try {
            while (!processus->LireLigne(5000).contains("started"))
                ;
        } catch (const std::runtime_error& e) {
            erreurs = e.what();
            continue;
        }
        adresse_ = adresse;
        processus_ = std::move(processus);
        return;
    }
    throw std::runtime_error("dnsmasq did not start: " + erreurs);
}
