#include "tests/support/ServeurSMTPReel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <stdexcept>

namespace {
const QString python = QStringLiteral("/usr/bin/python3");

quint16 LirePort(ProcessusEnfant& p) {
    return static_cast<quint16>(p.LireLigne(15000).trimmed().toUInt());
}
} // namespace

QString ServeurSMTPReel::Script(const char* nom) {
    QString donnees = qEnvironmentVariable("LETTROVA_DONNEES");
    // Beside this source file when the variable is not set (a test run by hand).
    if (donnees.isEmpty())
        donnees =
            QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../donnees");
    return donnees + QStringLiteral("/mail/") + QString::fromLatin1(nom);
}

ServeurSMTPReel::ServeurSMTPReel(Options options) {
    QStringList arguments = {Script(options.script), QStringLiteral("--dossier"),
                             dossier_.Chemin()};
    if (options.mode)
        arguments << QStringLiteral("--mode") << QString::fromLatin1(options.mode);
    if (!options.certificat.isEmpty()) {
        arguments << QStringLiteral("--certificat") << options.certificat << QStringLiteral("--cle")
                  << options.cle;
    } else if (options.starttls || options.implicite) {
        ProcessusEnfant openssl(
            QStringLiteral("openssl"),
            {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
             QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-keyout"),
             dossier_.Fichier(QStringLiteral("cle.pem")), QStringLiteral("-out"),
             dossier_.Fichier(QStringLiteral("cert.pem")), QStringLiteral("-days"),
             QStringLiteral("1"), QStringLiteral("-subj"), QStringLiteral("/CN=autre-nom.test")});
        if (openssl.Attendre(60000) != 0)
            throw std::runtime_error("openssl could not make the test certificate");
        arguments << QStringLiteral("--certificat") << dossier_.Fichier(QStringLiteral("cert.pem"))
                  << QStringLiteral("--cle") << dossier_.Fichier(QStringLiteral("cle.pem"));
    }
    if (options.implicite)
        arguments << QStringLiteral("--implicite");
    if (!options.mecanismes.isEmpty())
        arguments << QStringLiteral("--mecanismes") << options.mecanismes;
    arguments << QStringLiteral("--motdepasse") << options.motDePasse;
    if (options.port != 0)
        arguments << QStringLiteral("--port") << QString::number(options.port);
    for (const QString& adresse : options.refuser)
        arguments << QStringLiteral("--refuser") << adresse;
    if (options.verifierHelo)
        arguments << QStringLiteral("--verifier-helo");
    for (const QString& t : options.temporaires)
        arguments << QStringLiteral("--temporaire") << t;
    if (options.parConnexion > 0)
        arguments << QStringLiteral("--par-connexion") << QString::number(options.parConnexion);
    if (options.retenue > 0)
        arguments << QStringLiteral("--retenue") << QString::number(options.retenue);
    if (options.debit > 0)
        arguments << QStringLiteral("--debit") << QString::number(options.debit);
    if (options.quota > 0)
        arguments << QStringLiteral("--quota") << QString::number(options.quota);
    if (!options.refusDonnees.isEmpty())
        arguments << QStringLiteral("--refus-donnees") << options.refusDonnees;
    if (options.smtputf8)
        arguments << QStringLiteral("--smtputf8");
    if (options.capture)
        arguments << QStringLiteral("--capture") << dossier_.Fichier(QStringLiteral("capture"));
    processus_ = std::make_unique<ProcessusEnfant>(python, arguments);
    port_ = LirePort(*processus_);
    if (options.capture)
        portRelais_ = LirePort(*processus_);
}

ServeurSMTPReel::~ServeurSMTPReel() = default;

int ServeurSMTPReel::NombreMessages() const {
    return QDir(dossier_.Chemin()).entryList({QStringLiteral("*.eml")}, QDir::Files).size();
}

void ServeurSMTPReel::RemettreQuota() const {
    QFile f(dossier_.Fichier(QStringLiteral("quota-remis")));
    if (!f.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot reset the server's quota");
}

QJsonObject ServeurSMTPReel::Message(int n, bool utf8) const {
    QStringList arguments = {Script("lire_courriel.py"),
                             dossier_.Fichier(QStringLiteral("%1.eml").arg(n))};
    if (utf8)
        arguments << QStringLiteral("--utf8");
    ProcessusEnfant lecteur(python, arguments);
    if (lecteur.Attendre(30000) != 0)
        throw std::runtime_error("cannot parse the stored message: " +
                                 lecteur.Erreurs().toStdString());
    return QJsonDocument::fromJson(lecteur.Sortie()).object();
}

QJsonObject ServeurSMTPReel::Enveloppe(int n) const {
    return QJsonDocument::fromJson(dossier_.Lire(QStringLiteral("%1.json").arg(n))).object();
}

QByteArray ServeurSMTPReel::Brut(int n) const {
    return dossier_.Lire(QStringLiteral("%1.eml").arg(n));
}

QByteArray ServeurSMTPReel::Capture() const {
    QFile f(dossier_.Fichier(QStringLiteral("capture")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList ServeurSMTPReel::LignesFichier(const QString& nom) const {
    QFile f(dossier_.Fichier(nom));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList ServeurSMTPReel::JournalAuth() const {
    return LignesFichier(QStringLiteral("auth.log"));
}

QStringList ServeurSMTPReel::NomsTLS() const {
    return LignesFichier(QStringLiteral("sni.log"));
}
