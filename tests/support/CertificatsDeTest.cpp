#include "tests/support/CertificatsDeTest.h"

#include "tests/support/ProcessusEnfant.h"
#include "tests/support/RepertoireTemporaire.h"
#include "tests/support/ServeurSMTPReel.h"

#include <stdexcept>

namespace {
const RepertoireTemporaire& Dossier() {
    static const RepertoireTemporaire dossier;
    static const bool fait = [] {
        ProcessusEnfant fabrique(QStringLiteral("/usr/bin/python3"),
                                 {ServeurSMTPReel::Script("certificats.py"), dossier.Chemin()});
        if (fabrique.Attendre(120000) != 0)
            throw std::runtime_error("openssl could not make the test certificates: " +
                                     fabrique.Erreurs().toStdString());
        return true;
    }();
    (void)fait;
    return dossier;
}
} // namespace

namespace CertificatsDeTest {

QString Certificat(const char* nom) {
    return Dossier().Fichier(QString::fromLatin1(nom) + QStringLiteral(".pem"));
}

QString Cle(const char* nom) {
    return Dossier().Fichier(QString::fromLatin1(nom) + QStringLiteral(".cle"));
}

QString Empreinte(const char* nom) {
    ProcessusEnfant openssl(QStringLiteral("openssl"),
                            {QStringLiteral("x509"), QStringLiteral("-noout"),
                             QStringLiteral("-fingerprint"), QStringLiteral("-sha256"),
                             QStringLiteral("-in"), Certificat(nom)});
    if (openssl.Attendre(30000) != 0)
        throw std::runtime_error("openssl could not read a test certificate");
    // "sha256 Fingerprint=AB:CD:..."
    return QString::fromLatin1(openssl.Sortie()).section(QLatin1Char('='), 1).trimmed();
}

ServeurSMTPReel::Options Serveur(const char* nom, bool implicite) {
    return {.starttls = !implicite,
            .certificat = Certificat(nom),
            .cle = Cle(nom),
            .implicite = implicite};
}

} // namespace CertificatsDeTest
