// "Tester la connexion" against a real server (aiosmtpd): each failure named by its step, in the
// user's words with the server's, and a success that says what the server offers.
#include "mail/EssaiConnexion.h"
#include "mail/ClientSMTP.h"
#include "tests/support/CertificatsDeTest.h"
#include "tests/support/ImpressionQt.h"
#include "tests/support/PostfixReel.h"
#include "tests/support/ServeurSMTPReel.h"
#include "tests/support/SocketLocale.h"

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
std::unique_ptr<ClientSMTP> Client(quint16 port, bool tls, const QString& motDePasse = "secret") {
    auto client = std::make_unique<ClientSMTP>();
    client->Hote = QStringLiteral("127.0.0.1");
    client->Port = port;
    client->NomHelo = QStringLiteral("jean");
    client->Utilisateur = QStringLiteral("jean");
    client->MotDePasse = motDePasse;
    client->DefinirModeTLS(tls ? ModeTLS::TLSExplicite : ModeTLS::SansTLS);
    return client;
}

// A port where the system completes the connection and no one ever speaks.
struct PortMuet {
    quint16 port = 0;
    int fd = SocketLocale(port);
    PortMuet() { ::listen(fd, 4); }
    ~PortMuet() { ::close(fd); }
};

// In the order of ResultatEssai::Echec.
const char* NomEchec(ResultatEssai::Echec e) {
    static const char* const noms[] = {
        "aucun", "nom",        "connexion",        "délai",       "accueil",
        "TLS",   "certificat", "authentification", "texte clair", "sans authentification",
        "annulé"};
    return noms[int(e)];
}
} // namespace

TEST(EssaiConnexion, Echecs) {
    using E = ResultatEssai::Echec;
    ServeurSMTPReel starttls(CertificatsDeTest::Serveur("auto1"));
    ServeurSMTPReel autreCertificat(CertificatsDeTest::Serveur("auto2"));
    ServeurSMTPReel clair({});
    ServeurSMTPReel sansAuth({.mecanismes = QStringLiteral("-")});
    PortMuet muet;
    const quint16 libre = PortLibre();
    struct Cas {
        const char* nom;
        std::unique_ptr<ClientSMTP> client;
        E echec;
        QString texte;
    };
    Cas cas[] = {
        {"mauvais mot de passe", Client(starttls.Port(), true, "Secret"), E::Authentification,
         "Le serveur a refusé le nom d'utilisateur ou le mot de passe : Authentication "
         "credentials invalid"},
        {"mauvais port", Client(libre, true), E::Connexion,
         QStringLiteral("Connexion refusée : aucun serveur n'écoute sur le port %1 de 127.0.0.1. "
                        "Vérifiez le port.")
             .arg(libre)},
        {"certificat changé", Client(autreCertificat.Port(), true), E::Certificat, {}},
        {"authentification en clair refusée", Client(starttls.Port(), false), E::TexteClair,
         "Le serveur refuse l'authentification en clair : cochez « Connection Sécurisé TLS "
         "(Type Gmail) »."},
        {"TLS demandé, pas offert", Client(clair.Port(), true), E::TLS,
         QStringLiteral("La connexion sécurisée (TLS) a échoué (127.0.0.1, port %1) : SSL n'est "
                        "pas disponible sur ce serveur.")
             .arg(clair.Port())},
        {"aucune authentification offerte", Client(sansAuth.Port(), false), E::SansAuthentification,
         "Le serveur ne propose aucune authentification (AUTH) : vérifiez le serveur et le port "
         "que donne votre fournisseur."},
        {"pas de réponse à temps", Client(muet.port, false), E::Delai,
         QStringLiteral("Le serveur ne répond pas (127.0.0.1, port %1) : ").arg(muet.port)},
        {"nom inconnu", Client(587, true), E::Nom,
         "Serveur introuvable : le nom « absent.invalid » n'existe pas dans l'annuaire DNS."},
    };
    cas[2].client->EmpreinteConnue = CertificatsDeTest::Empreinte("auto1");
    cas[6].client->Delais.Accueil = std::chrono::milliseconds(300);
    cas[7].client->Hote = QStringLiteral("absent.invalid");
    for (Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const ResultatEssai r = EssaiConnexion::Essayer(*c.client);
        EXPECT_STREQ(NomEchec(r.Etape), NomEchec(c.echec));
        EXPECT_FALSE(r.Reussi());
        if (c.echec == E::Certificat) {
            EXPECT_TRUE(r.Texte.startsWith(QStringLiteral("Certificat refusé : ")));
            EXPECT_TRUE(r.Texte.contains(CertificatsDeTest::Empreinte("auto2")))
                << r.Texte.toStdString();
        } else if (c.echec == E::Delai) {
            EXPECT_TRUE(r.Texte.startsWith(c.texte)) << r.Texte.toStdString();
            EXPECT_TRUE(r.Texte.contains(QStringLiteral("300 ms"))) << r.Texte.toStdString();
        } else {
            EXPECT_EQ(r.Texte, c.texte);
        }
        EXPECT_EQ(c.client->Etat(), EtatSessionSMTP::Fermee);
    }
    // No password left for the server whose certificate changed, nor in clear text.
    EXPECT_EQ(autreCertificat.JournalAuth(), QStringList());
    EXPECT_EQ(starttls.JournalAuth(), QStringList{"LOGIN refus"});
}

