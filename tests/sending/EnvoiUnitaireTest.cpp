#include "sending/EnvoiUnitaire.h"

#include "mail/ClientSMTP.h"
#include "sending/RegistreErreurs.h"
#include "tests/support/CourrielDeTest.h"
#include "tests/support/ImpressionQt.h"
#include "tests/support/PairScripte.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

// A server silent after RCPT TO: the address gets the time-out's text in the record, and the
// next one fails on the dropped connection without waiting again.
TEST(EnvoiUnitaire, UnDelaiDepasseVaAuRegistreEtLaCampagneContinue) {
    PairScripte pair({"S: 220 srv", "C: EHLO client.test", "S: 250 srv", "C: RSET", "S: 250 ok",
                      "C: MAIL FROM: <club@exemple.org>", "S: 250 ok",
                      "C: RCPT TO:<dest@exemple.net>", "PAUSE 1000"});
    ClientSMTP client;
    client.Hote = QStringLiteral("127.0.0.1");
    client.Port = pair.Port();
    client.NomHelo = QStringLiteral("client.test");
    client.Delais.Rcpt = 200ms;
    client.Connecter();
    MessageCourriel message = MessageDeTest();
    RegistreErreurs registre;
    EXPECT_FALSE(EnvoiUnitaire(client, message, QStringLiteral("dest@exemple.net"), registre));
    EXPECT_FALSE(EnvoiUnitaire(client, message, QStringLiteral("autre@exemple.net"), registre));
    const QList<RegistreErreurs::Echec> echecs = registre.Prendre();
    ASSERT_EQ(echecs.size(), 2);
    EXPECT_EQ(echecs[0].EntreeRapport(),
              QStringLiteral("dest@exemple.net -> Erreur suivante: Le serveur n'a pas répondu "
                             "dans le délai (200 ms) après la commande RCPT TO.\r\n"));
    EXPECT_EQ(echecs[1].message, QStringLiteral("La connexion s'est terminée proprement."));
    client.Deconnecter(true);
    pair.Terminer();
    EXPECT_TRUE(pair.Ecarts().isEmpty()) << pair.Ecarts().join(QLatin1Char('\n')).toStdString();
}
