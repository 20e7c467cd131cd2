// Against a real server (aiosmtpd): what a mail reader gets out of our messages.
#include "mail/ClientSMTP.h"
#include "mail/LectureAdresses.h"
#include "mail/ReponseSMTP.h"
#include "tests/support/ImpressionQt.h"
#include "tests/support/ServeurSMTPReel.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace {
const QStringList page = {
    QStringLiteral("<!DOCTYPE html>"),
    QStringLiteral("<html>"),
    QStringLiteral("<head>"),
    QStringLiteral("<meta charset=\"utf-8\" /> "),
    QStringLiteral("<head><title>Club</title></head>"),
    QStringLiteral(
        "<body><p>R\u00e9union \u00e0 20 h, l\u2019entr\u00e9e co\u00fbte 5 \u20ac.</p>"),
    QStringLiteral(".une ligne qui commence par un point"),
    QString(120, QLatin1Char('x')) + QStringLiteral(" fin "),
    QStringLiteral("</body></html>")};
} // namespace

TEST(ServeurReel, PlusieursMessagesSurUneConnexion) {
    ServeurSMTPReel serveur({});
    ClientSMTP client;
    client.Hote = QStringLiteral("127.0.0.1");
    client.Port = serveur.Port();
    client.NomHelo = QStringLiteral("jean");
    client.Utilisateur = QStringLiteral("jean");
    client.MotDePasse = QStringLiteral("secret");
    client.DefinirModeTLS(ModeTLS::SansTLS);
    client.Connecter();

    MessageCourriel m;
    m.De = {LireAdresse(QStringLiteral("Club d'\u00e9t\u00e9 <club@exemple.org>"))};
    m.Objet = QStringLiteral("Lettre d'\u00e9t\u00e9 \u2014 programme complet de la saison et "
                             "inscriptions ouvertes \u00e0 tous");
    m.Parties << PartieTexte(QStringLiteral("text/plain"), {QStringLiteral("Newsletter")})
              << PartieTexte(QStringLiteral("text/html"), page);
    const QStringList destinataires = {QStringLiteral("un@exemple.net"),
                                       QStringLiteral("deux@exemple.net"),
                                       QStringLiteral("trois@exemple.net")};
    for (const QString& d : destinataires) {
        LireListeAdresses(d, m.Destinataires);
        client.Envoyer(m);
    }
    EXPECT_EQ(client.Etat(), EtatSessionSMTP::Authentifiee);
    client.Deconnecter(true);

    ASSERT_EQ(serveur.NombreMessages(), 3);
    QStringList identifiants;
    for (int n = 1; n <= 3; ++n) {
        const QJsonObject e = serveur.Enveloppe(n);
        EXPECT_EQ(e[QStringLiteral("mail_from")].toString(), QStringLiteral("club@exemple.org"));
        EXPECT_EQ(e[QStringLiteral("rcpt_tos")].toArray().first().toString(), destinataires[n - 1]);
        EXPECT_TRUE(e[QStringLiteral("authentifie")].toBool());

        const QJsonObject lu = serveur.Message(n);
        EXPECT_TRUE(lu[QStringLiteral("defauts")].toArray().isEmpty());
        EXPECT_EQ(lu[QStringLiteral("subject")].toString(), m.Objet);
        EXPECT_EQ(lu[QStringLiteral("from")].toString(),
                  QStringLiteral("Club d'\u00e9t\u00e9 <club@exemple.org>"));
        EXPECT_EQ(lu[QStringLiteral("to")].toString(), destinataires[n - 1]);
        EXPECT_EQ(lu[QStringLiteral("type")].toString(), QStringLiteral("multipart/alternative"));
        identifiants << lu[QStringLiteral("message_id")].toString();
        const QJsonArray parties = lu[QStringLiteral("parties")].toArray();
        ASSERT_EQ(parties.size(), 2);
        EXPECT_EQ(parties[0].toObject()[QStringLiteral("type")].toString(),
                  QStringLiteral("text/plain"));
        EXPECT_EQ(parties[0].toObject()[QStringLiteral("texte")].toString().trimmed(),
                  QStringLiteral("Newsletter"));
        const QJsonObject html = parties[1].toObject();
        EXPECT_EQ(html[QStringLiteral("type")].toString(), QStringLiteral("text/html"));
        EXPECT_EQ(html[QStringLiteral("charset")].toString(), QStringLiteral("utf-8"));
        EXPECT_EQ(html[QStringLiteral("texte")].toString().replace(QStringLiteral("\r\n"),
                                                                   QStringLiteral("\n")),
                  page.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    }
    EXPECT_EQ(identifiants.removeDuplicates(), 0);
    EXPECT_TRUE(identifiants[0].endsWith(QLatin1String("@exemple.org>")));
}

TEST(ServeurReel, NomDeSalutationQuUnServeurVerifie) {
    ServeurSMTPReel serveur({.verifierHelo = true});
    {
        // What the server does with a user name sent as it is.
        CanalConnexion canal;
        canal.Hote = QStringLiteral("127.0.0.1");
        canal.Port = serveur.Port();
        canal.Ouvrir();
        ReponseSMTP::Lire(canal);
        for (const char* ligne : {"EHLO club@exemple.org", "MAIL FROM:<club@exemple.org>"}) {
            canal.EcrireLigne(QString::fromLatin1(ligne));
            EXPECT_EQ(ReponseSMTP::Lire(canal).CodeNumerique(), 250) << ligne;
        }
        canal.EcrireLigne(QStringLiteral("RCPT TO:<un@exemple.net>"));
        EXPECT_EQ(ReponseSMTP::Lire(canal).CodeNumerique(), 504);
        canal.Fermer();
    }
    const QString utilisateurs[] = {QStringLiteral("club@exemple.org"),
                                    QStringLiteral("mail.exemple.org"), QString()};
    for (const QString& utilisateur : utilisateurs) {
        SCOPED_TRACE(utilisateur.toStdString());
        ClientSMTP client;
        client.Hote = QStringLiteral("127.0.0.1");
        client.Port = serveur.Port();
        client.NomHelo = utilisateur;
        client.Connecter();
        MessageCourriel m;
        m.De = {LireAdresse(QStringLiteral("club@exemple.org"))};
        m.Parties << PartieTexte(QStringLiteral("text/html"), page);
        LireListeAdresses(QStringLiteral("un@exemple.net"), m.Destinataires);
        EXPECT_NO_THROW(client.Envoyer(m));
        client.Deconnecter(true);
    }
    EXPECT_EQ(serveur.NombreMessages(), 3);
}
