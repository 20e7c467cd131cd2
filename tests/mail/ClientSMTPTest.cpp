#include "mail/ClientSMTP.h"
#include "mail/ErreursTransport.h"
#include "mail/LectureAdresses.h"
#include "mail/NomSalutation.h"
#include "tests/support/CourrielDeTest.h"
#include "tests/support/PairScripte.h"

#include "tests/support/ImpressionQt.h"

#include <QSysInfo>
#include <gtest/gtest.h>
#include <thread>

namespace {
QStringList operator+(QStringList a, const char* b) {
    return a << QString::fromUtf8(b);
}

const QStringList accueil = {QStringLiteral("S: 220 srv ESMTP")};
const QStringList transaction = {QStringLiteral("C: RSET"),
                                 QStringLiteral("S: 250 ok"),
                                 QStringLiteral("C: MAIL FROM: <club@exemple.org>"),
                                 QStringLiteral("S: 250 ok"),
                                 QStringLiteral("C: RCPT TO:<dest@exemple.net>"),
                                 QStringLiteral("S: 250 ok"),
                                 QStringLiteral("C: DATA"),
                                 QStringLiteral("S: 354 go"),
                                 QStringLiteral("C*"),
                                 QStringLiteral("S: 250 2.0.0 queued")};
const QStringList quitte = {QStringLiteral("C: QUIT"), QStringLiteral("S: 221 bye")};
// With PIPELINING: the three commands arrive before any reply is sent (a client waiting for
// the reply to RSET would never get it), then the message.
const QStringList transactionGroupee = {QStringLiteral("C: RSET"),
                                        QStringLiteral("C: MAIL FROM: <club@exemple.org>"),
                                        QStringLiteral("C: RCPT TO:<dest@exemple.net>"),
                                        QStringLiteral("S: 250 ok"),
                                        QStringLiteral("S: 250 ok"),
                                        QStringLiteral("S: 250 ok"),
                                        QStringLiteral("C: DATA"),
                                        QStringLiteral("S: 354 go"),
                                        QStringLiteral("C*"),
                                        QStringLiteral("S: 250 2.0.0 queued")};

QStringList Ehlo(const QStringList& capacites) {
    QStringList s = {QStringLiteral("C: EHLO client.test")};
    if (capacites.isEmpty())
        return s << QStringLiteral("S: 250 srv");
    s << QStringLiteral("S: 250-srv");
    for (qsizetype i = 0; i < capacites.size(); ++i)
        s << (i + 1 < capacites.size() ? QStringLiteral("S: 250-") : QStringLiteral("S: 250 ")) +
                 capacites[i];
    return s;
}

// AUTH LOGIN of "jean" / "secret" (a 334 after the user name, then 235).
const QStringList authLogin = {
    QStringLiteral("C: AUTH LOGIN"), QStringLiteral("S: 334 VXNlcm5hbWU6"),
    QStringLiteral("C: amVhbg=="),   QStringLiteral("S: 334 UGFzc3dvcmQ6"),
    QStringLiteral("C: c2VjcmV0"),   QStringLiteral("S: 235 2.7.0 ok")};

struct Dialogue {
    const char* nom;
    QStringList script;
    ModeTLS mode;
    const char* utilisateur;
    // What each call gives: Connecter, each Envoyer, Deconnecter(true); "" for success.
    QStringList resultats;
    QString destinataires = QStringLiteral("dest@exemple.net");
    bool pipelining = false;
};

void Jouer(const Dialogue& d) {
    SCOPED_TRACE(d.nom);
    PairScripte pair(d.script);
    ClientSMTP client;
    client.Hote = QStringLiteral("127.0.0.1");
    client.Port = pair.Port();
    client.NomHelo = QStringLiteral("client.test");
    client.Utilisateur = QString::fromUtf8(d.utilisateur);
    client.MotDePasse = QStringLiteral("secret");
    client.DefinirModeTLS(d.mode);
    client.Pipelining = d.pipelining;
    QStringList resultats;
    resultats << ResultatAppel([&] { client.Connecter(); });
    MessageCourriel m = MessageDeTest(d.destinataires);
    for (qsizetype i = 1; i + 1 < d.resultats.size(); ++i)
        resultats << ResultatAppel([&] { client.Envoyer(m); });
    if (d.resultats.size() > 1)
        resultats << ResultatAppel([&] { client.Deconnecter(true); });
    client.Canal().Fermer();
    pair.Terminer();
    EXPECT_EQ(resultats, d.resultats);
    EXPECT_TRUE(pair.Ecarts().isEmpty()) << pair.Ecarts().join(QLatin1Char('\n')).toStdString();
}
} // namespace

