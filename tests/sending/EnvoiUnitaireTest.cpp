#include "sending/EnvoiUnitaire.h"

#include "mail/ClientSMTP.h"
#include "tests/support/CourrielDeTest.h"
#include "tests/support/ImpressionQt.h"
#include "tests/support/PairScripte.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

// A server silent after RCPT TO: the address gets the time-out's text, as a failure worth a new
// try, and the next one fails on the dropped connection without waiting again.
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
    const ResultatEnvoi echecs[] = {
        EnvoiUnitaire(client, message, QStringLiteral("dest@exemple.net")),
        EnvoiUnitaire(client, message, QStringLiteral("autre@exemple.net"))};
    for (const ResultatEnvoi& e : echecs) {
        EXPECT_FALSE(e.accepte);
        EXPECT_EQ(e.verdict, Verdict::SessionPerdue)
            << "the connection is lost: no fault of the address";
        EXPECT_EQ(e.code, 0);
    }
    EXPECT_EQ(echecs[0].EntreeRapport(),
              QStringLiteral("dest@exemple.net -> Erreur suivante: Le serveur n'a pas répondu "
                             "dans le délai (200 ms) après la commande RCPT TO.\r\n"));
    EXPECT_EQ(echecs[1].message, QStringLiteral("La connexion s'est terminée proprement."));
    client.Deconnecter(true);
    pair.Terminer();
    EXPECT_TRUE(pair.Ecarts().isEmpty()) << pair.Ecarts().join(QLatin1Char('\n')).toStdString();
}
