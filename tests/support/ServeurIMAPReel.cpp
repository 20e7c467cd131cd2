#include "tests/support/ServeurIMAPReel.h"

#include "tests/support/CertificatsDeTest.h"
#include "tests/support/SocketLocale.h"

#include <QDir>
#include <QThread>
#include <stdexcept>
#include <sys/stat.h>

namespace {
// Dovecot refuses to run its mail processes as root.
constexpr int personne = 65534;

void Proprietaire(const QString& chemin) {
    if (::chown(QFile::encodeName(chemin).constData(), personne, personne) != 0)
        throw std::runtime_error("chown failed");
}
} // namespace

bool ServeurIMAPReel::Possible() {
    return ::geteuid() == 0 && QFile::exists(QStringLiteral("/usr/sbin/dovecot"));
}

ServeurIMAPReel::ServeurIMAPReel(Options options) {
    const QString d = dossier_.Chemin();
    // The mail processes run as nobody: they must reach the Maildir.
    ::chmod(QFile::encodeName(d).constData(), 0755);
    maildir_ =
        options.maildir.isEmpty() ? dossier_.Fichier(QStringLiteral("Maildir")) : options.maildir;
    for (const char* sous : {"", "/new", "/cur", "/tmp"}) {
        QDir().mkpath(maildir_ + QLatin1String(sous));
        Proprietaire(maildir_ + QLatin1String(sous));
    }
    QDir().mkpath(d + QStringLiteral("/home"));
    Proprietaire(d + QStringLiteral("/home"));
    dossier_.Ecrire(
        QStringLiteral("utilisateurs"),
        (Utilisateur() + QStringLiteral(":{PLAIN}") + options.motDePasse + u'\n').toUtf8());
    portStarttls_ = PortLibre();
    portTls_ = PortLibre();
    const QString conf =
        QStringLiteral(R"(base_dir = %1/run
state_dir = %1/etat
log_path = %1/dovecot.log
protocols = imap
listen = 127.0.0.1
ssl = yes
ssl_cert = <%2
ssl_key = <%3
ssl_dh = </usr/share/dovecot/dh.pem
disable_plaintext_auth = yes
auth_mechanisms = plain login
first_valid_uid = %6
passdb {
  driver = passwd-file
  args = scheme=PLAIN username_format=%u %1/utilisateurs
}
userdb {
  driver = static
  args = uid=%6 gid=%6 home=%1/home
}
mail_location = maildir:%7
service imap-login {
  inet_listener imap {
    address = 127.0.0.1
    port = %4
  }
  inet_listener imaps {
    address = 127.0.0.1
    port = %5
    ssl = yes
  }
}
service pop3-login {
  inet_listener pop3 {
    port = 0
  }
}
)")
            .arg(d, CertificatsDeTest::Certificat(options.certificat),
                 CertificatsDeTest::Cle(options.certificat), QString::number(portStarttls_),
                 QString::number(portTls_), QString::number(personne), maildir_);
    dossier_.Ecrire(QStringLiteral("dovecot.conf"), conf.toUtf8());
    processus_ = std::make_unique<ProcessusEnfant>(
        QStringLiteral("/usr/sbin/dovecot"),
        QStringList{QStringLiteral("-F"), QStringLiteral("-c"),
                    dossier_.Fichier(QStringLiteral("dovecot.conf"))});
    // Up when both ports take connections.
    for (int i = 0; i < 300 && !(Ecoute(portStarttls_) && Ecoute(portTls_)); ++i)
        QThread::msleep(20);
    if (!Ecoute(portStarttls_) || !Ecoute(portTls_))
        throw std::runtime_error("Dovecot did not start: " +
                                 dossier_.Lire(QStringLiteral("dovecot.log")).toStdString());
}

ServeurIMAPReel::~ServeurIMAPReel() = default;

void ServeurIMAPReel::Deposer(const QByteArray& message) {
    // Named as a delivery agent names a new message: unique, then renamed into new/.
    const QString nom = QStringLiteral("%1.M%2P%3.lettrova")
                            .arg(QDateTime::currentSecsSinceEpoch())
                            .arg(++deposes_)
                            .arg(::getpid());
    const QString temporaire = maildir_ + QStringLiteral("/tmp/") + nom;
    QFile f(temporaire);
    if (!f.open(QIODevice::WriteOnly) || f.write(message) != message.size())
        throw std::runtime_error("cannot write into the Maildir");
    f.close();
    Proprietaire(temporaire);
    QFile::rename(temporaire, maildir_ + QStringLiteral("/new/") + nom);
}

QStringList ServeurIMAPReel::Fichiers() const {
    QStringList noms;
    for (const char* sous : {"/new", "/cur"})
        noms += QDir(maildir_ + QLatin1String(sous)).entryList(QDir::Files);
    return noms;
}
