// Finding the submission server of a sender's address, against a real DNS server (dnsmasq)
// answering SRV, MX and address records for test domains, and a real SMTP server (aiosmtpd)
// for the probe of smtp. + domain.
#include "mail/DecouverteServeur.h"
#include "tests/support/CertificatsDeTest.h"
#include "tests/support/ImpressionQt.h"
#include "tests/support/ServeurDNSDeTest.h"
#include "tests/support/ServeurSMTPReel.h"
#include "tests/support/SocketLocale.h"

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
struct Issue {
    std::optional<ServeurTrouve> trouve;
    QString introuvable;
    int signaux = 0;
};

// Runs the search to its end; a search that never ends fails the test after 20 s.
Issue Chercher(DecouverteServeur& d, const QString& adresse) {
    Issue issue;
    QEventLoop boucle;
    QObject::connect(&d, &DecouverteServeur::Trouve, &boucle, [&](const ServeurTrouve& s) {
        issue.trouve = s;
        ++issue.signaux;
        boucle.quit();
    });
    QObject::connect(&d, &DecouverteServeur::Introuvable, &boucle, [&](const QString& t) {
        issue.introuvable = t;
        ++issue.signaux;
        boucle.quit();
    });
    QTimer::singleShot(20000, &boucle, &QEventLoop::quit);
    d.Chercher(adresse);
    boucle.exec();
    // Nothing else comes afterwards.
    QEventLoop suite;
    QTimer::singleShot(50, &suite, &QEventLoop::quit);
    suite.exec();
    return issue;
}

const char* NomOrigine(ServeurTrouve::Origine o) {
    switch (o) {
    case ServeurTrouve::Origine::Annuaire:
        return "table";
    case ServeurTrouve::Origine::EnregistrementSRV:
        return "SRV";
    case ServeurTrouve::Origine::HebergeurMX:
        return "MX";
    case ServeurTrouve::Origine::Sonde:
        return "sonde";
    }
    return "?";
}
} // namespace

TEST(DecouverteServeur, Domaine) {
    const std::pair<const char*, const char*> cas[] = {
        {"jean@exemple.fr", "exemple.fr"},
        {" Jean@Exemple.FR ", "exemple.fr"},
        {"Jean Dupont <jean@exemple.fr>", "exemple.fr"},
        {"\"a@b\"@exemple.fr", "exemple.fr"},
        {"jean@caf\u00e9.fr", "xn--caf-dma.fr"},
        {"jean", ""},
        {"jean@", ""},
        {"jean@[192.0.2.1]", ""},
    };
    for (const auto& [adresse, domaine] : cas)
        EXPECT_EQ(DecouverteServeur::Domaine(QString::fromUtf8(adresse)),
                  QString::fromUtf8(domaine))
            << adresse;
}

// Each step of the chain, and that the first one that answers wins.
TEST(DecouverteServeur, OrdreDesReponses) {
    if (!ServeurDNSDeTest::Possible())
        GTEST_SKIP() << "dnsmasq must listen on port 53: run as root";
    ServeurDNSDeTest dns({
        // Both SRV records: the one of TLS from the first byte wins.
        "--srv-host=_submissions._tcp.deux.test,envoi.deux.test,465,0,1",
        "--srv-host=_submission._tcp.deux.test,autre.deux.test,587,0,1",
        // TLS from the first byte on another port than 465: not for this client.
        "--srv-host=_submissions._tcp.decale.test,envoi.decale.test,1465,0,1",
        "--srv-host=_submission._tcp.decale.test,envoi.decale.test,2587,0,1",
        // Lower priority first.
        "--srv-host=_submission._tcp.priorite.test,second.priorite.test,587,20,1",
        "--srv-host=_submission._tcp.priorite.test,premier.priorite.test,588,10,1",
        // "No such service here" (target "."), then a hosting provider's reception host.
        "--srv-host=_submission._tcp.heberge.test",
        "--mx-host=heberge.test,mx2.mail.ovh.net,10",
        // A reception host that merely looks like a provider's is not one.
        "--mx-host=faux.test,xmail.ovh.net,10",
        // An address domain of the table wins over its own records.
        "--srv-host=_submission._tcp.free.fr,ailleurs.test,587,0,1",
    });
    struct Cas {
        const char* adresse;
        const char* hote;
        quint16 port;
        SecuriteServeur securite;
        ServeurTrouve::Origine origine;
        const char* texte;
    };
    using O = ServeurTrouve::Origine;
    const Cas cas[] = {
        {"jean@Orange.fr", "smtp.orange.fr", 465, SecuriteServeur::TLSImplicite, O::Annuaire,
         "Trouvé dans la table des fournisseurs connus de Lettrova (Orange)."},
        {"jean@free.fr", "smtp.free.fr", 465, SecuriteServeur::TLSImplicite, O::Annuaire,
         "Trouvé dans la table des fournisseurs connus de Lettrova (Free)."},
        {"jean@deux.test", "envoi.deux.test", 465, SecuriteServeur::TLSImplicite,
         O::EnregistrementSRV, "Trouvé dans l'annuaire DNS du domaine."},
        {"jean@decale.test", "envoi.decale.test", 2587, SecuriteServeur::STARTTLS,
         O::EnregistrementSRV, "Trouvé dans l'annuaire DNS du domaine."},
        {"jean@priorite.test", "premier.priorite.test", 588, SecuriteServeur::STARTTLS,
         O::EnregistrementSRV, "Trouvé dans l'annuaire DNS du domaine."},
        {"jean@heberge.test", "ssl0.ovh.net", 465, SecuriteServeur::TLSImplicite, O::HebergeurMX,
         "Trouvé d'après le serveur de réception du domaine, hébergé chez OVHcloud."},
    };
    DecouverteServeur d;
    d.ServeurDNS = dns.Adresse();
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.adresse);
        const Issue issue = Chercher(d, QString::fromUtf8(c.adresse));
        EXPECT_EQ(issue.signaux, 1);
        ASSERT_TRUE(issue.trouve) << issue.introuvable.toStdString();
        EXPECT_EQ(issue.trouve->Hote, QString::fromUtf8(c.hote));
        EXPECT_EQ(issue.trouve->Port, c.port);
        EXPECT_EQ(issue.trouve->Securite, c.securite);
        EXPECT_STREQ(NomOrigine(issue.trouve->Source), NomOrigine(c.origine));
        EXPECT_EQ(issue.trouve->TexteOrigine(), QString::fromUtf8(c.texte));
        EXPECT_FALSE(d.EnCours());
    }
    for (const char* adresse : {"jean@faux.test", "jean@inconnu.test"}) {
        const Issue issue = Chercher(d, QString::fromUtf8(adresse));
        EXPECT_EQ(issue.signaux, 1);
        EXPECT_FALSE(issue.trouve) << adresse;
        EXPECT_EQ(issue.introuvable,
                  QStringLiteral("Aucun serveur d'envoi trouvé pour %1 : saisissez celui que "
                                 "votre fournisseur indique.")
                      .arg(QString::fromUtf8(adresse).mid(5)));
    }
    const Issue sansDomaine = Chercher(d, QStringLiteral("jean"));
    EXPECT_EQ(sansDomaine.introuvable,
              QStringLiteral("L'adresse de l'expéditeur n'a pas de domaine valide après « @ »."));
}