TEST(ClientSMTP, Dialogues) {
    const QString sslAbsent = QStringLiteral("SSL n'est pas disponible sur ce serveur.");
    const QString fermee = QStringLiteral("La connexion s'est terminée proprement.");
    const QString refusTLS =
        QStringLiteral("La commande de démarrage de la négociation SSL a échoué.");
    const Dialogue dialogues[] = {
        {"accueil sur plusieurs lignes",
         QStringList{QStringLiteral("S: 220-srv bonjour"), QStringLiteral("S: 220-suite"),
                     QStringLiteral("S: 220 fin")} +
             Ehlo({QStringLiteral("SIZE 1000")}) + transaction + quitte,
         ModeTLS::SansTLS,
         "",
         {"", "", ""}},
        {"accueil 554",
         {QStringLiteral("S: 554 5.7.1 Pas de service ici")},
         ModeTLS::SansTLS,
         "",
         {QStringLiteral("Pas de service ici\r\n")}},
        {"code de réponse invalide",
         {QStringLiteral("S: abc pas un code")},
         ModeTLS::SansTLS,
         "",
         {QStringLiteral("Le code de réponse n'est pas valide : abc")}},
        {"EHLO refusé puis HELO, pas d'AUTH",
         accueil + "C: EHLO client.test" + "S: 500 inconnu" + "C: HELO client.test" + "S: 250 srv" +
             transaction + quitte,
         ModeTLS::SansTLS,
         "jean",
         {"", "", ""}},
        {"HELO refusé",
         accueil + "C: EHLO client.test" + "S: 500 inconnu" + "C: HELO client.test" +
             "S: 501 5.5.4 nom refuse",
         ModeTLS::SansTLS,
         "",
         {QStringLiteral("nom refuse\r\n")}},
        {"starttls en minuscules, refusé 454",
         accueil + Ehlo({QStringLiteral("starttls")}) + "C: STARTTLS" +
             "S: 454 4.7.0 TLS indisponible" + quitte,
         ModeTLS::TLSExplicite,
         "jean",
         {refusTLS, fermee, ""}},
        {"STARTTLS refusé 502",
         accueil + Ehlo({QStringLiteral("STARTTLS")}) + "C: STARTTLS" +
             "S: 502 5.5.1 non implemente" + quitte,
         ModeTLS::TLSExplicite,
         "jean",
         {refusTLS, fermee, ""}},
        {"STARTTLS avec un paramètre n'est pas une offre",
         accueil + Ehlo({QStringLiteral("STARTTLS X"), QStringLiteral("AUTH LOGIN")}) + quitte,
         ModeTLS::TLSExplicite,
         "jean",
         {sslAbsent, fermee, ""}},
        {"TLS demandé, pas de STARTTLS : ni AUTH ni MAIL en clair",
         accueil + Ehlo({QStringLiteral("AUTH LOGIN")}) + quitte,
         ModeTLS::TLSExplicite,
         "jean",
         {sslAbsent, fermee, fermee, ""}},
        {"TLS demandé, EHLO refusé puis HELO",
         accueil + "C: EHLO client.test" + "S: 500 inconnu" + "C: HELO client.test" + "S: 250 srv" +
             quitte,
         ModeTLS::TLSExplicite,
         "jean",
         {sslAbsent, fermee, ""}},
        {"220 suivi d'autres lignes dans le même segment",
         accueil + Ehlo({QStringLiteral("STARTTLS"), QStringLiteral("AUTH LOGIN")}) +
             "C: STARTTLS" + "S~220 Ready\r\n250-AUTH LOGIN\r\n",
         ModeTLS::TLSExplicite,
         "jean",
         {sslAbsent, fermee, fermee, fermee}},
        {"220 suivi d'un fragment sans fin de ligne",
         accueil + Ehlo({QStringLiteral("STARTTLS"), QStringLiteral("AUTH LOGIN")}) +
             "C: STARTTLS" + "S~220 Ready\r\n250-AUTH",
         ModeTLS::TLSExplicite,
         "jean",
         {sslAbsent, fermee, fermee}},
        {"poignée de main avec un pair qui répond n'importe quoi",
         accueil + Ehlo({QStringLiteral("STARTTLS"), QStringLiteral("AUTH LOGIN")}) +
             "C: STARTTLS" + "S: 220 go" + "C~" + "S~NOTLS",
         ModeTLS::TLSExplicite,
         "jean",
         {sslAbsent, fermee, ""}},
        {"AUTH=LOGIN",
         accueil + Ehlo({QStringLiteral("AUTH=LOGIN")}) + authLogin + transaction + quitte,
         ModeTLS::SansTLS,
         "jean",
         {"", "", ""}},
        {"AUTH PLAIN LOGIN",
         accueil + Ehlo({QStringLiteral("AUTH PLAIN LOGIN")}) + authLogin + transaction + quitte,
         ModeTLS::SansTLS,
         "jean",
         {"", "", ""}},
        {"AUTH PLAIN sans LOGIN : une ligne PLAIN",
         accueil + Ehlo({QStringLiteral("AUTH PLAIN CRAM-MD5")}) +
             "C: AUTH PLAIN AGplYW4Ac2VjcmV0" + "S: 235 2.7.0 ok" + transaction + quitte,
         ModeTLS::SansTLS,
         "jean",
         {"", "", ""}},
        {"ni LOGIN ni PLAIN : pas d'AUTH",
         accueil + Ehlo({QStringLiteral("AUTH CRAM-MD5 XOAUTH2")}) + transaction + quitte,
         ModeTLS::SansTLS,
         "jean",
         {"", "", ""}},
        {"pas d'utilisateur, pas d'AUTH",
         accueil + Ehlo({QStringLiteral("AUTH LOGIN")}) + transaction + quitte,
         ModeTLS::SansTLS,
         "",
         {"", "", ""}},
        {"235 dès le nom d'utilisateur",
         accueil + Ehlo({QStringLiteral("AUTH LOGIN")}) + "C: AUTH LOGIN" + "S: 334 VXNlcm5hbWU6" +
             "C: amVhbg==" + "S: 235 ok" + transaction + quitte,
         ModeTLS::SansTLS,
         "jean",
         {"", "", ""}},
        {"AUTH refusé : connu avant toute adresse, la session s'arrête poliment",
         accueil + Ehlo({QStringLiteral("AUTH LOGIN")}) + "C: AUTH LOGIN" +
             "S: 535 5.7.8 identifiants refuses" + quitte,
         ModeTLS::SansTLS,
         "jean",
         {QStringLiteral(
              "Le serveur a refusé le nom d'utilisateur ou le mot de passe : identifiants refuses"),
          fermee, ""}},
        {"RCPT refusé puis message suivant",
         accueil + Ehlo({}) + "C: RSET" + "S: 250 ok" + "C: MAIL FROM: <club@exemple.org>" +
             "S: 250 ok" + "C: RCPT TO:<dest@exemple.net>" + "S: 550 5.1.1 Destinataire inconnu" +
             "C: RSET" + "S: 250 ok" + transaction + quitte,
         ModeTLS::SansTLS,
         "",
         {"", QStringLiteral("Destinataire inconnu\r\n"), "", ""}},
        {"MAIL FROM refusé, sans RSET",
         accueil + Ehlo({}) + "C: RSET" + "S: 250 ok" + "C: MAIL FROM: <club@exemple.org>" +
             "S: 553-5.1.8 Expediteur refuse" + "S: 553 5.1.8 voir la politique" + quitte,
         ModeTLS::SansTLS,
         "",
         {"", QStringLiteral("Expediteur refuse\r\nvoir la politique\r\n"), ""}},
        {"liste de destinataires vide",
         accueil + Ehlo({}) + "C: RSET" + "S: 250 ok" + "C: MAIL FROM: <club@exemple.org>" +
             "S: 250 ok" + "C: DATA" + "S: 554 5.5.1 Pas de destinataire" + "C: RSET" +
             "S: 250 ok" + quitte,
         ModeTLS::SansTLS,
         "",
         {"", QStringLiteral("Pas de destinataire\r\n"), ""},
         QString()},
        {"plusieurs destinataires",
         accueil + Ehlo({}) + "C: RSET" + "S: 250 ok" + "C: MAIL FROM: <club@exemple.org>" +
             "S: 250 ok" + "C: RCPT TO:<a@exemple.net>" + "S: 251 ok" +
             "C: RCPT TO:<b@exemple.net>" + "S: 250 ok" + "C: DATA" + "S: 354 go" + "C*" +
             "S: 250 ok" + quitte,
         ModeTLS::SansTLS,
         "",
         {"", "", ""},
         QStringLiteral("a@exemple.net; Nom <b@exemple.net>")},
        {"PIPELINING : RSET, MAIL FROM et RCPT TO d'un envoi, deux messages",
         accueil + Ehlo({QStringLiteral("PIPELINING")}) + transactionGroupee + transactionGroupee +
             quitte,
         ModeTLS::SansTLS,
         "",
         {"", "", "", ""},
         QStringLiteral("dest@exemple.net"),
         true},
        {"PIPELINING offert, option éteinte : une commande à la fois",
         accueil + Ehlo({QStringLiteral("PIPELINING")}) + transaction + quitte,
         ModeTLS::SansTLS,
         "",
         {"", "", ""}},
        {"PIPELINING : MAIL FROM refusé, les réponses suivantes lues, sans RSET",
         accueil + Ehlo({QStringLiteral("PIPELINING")}) + "C: RSET" +
             "C: MAIL FROM: <club@exemple.org>" + "C: RCPT TO:<dest@exemple.net>" + "S: 250 ok" +
             "S: 553 5.1.8 Expediteur refuse" + "S: 503 5.5.1 pas de MAIL" + transactionGroupee +
             quitte,
         ModeTLS::SansTLS,
         "",
         {"", QStringLiteral("Expediteur refuse\r\n"), "", ""},
         QStringLiteral("dest@exemple.net"),
         true},
        {"PIPELINING : premier RCPT refusé, le second lu, puis RSET",
         accueil + Ehlo({QStringLiteral("PIPELINING")}) + "C: RSET" +
             "C: MAIL FROM: <club@exemple.org>" + "C: RCPT TO:<a@exemple.net>" +
             "C: RCPT TO:<b@exemple.net>" + "S: 250 ok" + "S: 250 ok" +
             "S: 550 5.1.1 Destinataire inconnu" + "S: 250 ok" + "C: RSET" + "S: 250 ok" + quitte,
         ModeTLS::SansTLS,
         "",
         {"", QStringLiteral("Destinataire inconnu\r\n"), ""},
         QStringLiteral("a@exemple.net; b@exemple.net"),
         true},
        {"le serveur ferme avant QUIT",
         accueil + Ehlo({}) + transaction + "FIN" + "C: RSET",
         ModeTLS::SansTLS,
         "",
         {"", "", QStringLiteral("La connexion s'est terminée proprement."), ""}},
    };
    for (const Dialogue& d : dialogues)
        Jouer(d);
}

