// The TLS layer over the OpenSSL of the machine.
#include "mail/BibliothequeTLS.h"
#include "mail/ClientSMTP.h"
#include "mail/ErreursTransport.h"
#include "mail/LectureAdresses.h"
#include "tests/support/CourrielDeTest.h"
#include "tests/support/ImpressionQt.h"
#include "tests/support/PairScripte.h"
#include "tests/support/ServeurSMTPReel.h"
#include "tests/support/SocketLocale.h"

#include <QJsonArray>
#include <arpa/inet.h>
#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <random>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {
// Accents and the euro sign in the subject and the page: they must cross the TLS side intact.
MessageCourriel MessageAccentue() {
    return MessageDeTest(QStringLiteral("un@exemple.net"), QStringLiteral("Lettre d'\u00e9t\u00e9"),
                         {QStringLiteral("<p>R\u00e9union \u00e0 20 h, 5 \u20ac.</p>")});
}

void Configurer(ClientSMTP& client, quint16 port) {
    client.Hote = QStringLiteral("127.0.0.1");
    client.Port = port;
    client.NomHelo = QStringLiteral("client.test");
    client.Utilisateur = QStringLiteral("jean");
    client.MotDePasse = QStringLiteral("secret");
    client.DefinirModeTLS(ModeTLS::TLSExplicite);
}

QString Resultat(std::future<void>& appel) {
    try {
        appel.get();
        return QString();
    } catch (const Erreur& e) {
        return e.Message();
    }
}
} // namespace

TEST(CoucheTLS, StarttlsAvecUnVraiServeurSansIdentifiantsEnClair) {
    ServeurSMTPReel serveur({.starttls = true, .capture = true});
    ClientSMTP client;
    Configurer(client, serveur.PortRelais());
    // Two connections: the context is made again after the first one's Fermer.
    for (int connexion = 0; connexion < 2; ++connexion) {
        // STARTTLS and the login belong to the connection.
        client.Connecter();
        EXPECT_FALSE(client.Canal().PassageDirect());
        EXPECT_EQ(client.Etat(), EtatSessionSMTP::Authentifiee);
        MessageCourriel m = MessageDeTest(
            QStringLiteral("un@exemple.net"), QStringLiteral("Lettre d'\u00e9t\u00e9"),
            {QStringLiteral("<p>R\u00e9union \u00e0 20 h, 5 \u20ac.</p>")});
        client.Envoyer(m);
        LireListeAdresses(QStringLiteral("deux@exemple.net"), m.Destinataires);
        client.Envoyer(m);
        client.Deconnecter(true);
    }
    EXPECT_EQ(BibliothequeTLS::NombreChargements(), 1);

    ASSERT_EQ(serveur.NombreMessages(), 4);
    for (int n = 1; n <= 4; ++n) {
        const QJsonObject e = serveur.Enveloppe(n);
        EXPECT_TRUE(e[QStringLiteral("tls")].toBool());
        EXPECT_TRUE(e[QStringLiteral("authentifie")].toBool());
    }
    const QJsonArray parties = serveur.Message(1)[QStringLiteral("parties")].toArray();
    ASSERT_EQ(parties.size(), 2);
    EXPECT_EQ(parties[1].toObject()[QStringLiteral("texte")].toString().trimmed(),
              QStringLiteral("<p>R\u00e9union \u00e0 20 h, 5 \u20ac.</p>"));

    const QByteArray capture = serveur.Capture();
    EXPECT_EQ(capture.count("STARTTLS\r\n"), 2);
    for (const QByteArray& secret :
         {QByteArray("amVhbg=="), QByteArray("c2VjcmV0"), QByteArray("AUTH"),
          QByteArray("MAIL FROM"), QByteArray("secret")})
        EXPECT_FALSE(capture.contains(secret)) << secret.toStdString();
}