// A success says what the campaign will meet, and hands over a certificate trusted on first use;
// no message leaves.
TEST(EssaiConnexion, Reussite) {
    struct Cas {
        const char* nom;
        bool implicite;
        const char* securite;
    };
    for (const Cas& c : {Cas{"STARTTLS", false, "(STARTTLS)"},
                         Cas{"TLS dès le premier octet", true, "(dès la connexion)"}}) {
        SCOPED_TRACE(c.nom);
        ServeurSMTPReel serveur(CertificatsDeTest::Serveur("auto1", c.implicite));
        auto client = Client(serveur.Port(), true);
        if (c.implicite)
            client->PortTLSImplicite = serveur.Port();
        const ResultatEssai r = EssaiConnexion::Essayer(*client);
        ASSERT_TRUE(r.Reussi()) << r.Texte.toStdString();
        const QStringList lignes = r.Texte.split(u'\n');
        ASSERT_EQ(lignes.size(), 6) << r.Texte.toStdString();
        EXPECT_EQ(
            lignes[0],
            QStringLiteral("La connexion fonctionne : 127.0.0.1, port %1.").arg(serveur.Port()));
        EXPECT_TRUE(lignes[1].startsWith(QStringLiteral("Serveur : "))) << lignes[1].toStdString();
        EXPECT_GT(lignes[1].size(), 10);
        EXPECT_TRUE(lignes[2].startsWith(QStringLiteral("Sécurité : TLSv1.")));
        EXPECT_TRUE(lignes[2].endsWith(QString::fromUtf8(c.securite)));
        EXPECT_EQ(lignes[3], QStringLiteral("Authentification : LOGIN"));
        EXPECT_TRUE(lignes[4].startsWith(QStringLiteral("Taille maximale d'un message : ")));
        EXPECT_TRUE(lignes[5].startsWith(QStringLiteral("Pipelining : ")));
        EXPECT_EQ(r.EmpreinteAEpingler, CertificatsDeTest::Empreinte("auto1"));
        EXPECT_EQ(serveur.JournalAuth(), QStringList{"LOGIN ok"});
        EXPECT_EQ(serveur.NombreMessages(), 0);
        EXPECT_EQ(client->Etat(), EtatSessionSMTP::Fermee);
    }
}

// On a thread of its own: the result comes back to the caller's thread; a stop, or the
// campaign's connection limit, ends a test that waits for a silent server at once.
TEST(EssaiConnexion, EnFondEtArret) {
    using E = ResultatEssai::Echec;
    ServeurSMTPReel serveur({});
    PortMuet muet;
    struct Cas {
        const char* nom;
        quint16 port;
        bool arreter;
        std::chrono::milliseconds limite;
        E echec;
        QString texte;
    };
    const std::chrono::seconds longue(60);
    const Cas cas[] = {
        {"jusqu'au bout", serveur.Port(), false, longue, E::Aucun, {}},
        {"arrêté", muet.port, true, longue, E::Annule, "Test de la connexion arrêté."},
        {"limite de la connexion", muet.port, false, std::chrono::milliseconds(300), E::Delai,
         QStringLiteral("Le serveur ne répond pas (127.0.0.1, port %1) : la connexion, TLS et "
                        "l'authentification n'ont pas abouti en 300 ms.")
             .arg(muet.port)},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        EssaiConnexion essai(Client(c.port, false));
        essai.DelaiConnexion = c.limite;
        std::optional<ResultatEssai> resultat;
        int fois = 0;
        QEventLoop boucle;
        QObject::connect(&essai, &EssaiConnexion::Termine, &boucle, [&](const ResultatEssai& r) {
            resultat = r;
            ++fois;
            boucle.quit();
        });
        essai.Demarrer();
        EXPECT_TRUE(essai.EnCours());
        if (c.arreter)
            QTimer::singleShot(100, &essai, [&] { essai.Annuler(); });
        QTimer::singleShot(20000, &boucle, &QEventLoop::quit);
        boucle.exec();
        ASSERT_TRUE(resultat);
        EXPECT_EQ(fois, 1);
        EXPECT_STREQ(NomEchec(resultat->Etape), NomEchec(c.echec)) << resultat->Texte.toStdString();
        EXPECT_FALSE(essai.EnCours());
        if (!c.texte.isEmpty())
            EXPECT_EQ(resultat->Texte, c.texte);
    }
}