TEST(ClientSMTP, CapacitesEtReponse) {
    PairScripte pair(QStringList{QStringLiteral("S: 220-srv"), QStringLiteral("S: 220 pret")} +
                     Ehlo({QStringLiteral("STARTTLS"), QStringLiteral("AUTH LOGIN")}) + quitte);
    ClientSMTP client;
    client.Hote = QStringLiteral("localhost");
    client.Port = pair.Port();
    client.NomHelo = QStringLiteral("client.test");
    client.Connecter();
    EXPECT_EQ(client.Capacites(),
              (QStringList{QStringLiteral("STARTTLS"), QStringLiteral("AUTH LOGIN")}));
    EXPECT_THROW(client.Connecter(), Erreur);
    try {
        client.DefinirModeTLS(ModeTLS::TLSExplicite);
        FAIL() << "mode changed while connected";
    } catch (const Erreur& e) {
        EXPECT_EQ(
            e.Message(),
            QStringLiteral("Cette valeur ne peut pas être définie quand le client est connecté."));
    }
    EXPECT_EQ(client.ModeTLS(), ModeTLS::SansTLS);
    client.Deconnecter(true);
    EXPECT_EQ(client.DerniereReponse().Code, QStringLiteral("221"));
    pair.Terminer();
    EXPECT_TRUE(pair.Ecarts().isEmpty()) << pair.Ecarts().join(QLatin1Char('\n')).toStdString();
}