// Last, smtp. + domain: each port in turn, a port where nothing listens passed over; on a
// STARTTLS port, EHLO's reply tells whether STARTTLS is offered.
TEST(DecouverteServeur, Sonde) {
    if (!ServeurDNSDeTest::Possible())
        GTEST_SKIP() << "dnsmasq must listen on port 53: run as root";
    ServeurDNSDeTest dns({"--host-record=smtp.sonde.test,127.0.0.1"});
    ServeurSMTPReel implicite(CertificatsDeTest::Serveur("auto1", true));
    ServeurSMTPReel starttls(CertificatsDeTest::Serveur("auto1"));
    ServeurSMTPReel clair({});
    struct Cas {
        const char* nom;
        QList<DecouverteServeur::PortSonde> ports;
        quint16 port;
        SecuriteServeur securite;
    };
    const quint16 libre = PortLibre();
    const Cas cas[] = {
        {"TLS dès le premier octet",
         {{implicite.Port(), true}, {starttls.Port(), false}},
         implicite.Port(),
         SecuriteServeur::TLSImplicite},
        {"rien sur le premier, STARTTLS sur le second",
         {{libre, true}, {starttls.Port(), false}},
         starttls.Port(),
         SecuriteServeur::STARTTLS},
        {"sans STARTTLS",
         {{libre, true}, {clair.Port(), false}},
         clair.Port(),
         SecuriteServeur::Aucune},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        DecouverteServeur d;
        d.ServeurDNS = dns.Adresse();
        d.PortsSonde = c.ports;
        const Issue issue = Chercher(d, QStringLiteral("jean@sonde.test"));
        EXPECT_EQ(issue.signaux, 1);
        ASSERT_TRUE(issue.trouve) << issue.introuvable.toStdString();
        EXPECT_EQ(issue.trouve->Hote, QStringLiteral("smtp.sonde.test"));
        EXPECT_EQ(issue.trouve->Port, c.port);
        EXPECT_EQ(issue.trouve->Securite, c.securite);
        EXPECT_EQ(issue.trouve->TexteOrigine(),
                  QStringLiteral("Trouvé en essayant smtp.sonde.test sur le port %1.").arg(c.port));
    }
    DecouverteServeur d;
    d.ServeurDNS = dns.Adresse();
    d.PortsSonde = {{libre, true}, {libre, false}};
    EXPECT_FALSE(Chercher(d, QStringLiteral("jean@sonde.test")).trouve);
}

// A new search, or a cancel, silences the one under way.
TEST(DecouverteServeur, Annuler) {
    if (!ServeurDNSDeTest::Possible())
        GTEST_SKIP() << "dnsmasq must listen on port 53: run as root";
    ServeurDNSDeTest dns({"--srv-host=_submission._tcp.un.test,envoi.un.test,587,0,1",
                          "--srv-host=_submission._tcp.deux.test,envoi.deux.test,588,0,1"});
    DecouverteServeur d;
    d.ServeurDNS = dns.Adresse();
    int signaux = 0;
    QObject::connect(&d, &DecouverteServeur::Trouve, [&] { ++signaux; });
    QObject::connect(&d, &DecouverteServeur::Introuvable, [&] { ++signaux; });
    d.Chercher(QStringLiteral("jean@un.test"));
    d.Annuler();
    d.Chercher(QStringLiteral("jean@orange.fr"));
    const Issue issue = Chercher(d, QStringLiteral("jean@deux.test"));
    ASSERT_TRUE(issue.trouve);
    EXPECT_EQ(issue.trouve->Hote, QStringLiteral("envoi.deux.test"));
    EXPECT_EQ(signaux, 1);
}
