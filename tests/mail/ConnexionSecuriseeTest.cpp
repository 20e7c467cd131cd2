// TLS and authentication against a real server (aiosmtpd): TLS from the first byte on the
// implicit-TLS port, the AUTH mechanisms, the server's certificate verified or pinned.
#include "mail/ClientSMTP.h"
#include "mail/ErreurSession.h"
#include "mail/ErreursTransport.h"
#include "mail/LectureAdresses.h"
#include "tests/support/CertificatsDeTest.h"
#include "tests/support/CourrielDeTest.h"
#include "tests/support/ImpressionQt.h"
#include "tests/support/ServeurSMTPReel.h"

#include <QJsonObject>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {
void Configurer(ClientSMTP& client, quint16 port, ModeTLS mode) {
    client.Hote = QStringLiteral("127.0.0.1");
    client.Port = port;
    client.NomHelo = QStringLiteral("jean");
    client.Utilisateur = QStringLiteral("jean");
    client.MotDePasse = QStringLiteral("secret");
    client.DefinirModeTLS(mode);
}
// The TLS option on `port`, which is the implicit-TLS port when `implicite`.
void ConfigurerTLS(ClientSMTP& client, quint16 port, bool implicite) {
    if (implicite)
        client.PortTLSImplicite = port;
    Configurer(client, port, ModeTLS::TLSExplicite);
}

// Points OpenSSL at the test authority as its trust store while it lives.
class MagasinDeConfiance {
public:
    MagasinDeConfiance() {
        ::setenv("SSL_CERT_FILE", CertificatsDeTest::Certificat("autorite").toUtf8().constData(),
                 1);
    }
    ~MagasinDeConfiance() { ::unsetenv("SSL_CERT_FILE"); }
    MagasinDeConfiance(const MagasinDeConfiance&) = delete;
    MagasinDeConfiance& operator=(const MagasinDeConfiance&) = delete;
};
} // namespace

// The TLS option on the implicit-TLS port speaks TLS from the first byte, from the first
// connection of the run on; the option off speaks clear text on that same port. The port is
// never replaced.
TEST(ConnexionSecurisee, PortTLSImplicite) {
    struct Cas {
        const char* nom;
        bool serveurImplicite;
        ModeTLS mode;
    };
    const Cas cas[] = {
        {"option TLS, TLS dès le premier octet", true, ModeTLS::TLSExplicite},
        {"sans l'option, en clair sur le même port", false, ModeTLS::SansTLS},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        ServeurSMTPReel serveur({.implicite = c.serveurImplicite});
        ClientSMTP client;
        client.PortTLSImplicite = serveur.Port();
        // Two campaigns of one run, each setting the port and then the mode.
        for (int campagne = 0; campagne < 2; ++campagne) {
            Configurer(client, serveur.Port(), c.mode);
            EXPECT_EQ(client.Port, serveur.Port());
            ASSERT_EQ(ResultatAppel([&] { client.Connecter(); }), QString());
            MessageCourriel m = MessageDeTest();
            EXPECT_EQ(ResultatAppel([&] { client.Envoyer(m); }), QString());
            EXPECT_EQ(client.Etat(), EtatSessionSMTP::Authentifiee);
            client.Deconnecter(true);
        }
        ASSERT_EQ(serveur.NombreMessages(), 2);
        for (int n = 1; n <= 2; ++n) {
            EXPECT_EQ(serveur.Enveloppe(n)[QStringLiteral("tls")].toBool(), c.serveurImplicite);
            EXPECT_TRUE(serveur.Enveloppe(n)[QStringLiteral("authentifie")].toBool());
        }
    }
}

// With a user name: LOGIN when offered, else PLAIN, else no AUTH; the user name and the
// password travel in UTF-8; a refusal is one attempt and a failure of the whole session.
TEST(ConnexionSecurisee, MecanismesEtIdentifiants) {
    const QString accentue = QStringLiteral("\u00c9lan-Pass\u00e9 9 \u20ac");
    const QString refus =
        QStringLiteral("Le serveur a refus\u00e9 le nom d'utilisateur ou le mot de passe : "
                       "Authentication credentials invalid");
    struct Cas {
        const char* nom;
        const char* mecanismes;
        QString motDePasseServeur, motDePasseClient;
        QStringList journal;
        QString resultat;
    };
    const Cas cas[] = {
        {"PLAIN seul", "PLAIN", "secret", "secret", {"PLAIN ok"}, ""},
        {"LOGIN et PLAIN : LOGIN", "LOGIN PLAIN", "secret", "secret", {"LOGIN ok"}, ""},
        {"ni l'un ni l'autre : pas d'AUTH", "-", "secret", "secret", {}, ""},
        {"accents et euro en PLAIN", "PLAIN", accentue, accentue, {"PLAIN ok"}, ""},
        {"accents et euro en LOGIN", "LOGIN", accentue, accentue, {"LOGIN ok"}, ""},
        {"mauvais mot de passe", "LOGIN PLAIN", "secret", "Secret", {"LOGIN refus"}, refus},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        ServeurSMTPReel serveur(
            {.mecanismes = QString::fromLatin1(c.mecanismes), .motDePasse = c.motDePasseServeur});
        ClientSMTP client;
        Configurer(client, serveur.Port(), ModeTLS::SansTLS);
        client.MotDePasse = c.motDePasseClient;
        QString resultat;
        try {
            // The login is part of the connection: a refusal is known before any message.
            client.Connecter();
            EXPECT_EQ(client.MecanismeAuth(),
                      c.journal.isEmpty() ? QString() : c.journal.first().section(' ', 0, 0));
            MessageCourriel m = MessageDeTest();
            client.Envoyer(m);
        } catch (const ErreurSession& e) {
            resultat = e.Message();
            EXPECT_EQ(client.EtatAtteint(), EtatSessionSMTP::Accueillie);
        }
        client.Deconnecter(true);
        EXPECT_EQ(resultat, c.resultat);
        EXPECT_EQ(serveur.JournalAuth(), c.journal);
        ASSERT_EQ(serveur.NombreMessages(), c.resultat.isEmpty() ? 1 : 0);
        if (c.resultat.isEmpty()) {
            EXPECT_EQ(serveur.Enveloppe(1)[QStringLiteral("authentifie")].toBool(),
                      !c.journal.isEmpty());
        }
    }
}