TEST(ClientSMTP, DejaConnecteEtHoteVide) {
    ClientSMTP client;
    try {
        client.Connecter();
        FAIL() << "connected without a host";
    } catch (const Erreur& e) {
        EXPECT_TRUE(e.Message().isEmpty());
    }
    PairScripte pair(accueil + Ehlo({}));
    client.Hote = QStringLiteral("127.0.0.1");
    client.Port = pair.Port();
    client.NomHelo = QStringLiteral("client.test");
    client.Connecter();
    try {
        client.Connecter();
        FAIL() << "connected twice";
    } catch (const Erreur& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Déjà connecté."));
    }
    client.Deconnecter(false);
}

// The port the user gave is never replaced, whatever the TLS option does.
TEST(ClientSMTP, LePortNEstJamaisRemplace) {
    struct Cas {
        quint16 port;
        ModeTLS avant, apres;
        quint16 attendu;
    };
    const Cas cas[] = {
        {465, ModeTLS::SansTLS, ModeTLS::TLSExplicite, 465},
        {465, ModeTLS::TLSExplicite, ModeTLS::SansTLS, 465},
        {465, ModeTLS::TLSExplicite, ModeTLS::TLSExplicite, 465},
        {465, ModeTLS::SansTLS, ModeTLS::SansTLS, 465},
        {587, ModeTLS::SansTLS, ModeTLS::TLSExplicite, 587},
    };
    for (const Cas& c : cas) {
        ClientSMTP client;
        client.DefinirModeTLS(c.avant);
        client.Port = c.port;
        client.DefinirModeTLS(c.apres);
        EXPECT_EQ(client.Port, c.attendu);
    }
}