// The same outcomes from a real Postfix, which offers AUTH only once TLS is up and speaks TLS
// from the first byte on its second port.
TEST(EssaiConnexion, Postfix) {
    if (!PostfixReel::Possible())
        GTEST_SKIP() << "a private Postfix needs root, postfix and sasl2-bin";
    using E = ResultatEssai::Echec;
    auto postfix = std::make_unique<PostfixReel>("auto1");
    const quint16 port = postfix->Port(), portTLS = postfix->PortTLS();
    const auto client = [&](quint16 p, bool tls, const char* motDePasse) {
        auto c = Client(p, tls, QString::fromLatin1(motDePasse));
        c->Utilisateur = QString::fromLatin1(PostfixReel::Utilisateur);
        c->PortTLSImplicite = portTLS;
        return c;
    };
    struct Cas {
        const char* nom;
        quint16 port;
        bool tls;
        const char* motDePasse;
        E echec;
        const char* texte;
    };
    const Cas cas[] = {
        {"STARTTLS", port, true, PostfixReel::MotDePasse, E::Aucun, "(STARTTLS)"},
        {"TLS dès le premier octet", portTLS, true, PostfixReel::MotDePasse, E::Aucun,
         "(dès la connexion)"},
        {"mauvais mot de passe", port, true, "secret", E::Authentification,
         "Le serveur a refusé le nom d'utilisateur ou le mot de passe : Error: authentication "
         "failed: authentication failure"},
        {"en clair", port, false, PostfixReel::MotDePasse, E::TexteClair,
         "Le serveur refuse l'authentification en clair : cochez « Connection Sécurisé TLS "
         "(Type Gmail) »."},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        auto essai = client(c.port, c.tls, c.motDePasse);
        const ResultatEssai r = EssaiConnexion::Essayer(*essai);
        EXPECT_STREQ(NomEchec(r.Etape), NomEchec(c.echec)) << r.Texte.toStdString();
        if (r.Reussi()) {
            EXPECT_TRUE(r.Texte.contains(QStringLiteral("\nServeur : postfix-prive.localhost\n")));
            EXPECT_TRUE(r.Texte.contains(QString::fromUtf8(c.texte) + u'\n'))
                << r.Texte.toStdString();
            EXPECT_TRUE(r.Texte.contains(QStringLiteral("\nAuthentification : LOGIN\n")));
            EXPECT_TRUE(r.Texte.endsWith(QStringLiteral("\nPipelining : oui")));
            EXPECT_EQ(r.EmpreinteAEpingler, CertificatsDeTest::Empreinte("auto1"));
        } else {
            EXPECT_EQ(r.Texte, QString::fromUtf8(c.texte));
        }
    }
    // The same ports, another certificate than the one pinned.
    postfix.reset();
    postfix = std::make_unique<PostfixReel>("auto2", port, portTLS);
    for (const quint16 p : {port, portTLS}) {
        auto essai = client(p, true, PostfixReel::MotDePasse);
        essai->EmpreinteConnue = CertificatsDeTest::Empreinte("auto1");
        const ResultatEssai r = EssaiConnexion::Essayer(*essai);
        EXPECT_STREQ(NomEchec(r.Etape), "certificat") << r.Texte.toStdString();
        EXPECT_TRUE(r.Texte.contains(CertificatsDeTest::Empreinte("auto2")));
    }
}