// The handshake names the server when the host is a name (SNI), never an address; the
// certificate verifies only when the test authority signed it, it is in its dates and names
// the host. STARTTLS and TLS from the first byte alike.
TEST(ConnexionSecurisee, NomDuServeurEtVerification) {
    const MagasinDeConfiance magasin;
    struct Cas {
        const char* nom;
        const char* certificat;
        QString hote;
        bool implicite;
        QString nomVu;
        bool verifie;
    };
    const Cas cas[] = {
        {"signé, nommé", "valide", "localhost", false, "localhost", true},
        {"signé, adresse : aucun nom envoyé", "valide", "127.0.0.1", false, "-", true},
        {"signé, TLS dès le premier octet", "valide", "localhost", true, "localhost", true},
        {"signé pour un autre nom", "autrenom", "localhost", false, "localhost", false},
        {"expiré", "expire", "localhost", true, "localhost", false},
        {"auto-signé", "auto1", "localhost", false, "localhost", false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        ServeurSMTPReel serveur(CertificatsDeTest::Serveur(c.certificat, c.implicite));
        ClientSMTP client;
        ConfigurerTLS(client, serveur.Port(), c.implicite);
        client.Hote = c.hote;
        ASSERT_EQ(ResultatAppel([&] { client.Connecter(); }), QString());
        MessageCourriel m = MessageDeTest();
        EXPECT_EQ(ResultatAppel([&] { client.Envoyer(m); }), QString());
        EXPECT_EQ(client.Canal().CertificatPair().Verifie, c.verifie);
        EXPECT_EQ(client.Canal().CertificatPair().Empreinte,
                  CertificatsDeTest::Empreinte(c.certificat));
        client.Deconnecter(true);
        EXPECT_EQ(serveur.NomsTLS(), QStringList{c.nomVu});
    }
}

// A certificate that does not verify is pinned on first use and accepted while it matches; a
// changed one ends the session before EHLO, AUTH or MAIL FROM, naming both fingerprints; one
// that verifies needs no pin, even where another was pinned.
TEST(ConnexionSecurisee, EpinglageALaPremiereUtilisation) {
    const MagasinDeConfiance magasin;
    const QString auto1 = CertificatsDeTest::Empreinte("auto1");
    const QString auto2 = CertificatsDeTest::Empreinte("auto2");
    struct Cas {
        const char* nom;
        const char* certificat;
        bool implicite;
        QString connue;
        QString aEpingler;
        bool change;
    };
    const Cas cas[] = {
        {"première utilisation : épinglé", "auto1", false, "", auto1, false},
        {"le même ensuite : accepté", "auto1", false, auto1, "", false},
        {"un autre : refusé avant AUTH", "auto2", false, auto1, "", true},
        {"un autre, TLS dès le premier octet", "auto2", true, auto1.toLower(), "", true},
        {"signé par une autorité : rien à épingler", "valide", false, auto1, "", false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        ServeurSMTPReel::Options options = CertificatsDeTest::Serveur(c.certificat, c.implicite);
        options.capture = true;
        ServeurSMTPReel serveur(options);
        ClientSMTP client;
        ConfigurerTLS(client, serveur.PortRelais(), c.implicite);
        client.Hote = QStringLiteral("localhost");
        client.EmpreinteConnue = c.connue;
        QString erreur;
        try {
            client.Connecter();
            MessageCourriel m = MessageDeTest();
            client.Envoyer(m);
            client.Deconnecter(true);
        } catch (const ErreurSession& e) {
            erreur = e.Message();
        }
        EXPECT_EQ(client.PrendreEmpreinteAEpingler(), c.aEpingler);
        EXPECT_EQ(serveur.NombreMessages(), c.change ? 0 : 1);
        if (!c.change) {
            EXPECT_EQ(erreur, QString());
            continue;
        }
        EXPECT_TRUE(erreur.startsWith(
            QStringLiteral("Le certificat du serveur localhost (port %1) a chang\u00e9")
                .arg(serveur.PortRelais())))
            << erreur.toStdString();
        EXPECT_TRUE(erreur.contains(QStringLiteral("Empreinte enregistr\u00e9e : ") + c.connue))
            << erreur.toStdString();
        EXPECT_TRUE(erreur.contains(QStringLiteral("Empreinte pr\u00e9sent\u00e9e : ") + auto2))
            << erreur.toStdString();
        EXPECT_FALSE(client.Canal().SocketAlloue());
        EXPECT_TRUE(serveur.JournalAuth().isEmpty());
        const QByteArray capture = serveur.Capture();
        for (const QByteArray& mot : {QByteArray("EHLO"), QByteArray("AUTH"),
                                      QByteArray("MAIL FROM"), QByteArray("amVhbg==")})
            EXPECT_EQ(capture.count(mot), c.implicite || mot != "EHLO" ? 0 : 1)
                << mot.toStdString();
    }
}
