#include "tests/support/PostfixRetours.h"

#include "tests/support/ProcessusEnfant.h"
#include "tests/support/SocketLocale.h"

#include <QDir>
#include <QFile>
#include <QThread>
#include <stdexcept>
#include <sys/stat.h>

namespace {
// The Maildirs belong to nobody, as Dovecot's mail processes do.
constexpr char personne[] = "65534";

void Executer(const QString& programme, const QStringList& arguments) {
    ProcessusEnfant p(programme, arguments);
    if (p.Attendre(60000) != 0)
        throw std::runtime_error((programme + u' ' + arguments.join(u' ')).toStdString() +
                                 " failed: " + p.Erreurs().toStdString());
}
} // namespace

bool PostfixRetours::Possible() {
    return ::geteuid() == 0 && QFile::exists(QStringLiteral("/usr/sbin/postfix"));
}

PostfixRetours::PostfixRetours(const QStringList& abonnes, const QStringList& alias) {
    const QString d = dossier_.Chemin();
    ::chmod(QFile::encodeName(d).constData(), 0755);
    for (const char* sous : {"etc", "spool", "data", "mail"})
        QDir(d).mkpath(QLatin1String(sous));
    Executer(QStringLiteral("chown"), {QStringLiteral("postfix"), d + QStringLiteral("/data")});
    Executer(QStringLiteral("chown"),
             {QStringLiteral("%1:%1").arg(QLatin1String(personne)), d + QStringLiteral("/mail")});
    port_ = PortLibre();
    // Debian's services, without the public smtp listener, and ours on the free port.
    QFile modele(QStringLiteral("/etc/postfix/master.cf"));
    if (!modele.open(QIODevice::ReadOnly))
        throw std::runtime_error("no /etc/postfix/master.cf");
    QByteArray master;
    for (const QByteArray& ligne : modele.readAll().split('\n'))
        if (!(ligne.startsWith("smtp ") && ligne.contains("inet")))
            master += ligne + '\n';
    master += "127.0.0.1:" + QByteArray::number(port_) + " inet n - n - - smtpd\n";
    dossier_.Ecrire(QStringLiteral("etc/master.cf"), master);
    QByteArray boites = "club@example.org club/\n";
    for (const QString& a : abonnes)
        boites += a.toUtf8() + " abonnes/\n";
    for (const QString& a : alias)
        boites += a.toUtf8() + " club/\n";
    dossier_.Ecrire(QStringLiteral("etc/boites"), boites);
    dossier_.Ecrire(QStringLiteral("etc/main.cf"), QStringLiteral(R"(compatibility_level = 3.6
queue_directory = %1/spool
data_directory = %1/data
mail_owner = postfix
setgid_group = postdrop
myhostname = postfix-test.localhost
mydestination =
inet_interfaces = loopback-only
inet_protocols = ipv4
mynetworks = 127.0.0.0/8
maillog_file = %1/postfix.log
maillog_file_prefixes = /tmp, /var
smtpd_recipient_restrictions = permit_mynetworks, reject
smtpd_reject_unlisted_recipient = no
virtual_mailbox_domains = example.org
virtual_mailbox_base = %1/mail
virtual_mailbox_maps = texthash:%1/etc/boites
virtual_uid_maps = static:%2
virtual_gid_maps = static:%2
alias_maps =
alias_database =
)")
                                                       .arg(d, QLatin1String(personne))
                                                       .toUtf8());
    // No chroot: the temporary folder holds no copy of the system's files.
    Executer(QStringLiteral("/usr/sbin/postconf"),
             {QStringLiteral("-c"), d + QStringLiteral("/etc"), QStringLiteral("-F"),
              QStringLiteral("*/*/chroot = n")});
    Postfix("start");
    demarre_ = true;
}

PostfixRetours::~PostfixRetours() {
    if (demarre_) {
        try {
            Postfix("stop");
        } catch (const std::exception&) {
            // Stopped already.
        }
    }
}

void PostfixRetours::Postfix(const char* commande) const {
    Executer(
        QStringLiteral("/usr/sbin/postfix"),
        {QStringLiteral("-c"), dossier_.Fichier(QStringLiteral("etc")), QLatin1String(commande)});
}

QString PostfixRetours::Maildir() const {
    return dossier_.Fichier(QStringLiteral("mail/club"));
}

bool PostfixRetours::Attendre(int nombre, const char* boite) const {
    const QDir nouveaux(dossier_.Fichier(QStringLiteral("mail/%1/new").arg(QLatin1String(boite))));
    for (int i = 0; i < 1200; ++i) {
        if (nouveaux.entryList(QDir::Files).size() >= nombre)
            return true;
        QThread::msleep(100);
    }
    return false;
}
