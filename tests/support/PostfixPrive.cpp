#include "tests/support/PostfixPrive.h"

#include "tests/support/ProcessusEnfant.h"
#include "tests/support/SocketLocale.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <stdexcept>
#include <sys/stat.h>

namespace {
bool TousEcoutent(const QList<quint16>& ports, bool oui) {
    for (const quint16 port : ports)
        if (Ecoute(port) != oui)
            return false;
    return true;
}
} // namespace

bool PostfixPrive::Possible() {
    return ::geteuid() == 0 && QFile::exists(QStringLiteral("/usr/sbin/postfix"));
}

void PostfixPrive::Executer(const QString& programme, const QStringList& arguments) {
    ProcessusEnfant p(programme, arguments);
    if (p.Attendre(60000) != 0)
        throw std::runtime_error((programme + u' ' + arguments.join(u' ')).toStdString() +
                                 " failed: " + (p.Sortie() + p.Erreurs()).toStdString());
}

PostfixPrive::PostfixPrive() {
    const QString d = dossier_.Chemin();
    // The postfix user reaches its data through the test's own folder.
    ::chmod(QFile::encodeName(d).constData(), 0755);
    for (const char* sous : {"etc", "spool", "data"})
        QDir(d).mkpath(QLatin1String(sous));
    Executer(QStringLiteral("chown"), {QStringLiteral("postfix:postfix"), d + "/data"});
}

void PostfixPrive::Demarrer(const QByteArray& services, const QByteArray& reglages,
                            const QList<quint16>& ports) {
    const QString d = dossier_.Chemin();
    QFile modele(QStringLiteral("/usr/share/postfix/master.cf.dist"));
    if (!modele.open(QIODevice::ReadOnly))
        throw std::runtime_error("no /usr/share/postfix/master.cf.dist");
    QByteArray master;
    for (const QByteArray& ligne : modele.readAll().split('\n'))
        if (!(ligne.startsWith("smtp ") && ligne.contains("inet")))
            master += ligne + '\n';
    dossier_.Ecrire(QStringLiteral("etc/master.cf"), master + services);
    dossier_.Ecrire(QStringLiteral("etc/main.cf"), QStringLiteral(R"(compatibility_level = 3.6
queue_directory = %1/spool
data_directory = %1/data
mail_owner = postfix
setgid_group = postdrop
myhostname = postfix-prive.localhost
smtpd_banner = $myhostname ESMTP
mydestination =
inet_interfaces = loopback-only
inet_protocols = ipv4
mynetworks = 127.0.0.0/8
maillog_file = %1/postfix.log
maillog_file_prefixes = /tmp, /var, %1
alias_maps =
alias_database =
)")
                                                           .arg(d)
                                                           .toUtf8() +
                                                       reglages);
    // No chroot: the temporary folder holds no copy of the system's files.
    Executer(
        QStringLiteral("/usr/sbin/postconf"),
        {QStringLiteral("-c"), d + "/etc", QStringLiteral("-F"), QStringLiteral("*/*/chroot = n")});
    Executer(QStringLiteral("/usr/sbin/postfix"),
             {QStringLiteral("-c"), d + "/etc", QStringLiteral("start")});
    demarre_ = true;
    ports_ = ports;
    // The master opens its ports once started, from a process of its own.
    if (!QTest::qWaitFor([&] { return TousEcoutent(ports_, true); }, 20000))
        throw std::runtime_error("postfix does not listen: " +
                                 dossier_.Lire("postfix.log").toStdString());
}

PostfixPrive::~PostfixPrive() {
    if (!demarre_)
        return;
    try {
        Executer(QStringLiteral("/usr/sbin/postfix"),
                 {QStringLiteral("-c"), dossier_.Fichier(QStringLiteral("etc")),
                  QStringLiteral("stop")});
    } catch (const std::exception&) {
        // Stopped already.
    }
    // The next server of the test may take the same ports.
    QTest::qWaitFor([&] { return TousEcoutent(ports_, false); }, 20000);
}