TEST(ClientSMTP, ArretPendantLeTransfert) {
    PairScripte pair(accueil + Ehlo({}) + "C: RSET" + "S: 250 ok" +
                     "C: MAIL FROM: <club@exemple.org>" + "S: 250 ok" +
                     "C: RCPT TO:<dest@exemple.net>" + "S: 250 ok" + "C: DATA" + "S: 354 go" +
                     "C*");
    ClientSMTP client;
    client.Hote = QStringLiteral("127.0.0.1");
    client.Port = pair.Port();
    client.NomHelo = QStringLiteral("client.test");
    QList<qint64> totaux;
    client.SurProgression = [&totaux](ClientSMTP& emetteur, SensTravail sens, qint64 total) {
        EXPECT_EQ(sens, SensTravail::Ecriture);
        totaux << total;
        emetteur.Canal().VerifierDeconnexion(true, false);
        emetteur.Canal().Fermer();
    };
    client.Connecter();
    MessageCourriel m = MessageDeTest();
    for (int i = 0; i < 2; ++i) {
        try {
            client.Envoyer(m);
            FAIL() << "sent";
        } catch (const ErreurConnexionFermee&) {
        }
    }
    EXPECT_EQ(totaux.size(), 1);
    EXPECT_GT(totaux.value(0), 0);
    client.Deconnecter(true);
    pair.Terminer();
    EXPECT_TRUE(pair.Ecarts().isEmpty()) << pair.Ecarts().join(QLatin1Char('\n')).toStdString();
}

