#include "tests/support/PostfixReel.h"

#include "tests/support/CertificatsDeTest.h"
#include "tests/support/ProcessusEnfant.h"
#include "tests/support/ServeurSMTPReel.h"
#include "tests/support/SocketLocale.h"

#include <QFileInfo>
#include <QTest>
#include <stdexcept>

namespace {
bool Ecoute(quint16 port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in a = AdresseLocale(port);
    const bool ouvert = ::connect(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0;
    ::close(fd);
    return ouvert;
}

int Executer(const QStringList& commande, QByteArray& erreurs) {
    ProcessusEnfant p(commande.first(), commande.mid(1));
    const int code = p.Attendre(60000);
    erreurs = p.Sortie() + p.Erreurs();
    return code;
}
} // namespace

bool PostfixReel::Possible() {
    return ::geteuid() == 0 && QFileInfo::exists(QStringLiteral("/usr/sbin/postfix")) &&
           QFileInfo::exists(QStringLiteral("/usr/sbin/saslpasswd2"));
}

PostfixReel::PostfixReel(const char* certificat, quint16 port, quint16 portTLS)
    : port_(port ? port : PortLibre()), portTLS_(portTLS ? portTLS : PortLibre()) {
    QByteArray erreurs;
    if (Executer({QStringLiteral("/bin/bash"), ServeurSMTPReel::Script("postfix_prive.sh"),
                  dossier_.Chemin(), QString::number(port_), QString::number(portTLS_),
                  CertificatsDeTest::Certificat(certificat), CertificatsDeTest::Cle(certificat)},
                 erreurs) != 0)
        throw std::runtime_error("postfix did not start: " + erreurs.toStdString());
    // The master opens its ports once started, from a process of its own.
    if (!QTest::qWaitFor([&] { return Ecoute(port_) && Ecoute(portTLS_); }, 20000))
        throw std::runtime_error("postfix does not listen: " +
                                 dossier_.Lire("postfix.log").toStdString());
}

PostfixReel::~PostfixReel() {
    QByteArray erreurs;
    Executer({QStringLiteral("/usr/sbin/postfix"), QStringLiteral("-c"),
              dossier_.Fichier(QStringLiteral("etc")), QStringLiteral("stop")},
             erreurs);
    // The next server of the test may take the same ports.
    QTest::qWaitFor([&] { return !Ecoute(port_) && !Ecoute(portTLS_); }, 20000);
}
