#include "tests/support/PostfixReel.h"

#include "tests/support/CertificatsDeTest.h"
#include "tests/support/SocketLocale.h"

#include <QDir>
#include <QFile>

bool PostfixReel::Possible() {
    return PostfixPrive::Possible() && QFile::exists(QStringLiteral("/usr/sbin/saslpasswd2"));
}

PostfixReel::PostfixReel(const char* certificat, quint16 port, quint16 portTLS)
    : port_(port ? port : PortLibre()), portTLS_(portTLS ? portTLS : PortLibre()) {
    const RepertoireTemporaire& d = postfix_.Dossier();
    const QString conf = d.Fichier(QStringLiteral("etc"));
    QDir(conf).mkpath(QStringLiteral("sasl"));
    QFile::copy(CertificatsDeTest::Certificat(certificat), conf + QStringLiteral("/cert.pem"));
    QFile::copy(CertificatsDeTest::Cle(certificat), conf + QStringLiteral("/key.pem"));
    QFile::setPermissions(conf + QStringLiteral("/key.pem"), QFile::ReadOwner | QFile::WriteOwner);
    d.Ecrire(QStringLiteral("etc/sasl/smtpd.conf"),
             QStringLiteral("pwcheck_method: auxprop\nauxprop_plugin: sasldb\n"
                            "sasldb_path: %1/sasldb2\nmech_list: PLAIN LOGIN\n")
                 .arg(conf)
                 .toUtf8());
    PostfixPrive::Executer(
        QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"), QStringLiteral("echo '%1' | saslpasswd2 -p -c -f '%2/sasldb2' -u "
                                              "example.org club")
                                   .arg(QLatin1String(MotDePasse), conf)});
    PostfixPrive::Executer(QStringLiteral("chown"),
                           {QStringLiteral("postfix:postfix"), conf + QStringLiteral("/sasldb2")});
    QFile::setPermissions(conf + QStringLiteral("/sasldb2"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    const QByteArray services =
        "127.0.0.1:" + QByteArray::number(port_) +
        " inet n - n - - smtpd\n127.0.0.1:" + QByteArray::number(portTLS_) +
        " inet n - n - - smtpd -o smtpd_tls_wrappermode=yes -o smtpd_tls_auth_only=no\n";
    postfix_.Demarrer(services,
                      QStringLiteral(R"(smtpd_tls_cert_file = %1/cert.pem
smtpd_tls_key_file = %1/key.pem
smtpd_tls_security_level = may
smtpd_tls_auth_only = yes
smtpd_sasl_auth_enable = yes
smtpd_sasl_type = cyrus
smtpd_sasl_path = smtpd
cyrus_sasl_config_path = %1/sasl
smtpd_sasl_local_domain = example.org
smtpd_recipient_restrictions = permit_sasl_authenticated, reject
)")
                          .arg(conf)
                          .toUtf8(),
                      {port_, portTLS_});
}