// A stop and the end-of-data line never cross: asked before the line leaves, the line is never
// sent; asked after, the channel stays open and the server's reply is read.
TEST(ClientSMTP, ArretAvantEtApresLaFinDesDonnees) {
    MessageCourriel m = MessageDeTest();
    {
        PairScripte pair(accueil + Ehlo({}) + transaction.mid(0, 8));
        ClientSMTP client;
        client.Hote = QStringLiteral("127.0.0.1");
        client.Port = pair.Port();
        client.NomHelo = QStringLiteral("client.test");
        bool arretAccepte = false;
        client.SurProgression = [&](ClientSMTP& emetteur, SensTravail, qint64) {
            arretAccepte = emetteur.DemanderArret();
        };
        client.Connecter();
        EXPECT_EQ(ResultatAppel([&] { client.Envoyer(m); }),
                  QStringLiteral("La connexion s'est terminée proprement."));
        EXPECT_TRUE(arretAccepte) << "asked during the text: the message can still be cut";
        EXPECT_FALSE(client.Canal().Ouvert());
        pair.Terminer();
        EXPECT_FALSE(pair.Recu().contains("\r\n.\r\n")) << "the end-of-data line never left";
    }
    {
        PairScripte pair(accueil + Ehlo({}) + transaction.mid(0, 9) + "PAUSE 300" +
                         "S: 250 2.0.0 queued" + quitte);
        ClientSMTP client;
        client.Hote = QStringLiteral("127.0.0.1");
        client.Port = pair.Port();
        client.NomHelo = QStringLiteral("client.test");
        client.Connecter();
        QString resultat;
        std::thread envoi([&] { resultat = ResultatAppel([&] { client.Envoyer(m); }); });
        for (int ms = 0; ms < 10000 && !pair.Recu().contains("\r\n.\r\n"); ++ms)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        EXPECT_FALSE(client.DemanderArret()) << "the line has left: the reply decides";
        envoi.join();
        EXPECT_EQ(resultat, QString());
        EXPECT_EQ(client.DerniereReponse().CodeNumerique(), 250) << "delivered, and known to be";
        client.Deconnecter(true);
        pair.Terminer();
        EXPECT_TRUE(pair.Ecarts().isEmpty()) << pair.Ecarts().join(QLatin1Char('\n')).toStdString();
    }
}

TEST(ClientSMTP, InjectionDansLesCommandes) {
    PairScripte pair(accueil + Ehlo({}) + quitte);
    ClientSMTP client;
    client.Hote = QStringLiteral("127.0.0.1");
    client.Port = pair.Port();
    client.NomHelo = QStringLiteral("client.test");
    client.Connecter();
    MessageCourriel m = MessageDeTest();
    m.De = {{QString(), QStringLiteral("club@exemple.org>\r\nRCPT TO:<x@y.z")}};
    EXPECT_THROW(client.Envoyer(m), Erreur);
    m = MessageDeTest();
    m.Destinataires = {{QString(), QStringLiteral("dest@exemple.net>\nDATA")}};
    EXPECT_THROW(client.Envoyer(m), Erreur);
    client.Deconnecter(true);
    pair.Terminer();
    EXPECT_TRUE(pair.Ecarts().isEmpty()) << pair.Ecarts().join(QLatin1Char('\n')).toStdString();
}

TEST(ClientSMTP, EnteteIntraduisibleAvantToutEnvoi) {
    // A Russian user's header charset lacks "é": the message fails before its transaction,
    // and the next one runs its whole dialogue in step.
    PairScripte pair(accueil + Ehlo({}) + transaction + quitte);
    ClientSMTP client;
    client.Hote = QStringLiteral("127.0.0.1");
    client.Port = pair.Port();
    client.NomHelo = QStringLiteral("client.test");
    client.Sources.Jeu = JeuEntete::PourLangue(QLocale(QLocale::Russian, QLocale::Russia));
    client.Connecter();
    MessageCourriel intraduisible =
        MessageDeTest(QStringLiteral("dest@exemple.net"), QStringLiteral("Lettre d'\u00e9t\u00e9"));
    EXPECT_EQ(ResultatAppel([&] { client.Envoyer(intraduisible); }),
              QStringLiteral("Impossible d'encoder les donn\u00e9es d'en-t\u00eate avec le jeu de "
                             "caract\u00e8res \"KOI8-R\""));
    MessageCourriel m = MessageDeTest(QStringLiteral("dest@exemple.net"),
                                      QStringLiteral("\u041b\u0435\u0442\u043e"));
    EXPECT_EQ(ResultatAppel([&] { client.Envoyer(m); }), QString());
    EXPECT_EQ(ResultatAppel([&] { client.Deconnecter(true); }), QString());
    pair.Terminer();
    EXPECT_TRUE(pair.Ecarts().isEmpty()) << pair.Ecarts().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(pair.Donnees().value(0).contains("Subject: =?KOI8-R?B?7MXUzw==?="));
}

