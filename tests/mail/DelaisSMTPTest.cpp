// A server that goes silent at any step: the client gives up at the step's limit, with a
// time-out that names the step, and drops the connection without a word more.
#include "mail/ClientSMTP.h"
#include "mail/ErreursTransport.h"
#include "tests/support/CourrielDeTest.h"
#include "tests/support/ImpressionQt.h"
#include "tests/support/PairScripte.h"
#include "tests/support/ServeurSMTPReel.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>

using namespace std::chrono_literals;

namespace {
// Far above the limits of the test: the peer is still silent when the client gives up.
const QString silence = QStringLiteral("PAUSE 1000");

struct Silence {
    const char* nom;
    // Empty: the TLS peer that answers nothing once the handshake is done.
    QStringList script;
    ModeTLS mode;
    // The call that waits in vain: Connecter, or Envoyer after it.
    bool pendantConnecter;
    QString texte;
    // Bytes enough to fill the socket buffers of both ends, which then stop the writes.
    qsizetype tailleMessage = 0;
};

QStringList Jusqua(const char* dernier, const QStringList& suite = {}) {
    const QStringList dialogue = {
        QStringLiteral("S: 220 srv"), QStringLiteral("C: EHLO client.test"),
        QStringLiteral("S: 250 srv"), QStringLiteral("C: RSET"),
        QStringLiteral("S: 250 ok"),  QStringLiteral("C: MAIL FROM: <club@exemple.org>"),
        QStringLiteral("S: 250 ok"),  QStringLiteral("C: RCPT TO:<dest@exemple.net>"),
        QStringLiteral("S: 250 ok"),  QStringLiteral("C: DATA"),
        QStringLiteral("S: 354 go"),  QStringLiteral("C*")};
    QStringList s;
    for (const QString& etape : dialogue) {
        s << etape;
        if (etape == QLatin1String(dernier))
            break;
    }
    return s << suite;
}

MessageCourriel Message(qsizetype taille) {
    if (taille == 0)
        return MessageDeTest();
    const QString ligne = QString(76, QLatin1Char('a'));
    QStringList page;
    for (qsizetype fait = 0; fait < taille; fait += ligne.size() + 2)
        page << ligne;
    return MessageDeTest(QStringLiteral("dest@exemple.net"), QStringLiteral("Lettre"), page);
}
} // namespace

TEST(DelaisSMTP, UnServeurMuetDevientUnDelaiDepasse) {
    const auto texte = [](const char* attente, const char* etape) {
        return QStringLiteral("Le serveur n'a pas %1 dans le délai (200 ms) %2.")
            .arg(QString::fromUtf8(attente), QString::fromUtf8(etape));
    };
    const char* repondu = "répondu";
    const Silence cas[] = {
        {"before the greeting",
         {silence},
         ModeTLS::SansTLS,
         true,
         texte(repondu, "après l'ouverture de la connexion")},
        {"after EHLO", Jusqua("C: EHLO client.test", {silence}), ModeTLS::SansTLS, true,
         texte(repondu, "après la commande EHLO")},
        {"after RCPT", Jusqua("C: RCPT TO:<dest@exemple.net>", {silence}), ModeTLS::SansTLS, false,
         texte(repondu, "après la commande RCPT TO")},
        {"after the end of data", Jusqua("C*", {silence}), ModeTLS::SansTLS, false,
         texte(repondu, "après la fin du message")},
        // The peer stops reading: the client's writes stop once the buffers are full.
        {"in the middle of the data", Jusqua("S: 354 go", {silence, QStringLiteral("C*")}),
         ModeTLS::SansTLS, false, texte("accepté les données", "pendant l'envoi du message"),
         24 << 20},
        {"in the TLS handshake",
         {QStringLiteral("S: 220 srv"), QStringLiteral("C: EHLO client.test"),
          QStringLiteral("S: 250-srv"), QStringLiteral("S: 250 STARTTLS"),
          QStringLiteral("C: STARTTLS"), QStringLiteral("S: 220 go"), QStringLiteral("C~"),
          silence},
         ModeTLS::TLSExplicite,
         false,
         texte(repondu, "pendant la négociation TLS")},
        // The peer answers EHLO inside TLS, then nothing more.
        {"inside TLS, after RSET",
         {},
         ModeTLS::TLSExplicite,
         false,
         texte(repondu, "après la commande RSET")},
    };
    for (const Silence& c : cas) {
        SCOPED_TRACE(c.nom);
        std::optional<PairScripte> pair;
        std::unique_ptr<ServeurSMTPReel> pairTLS;
        if (c.script.isEmpty())
            pairTLS = std::make_unique<ServeurSMTPReel>(ServeurSMTPReel::Options{
                .starttls = true, .script = "pair_tls.py", .mode = "muet"});
        else
            pair.emplace(c.script);
        ClientSMTP client;
        client.Hote = QStringLiteral("127.0.0.1");
        client.Port = pair ? pair->Port() : pairTLS->Port();
        client.NomHelo = QStringLiteral("client.test");
        client.DefinirModeTLS(c.mode);
        client.Delais = {200ms, 200ms, 200ms, 200ms, 200ms, 200ms, 200ms};
        MessageCourriel message = Message(c.tailleMessage);
        std::optional<ErreurDelaiDepasse> erreur;
        try {
            client.Connecter();
            ASSERT_FALSE(c.pendantConnecter) << "Connecter ended without an error";
            client.Envoyer(message);
            ADD_FAILURE() << "Envoyer ended without an error";
        } catch (const ErreurDelaiDepasse& e) {
            erreur = e;
        }
        ASSERT_TRUE(erreur);
        EXPECT_EQ(erreur->Message(), c.texte);
        EXPECT_EQ(erreur->Delai(), 200ms);
        EXPECT_EQ(erreur->Numero(), 10060);
        EXPECT_FALSE(client.Canal().SocketAlloue());
        EXPECT_FALSE(client.Canal().Ouvert());
        EXPECT_FALSE(client.Canal().EstConnecte());
        // The link is dead: the end of the campaign says nothing more on it.
        EXPECT_EQ(ResultatAppel([&] { client.Deconnecter(true); }), QString());
        if (pair) {
            pair->Terminer();
            EXPECT_FALSE(pair->Recu().contains("QUIT"));
            if (c.tailleMessage > 0) {
                EXPECT_FALSE(pair->Recu().contains("\r\n.\r\n")) << "the message was cut";
            }
        }
    }
}

TEST(DelaisSMTP, TexteDuDelai) {
    EXPECT_EQ(ErreurDelaiDepasse::TexteDelai(5min), QStringLiteral("5 min"));
    EXPECT_EQ(ErreurDelaiDepasse::TexteDelai(150s), QStringLiteral("2 min 30 s"));
    EXPECT_EQ(ErreurDelaiDepasse::TexteDelai(45s), QStringLiteral("45 s"));
    EXPECT_EQ(ErreurDelaiDepasse::TexteDelai(1500ms), QStringLiteral("1500 ms"));
}
