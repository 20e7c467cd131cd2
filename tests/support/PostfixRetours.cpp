#include "tests/support/PostfixRetours.h"

#include "tests/support/SocketLocale.h"

#include <QDir>
#include <QThread>

namespace {
// The Maildirs belong to nobody, as Dovecot's mail processes do.
constexpr char personne[] = "65534";
} // namespace

PostfixRetours::PostfixRetours(const QStringList& abonnes, const QStringList& alias)
    : port_(PortLibre()) {
    const RepertoireTemporaire& d = postfix_.Dossier();
    QDir(d.Chemin()).mkpath(QStringLiteral("mail"));
    PostfixPrive::Executer(
        QStringLiteral("chown"),
        {QStringLiteral("%1:%1").arg(QLatin1String(personne)), d.Fichier(QStringLiteral("mail"))});
    QByteArray boites = "club@example.org club/\n";
    for (const QString& a : abonnes)
        boites += a.toUtf8() + " abonnes/\n";
    for (const QString& a : alias)
        boites += a.toUtf8() + " club/\n";
    d.Ecrire(QStringLiteral("etc/boites"), boites);
    // Every recipient of example.org accepted from the machine; Postfix itself bounces those
    // it has no mailbox for.
    postfix_.Demarrer("127.0.0.1:" + QByteArray::number(port_) + " inet n - n - - smtpd\n",
                      QStringLiteral(R"(smtpd_recipient_restrictions = permit_mynetworks, reject
smtpd_reject_unlisted_recipient = no
virtual_mailbox_domains = example.org
virtual_mailbox_base = %1/mail
virtual_mailbox_maps = texthash:%1/etc/boites
virtual_uid_maps = static:%2
virtual_gid_maps = static:%2
)")
                          .arg(d.Chemin(), QLatin1String(personne))
                          .toUtf8(),
                      {port_});
}

QString PostfixRetours::Maildir() const {
    return postfix_.Dossier().Fichier(QStringLiteral("mail/club"));
}

bool PostfixRetours::Attendre(int nombre, const char* boite) const {
    const QDir nouveaux(
        postfix_.Dossier().Fichier(QStringLiteral("mail/%1/new").arg(QLatin1String(boite))));
    for (int i = 0; i < 1200; ++i) {
        if (nouveaux.entryList(QDir::Files).size() >= nombre)
            return true;
        QThread::msleep(100);
    }
    return false;
}