TEST(CoucheTLS, NotificationDeFermetureDuPair) {
    ServeurSMTPReel pair({.starttls = true, .script = "pair_tls.py", .mode = "fermeture"});
    ClientSMTP client;
    Configurer(client, pair.Port());
    client.Connecter();
    MessageCourriel m = MessageAccentue();
    try {
        client.Envoyer(m);
        FAIL() << "sent";
    } catch (const ErreurConnexionFermee&) {
    }
    EXPECT_FALSE(client.Canal().PassageDirect());
    EXPECT_FALSE(client.Canal().EstConnecte());
    client.Deconnecter(true);
}

TEST(CoucheTLS, FermerPendantUneLectureChiffree) {
    ServeurSMTPReel pair({.starttls = true, .script = "pair_tls.py", .mode = "muet"});
    ClientSMTP client;
    Configurer(client, pair.Port());
    client.Connecter();
    MessageCourriel m = MessageAccentue();
    auto envoi = std::async(std::launch::async, [&] { client.Envoyer(m); });
    ASSERT_EQ(envoi.wait_for(500ms), std::future_status::timeout);
    client.Canal().VerifierDeconnexion(false, false);
    client.Canal().Fermer();
    ASSERT_EQ(envoi.wait_for(1s), std::future_status::ready);
    EXPECT_FALSE(Resultat(envoi).isEmpty());
    EXPECT_FALSE(client.Canal().PassageDirect()) << "the handshake was not reached";
}

TEST(CoucheTLS, FermerPendantLaPoigneeDeMain) {
    PairScripte pair({QStringLiteral("S: 220 srv"), QStringLiteral("C: EHLO client.test"),
                      QStringLiteral("S: 250-srv"), QStringLiteral("S: 250 STARTTLS"),
                      QStringLiteral("C: STARTTLS"), QStringLiteral("S: 220 go"),
                      QStringLiteral("C~")});
    ClientSMTP client;
    Configurer(client, pair.Port());
    auto connexion = std::async(std::launch::async, [&] { client.Connecter(); });
    ASSERT_EQ(connexion.wait_for(500ms), std::future_status::timeout);
    client.Canal().Fermer();
    ASSERT_EQ(connexion.wait_for(1s), std::future_status::ready);
    EXPECT_EQ(Resultat(connexion), QStringLiteral("SSL n'est pas disponible sur ce serveur."));
    EXPECT_EQ(client.EtatAtteint(), EtatSessionSMTP::Accueillie);
    pair.Terminer();
    EXPECT_TRUE(pair.Ecarts().isEmpty()) << pair.Ecarts().join(QLatin1Char('\n')).toStdString();
}

TEST(CoucheTLS, FermerPendantLaPreparationDuContexte) {
    // A listening socket: the system completes every connect, nobody ever answers. It does not
    // block, so that draining finds nothing when a close came before the connect.
    quint16 port = 0;
    const int ecoute = SocketLocale(port, SOCK_NONBLOCK);
    ::listen(ecoute, 64);
    std::mt19937 hasard(42);
    for (int i = 0; i < 30; ++i) {
        CanalConnexion canal;
        canal.Hote = QStringLiteral("127.0.0.1");
        canal.Port = port;
        auto ouverture = std::async(std::launch::async, [&] { canal.Ouvrir(); });
        std::this_thread::sleep_for(std::chrono::microseconds(hasard() % 3000));
        canal.Fermer();
        // Ends, rather than hangs: the bound leaves room for a checking build on a busy machine,
        // where loading the system's certificates alone once took most of a second.
        ASSERT_EQ(ouverture.wait_for(5s), std::future_status::ready);
        try {
            ouverture.get();
        } catch (const Erreur&) {
            EXPECT_FALSE(canal.SocketAlloue());
        }
        canal.Fermer();
        // Drain the accept queue.
        const int s = ::accept4(ecoute, nullptr, nullptr, 0);
        if (s >= 0)
            ::close(s);
    }
    ::close(ecoute);
}