TEST(ClientSMTP, EchecApresDataCoupeLaConnexion) {
    // Once DATA is accepted, a failure must not leave a command to be read as message text.
    PairScripte pair(accueil + Ehlo({}) + transaction.mid(0, 8));
    ClientSMTP client;
    client.Hote = QStringLiteral("127.0.0.1");
    client.Port = pair.Port();
    client.NomHelo = QStringLiteral("client.test");
    client.SurProgression = [](ClientSMTP&, SensTravail, qint64) {
        throw Erreur(QStringLiteral("panne"));
    };
    client.Connecter();
    MessageCourriel m = MessageDeTest();
    EXPECT_EQ(ResultatAppel([&] { client.Envoyer(m); }), QStringLiteral("panne"));
    EXPECT_FALSE(client.Canal().Ouvert());
    EXPECT_NE(ResultatAppel([&] { client.Envoyer(m); }), QString());
    EXPECT_EQ(ResultatAppel([&] { client.Deconnecter(true); }), QString());
    pair.Terminer();
    const QByteArray apresData = pair.Recu().mid(pair.Recu().indexOf("DATA\r\n") + 6);
    EXPECT_FALSE(apresData.contains("RSET"));
    EXPECT_FALSE(apresData.contains("MAIL FROM"));
    EXPECT_FALSE(apresData.contains("QUIT"));
}

TEST(ReponseSMTP, Analyse) {
    const ReponseSMTP r = ReponseSMTP::Analyser(
        {QStringLiteral("550-5.1.1 Destinataire"), QStringLiteral("550 inconnu ici")});
    EXPECT_EQ(r.Code, QStringLiteral("550"));
    EXPECT_EQ(r.Texte,
              (QStringList{QStringLiteral("Destinataire"), QStringLiteral("inconnu ici")}));
    EXPECT_EQ(r.CodeEtendu.Texte(), QStringLiteral("5.1.1"));
    const ReponseSMTP nu =
        ReponseSMTP::Analyser({QStringLiteral("250-2.0.0 ok"), QStringLiteral("250")});
    EXPECT_FALSE(nu.CodeEtendu.Disponible);
    EXPECT_EQ(nu.Texte, (QStringList{QStringLiteral("ok"), QString()}));
    const ReponseSMTP pasCode = ReponseSMTP::Analyser({QStringLiteral("250 3.1.1 texte")});
    EXPECT_EQ(pasCode.Texte, QStringList{QStringLiteral("3.1.1 texte")});
    EXPECT_EQ(ReponseSMTP::Analyser({QStringLiteral("354")}).CodeNumerique(), 354);
    EXPECT_EQ((::CodeEtendu{4, 12345, 7, true}).Texte(), QStringLiteral("4.123.7"));
    for (const char* faux : {"99 trop petit", "abc x", "2500 x"})
        EXPECT_THROW(ReponseSMTP::Analyser({QString::fromLatin1(faux)}), Erreur) << faux;
}

TEST(ClientSMTP, NomDeSalutation) {
    // This machine's name when it is fully qualified, else the address literal of the
    // connection's own end: never an e-mail address, never a line of its own.
    const QString hote = QSysInfo::machineHostName();
    const QString repli = EstNomDomaine(hote) ? hote : QStringLiteral("[127.0.0.1]");
    const std::pair<QString, QString> cas[] = {
        {QStringLiteral("club@exemple.org"), repli},
        {QStringLiteral("mail.exemple.org"), QStringLiteral("mail.exemple.org")},
        {QString(), repli},
        {QStringLiteral("client\r\nMAIL FROM:<x@y.z>"), repli},
    };
    for (const auto& [utilisateur, nom] : cas) {
        SCOPED_TRACE(utilisateur.toStdString());
        PairScripte pair(accueil + (QStringLiteral("C: EHLO ") + nom).toUtf8().constData() +
                         "S: 250 srv" + quitte);
        ClientSMTP client;
        client.Hote = QStringLiteral("127.0.0.1");
        client.Port = pair.Port();
        client.NomHelo = utilisateur;
        client.Connecter();
        client.Deconnecter(true);
        pair.Terminer();
        EXPECT_TRUE(pair.Ecarts().isEmpty()) << pair.Ecarts().join(QLatin1Char('\n')).toStdString();
    }
}
