// A machine without OpenSSL: the library names point nowhere in this process.
#include "mail/BibliothequeTLS.h"
#include "mail/ClientSMTP.h"
#include "mail/LectureAdresses.h"
#include "tests/support/CourrielDeTest.h"
#include "tests/support/ImpressionQt.h"
#include "tests/support/PairScripte.h"
#include "tests/support/ServeurSMTPReel.h"

#include <gtest/gtest.h>

namespace {
class SansOpenSSL : public ::testing::Test {
protected:
    void SetUp() override {
        BibliothequeTLS::DefinirNoms({QStringLiteral("libcrypto-absente.so.3")},
                                     {QStringLiteral("libssl-absente.so.3")});
    }
};

} // namespace

TEST_F(SansOpenSSL, SansTLSLeCourrierPart) {
    ServeurSMTPReel serveur({});
    ClientSMTP client;
    client.Hote = QStringLiteral("127.0.0.1");
    client.Port = serveur.Port();
    client.Utilisateur = client.NomHelo = QStringLiteral("jean");
    client.MotDePasse = QStringLiteral("secret");
    client.DefinirModeTLS(ModeTLS::SansTLS);
    const int avant = BibliothequeTLS::NombreTentatives();
    for (int connexion = 0; connexion < 2; ++connexion) {
        client.Connecter();
        MessageCourriel m = MessageDeTest();
        client.Envoyer(m);
        client.Deconnecter(true);
    }
    EXPECT_EQ(serveur.NombreMessages(), 2);
    // Tried again at every connection, never loaded.
    EXPECT_EQ(BibliothequeTLS::NombreTentatives(), avant + 2);
    EXPECT_EQ(BibliothequeTLS::NombreChargements(), 0);
    EXPECT_TRUE(BibliothequeTLS::PointsEntreeManquants().contains(QStringLiteral("SSL_connect")));
}

TEST_F(SansOpenSSL, StarttlsEchoueSansOctetDeNegociation) {
    PairScripte pair({QStringLiteral("S: 220 srv"), QStringLiteral("C: EHLO client.test"),
                      QStringLiteral("S: 250-srv"), QStringLiteral("S: 250-STARTTLS"),
                      QStringLiteral("S: 250 AUTH LOGIN"), QStringLiteral("C: STARTTLS"),
                      QStringLiteral("S: 220 go"), QStringLiteral("C: QUIT"),
                      QStringLiteral("S: 221 bye")});
    ClientSMTP client;
    client.Hote = QStringLiteral("127.0.0.1");
    client.Port = pair.Port();
    client.Utilisateur = QStringLiteral("jean");
    client.NomHelo = QStringLiteral("client.test");
    client.MotDePasse = QStringLiteral("secret");
    client.DefinirModeTLS(ModeTLS::TLSExplicite);
    QStringList resultats;
    resultats << ResultatAppel([&] { client.Connecter(); });
    MessageCourriel m = MessageDeTest();
    for (int i = 0; i < 2; ++i)
        resultats << ResultatAppel([&] { client.Envoyer(m); });
    client.Deconnecter(true);
    pair.Terminer();
    const QString fermee = QStringLiteral("La connexion s'est terminée proprement.");
    EXPECT_EQ(resultats, (QStringList{QStringLiteral("SSL n'est pas disponible sur ce serveur."),
                                      fermee, fermee}));
    EXPECT_TRUE(pair.Ecarts().isEmpty()) << pair.Ecarts().join(QLatin1Char('\n')).toStdString();
}

TEST_F(SansOpenSSL, PointDEntreeManquant) {
    BibliothequeTLS::DefinirNoms({QStringLiteral("libc.so.6")}, {QStringLiteral("libc.so.6")});
    EXPECT_EQ(BibliothequeTLS::Charger(), nullptr);
    const QStringList manquants = BibliothequeTLS::PointsEntreeManquants();
    EXPECT_TRUE(manquants.contains(QStringLiteral("TLS_client_method")));
    EXPECT_TRUE(manquants.contains(QStringLiteral("ERR_get_error")));
}

// TLS from the first byte cannot start: the connection fails without a byte sent in clear text
// (the peer would read it as a broken handshake, a relay as the user's words).
TEST_F(SansOpenSSL, TLSImpliciteEchoueSansRienEnvoyer) {
    PairScripte pair({});
    ClientSMTP client;
    client.Hote = QStringLiteral("127.0.0.1");
    client.Port = client.PortTLSImplicite = pair.Port();
    client.Utilisateur = client.NomHelo = QStringLiteral("jean");
    client.DefinirModeTLS(ModeTLS::TLSExplicite);
    EXPECT_EQ(ResultatAppel([&] { client.Connecter(); }),
              QStringLiteral("SSL n'est pas disponible sur ce serveur."));
    EXPECT_FALSE(client.Canal().SocketAlloue());
    pair.Terminer();
    EXPECT_TRUE(pair.Recu().isEmpty());
}
