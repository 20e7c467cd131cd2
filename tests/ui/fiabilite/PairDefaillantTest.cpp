// The SMTP peer misbehaving at every step of a transaction, the client driven as a campaign
// drives it: each call ends with the transport's error text, the input buffer stays bounded,
// and nothing waits for ever.
#include "tests/ui/fiabilite/PairDefaillant.h"
#include "mail/ClientSMTP.h"
#include "mail/LectureAdresses.h"

#include "tests/support/ImpressionQt.h"

#include <atomic>
#include <cstring>
#include <gtest/gtest.h>
#include <thread>

namespace {

using Defaut = PairDefaillant::Defaut;

const QString kOk = QStringLiteral("ok");
const QString kFermee = QStringLiteral("La connexion s'est terminée proprement.");
const QString kLongue = QStringLiteral("Longueur de ligne maximale dépassée.");
// A line is given up past its limit; one block read by the line reader and one by the connection
// check before a command may come on top.
constexpr qsizetype kTamponMax = CanalConnexion::LongueurLigneMax + 2 * CanalConnexion::TailleBloc;

MessageCourriel Message(const QStringList& page = {QStringLiteral("<p>Lettre</p>")}) {
    MessageCourriel m;
    m.De = {LireAdresse(QStringLiteral("club@exemple.org"))};
    m.Objet = QStringLiteral("Lettre");
    m.Corps = page;
    m.Parties << PartieTexte(QStringLiteral("text/plain"), {QStringLiteral("Newsletter")})
              << PartieTexte(QStringLiteral("text/html"), page);
    LireListeAdresses(QStringLiteral("dest@exemple.net"), m.Destinataires);
    return m;
}

QString Resultat(const std::function<void()>& appel) {
    try {
        appel();
        return kOk;
    } catch (const Erreur& e) {
        return e.Message();
    }
}

void Preparer(ClientSMTP& client, quint16 port) {
    client.Hote = QStringLiteral("127.0.0.1");
    client.Port = port;
    client.NomHelo = QStringLiteral("client.test");
}

// The campaign's calls: Connecter; after a failure the channel closed without QUIT; else
// `messages` sends and QUIT. What each call gave, and the largest input buffer seen.
QStringList Campagne(Defaut defaut, int etape, int messages, qsizetype& tamponMax,
                     bool pipelining = false) {
    PairDefaillant pair(defaut, etape, pipelining);
    ClientSMTP client;
    Preparer(client, pair.Port());
    client.Pipelining = pipelining;
    QStringList r;
    tamponMax = 0;
    const auto appel = [&](const std::function<void()>& f) {
        r << Resultat(f);
        tamponMax = std::max(tamponMax, client.Canal().TamponEntree().size());
    };
    appel([&] { client.Connecter(); });
    if (r.last() != kOk) {
        client.Canal().VerifierDeconnexion(false, false);
        client.Canal().Fermer();
        return r;
    }
    MessageCourriel m = Message();
    for (int i = 0; i < messages; ++i)
        appel([&] { client.Envoyer(m); });
    appel([&] { client.Deconnecter(true); });
    client.Canal().Fermer();
    return r;
}

// What the campaign's calls give when the fault comes at each reply. EHLO and RSET accept any
// code: a refusal there is no failure, and a server that closed after it is found at the
// next command.
struct Cas {
    Defaut defaut;
    QStringList salut, ehlo, rset, transaction, quit;
};

TEST(PairDefaillant, ChaqueDefautAChaqueEtape) {
    const QString r54 = QStringLiteral("Erreur de socket # 10054\r\nConnexion réinitialisée par "
                                       "l'homologue (peer).");
    const QString r58 = QStringLiteral("Erreur de socket # 10058\r\nEnvoi ou réception impossible "
                                       "après la fermeture du socket.");
    const QString code = QStringLiteral("Le code de réponse n'est pas valide : ???");
    const QString service = QStringLiteral("Service indisponible\r\n");
    QString soixante;
    for (int i = 1; i <= 60; ++i)
        soixante += QStringLiteral("ligne %1\r\n").arg(i);
    const QString& F = kFermee;
    const QString& L = kLongue;
    const QString& ok = kOk;
    const Cas cas[] = {
        {Defaut::Reinitialisation,
         {r54},
         {r54},
         {ok, r54, r58, ok},
         {ok, r54, r58, ok},
         {ok, ok, ok, r54}},
        {Defaut::FermetureMuette, {F}, {F}, {ok, F, F, ok}, {ok, F, F, ok}, {ok, ok, ok, F}},
        // A line too long drops the connection: its rest is never read as replies.
        {Defaut::LigneSansFin, {L}, {L}, {ok, L, F, ok}, {ok, L, F, ok}, {ok, ok, ok, L}},
        {Defaut::SoixanteLignes,
         {soixante},
         {ok, ok, ok, ok},
         {ok, ok, ok, ok},
         {ok, soixante, ok, ok},
         {ok, ok, ok, soixante}},
        {Defaut::OctetsInvalides,
         {code},
         {code},
         {ok, code, F, ok},
         {ok, code, F, ok},
         {ok, ok, ok, code}},
        {Defaut::RefusPuisFermeture,
         {service},
         {F},
         {ok, F, F, ok},
         {ok, service, F, ok},
         {ok, ok, ok, service}},
    };
    // Replies: 0 greeting, 1 EHLO, 2 to 6 the first message, 12 the QUIT.
    // The same outcomes when the server offers PIPELINING: the replies come in the same order.
    for (const bool pipelining : {false, true})
        for (const Cas& c : cas) {
            for (int etape : {0, 1, 2, 3, 4, 5, 6, 12}) {
                SCOPED_TRACE(testing::Message() << "fault " << int(c.defaut) << " at reply "
                                                << etape << (pipelining ? ", pipelining" : ""));
                qsizetype tamponMax = 0;
                const QStringList r = Campagne(c.defaut, etape, 2, tamponMax, pipelining);
                const QStringList& attendu = etape == 0    ? c.salut
                                             : etape == 1  ? c.ehlo
                                             : etape == 2  ? c.rset
                                             : etape == 12 ? c.quit
                                                           : c.transaction;
                EXPECT_EQ(r, attendu);
                EXPECT_LE(tamponMax, kTamponMax);
            }
        }
}

// A server that floods the client with bytes that never end a line: the first message fails on
// the line too long, the others on the dropped connection, and the input buffer stays bounded.
TEST(PairDefaillant, DelugeSansFinDeLigneNeFaitPasEnflerLaMemoire) {
    qsizetype tamponMax = 0;
    const QStringList r = Campagne(Defaut::Deluge, 2, 40, tamponMax);
    ASSERT_EQ(r.size(), 42);
    EXPECT_EQ(r[1], kLongue);
    EXPECT_EQ(r[40], kFermee);
    EXPECT_LE(tamponMax, kTamponMax);
}

// A server that stops reading while the client writes a large message, and "Stopper": the
// blocked write ends at once with the closed-connection text, far from the end of the message.
TEST(PairDefaillant, ServeurQuiNeLitPlusEtStopper) {
    PairDefaillant pair(Defaut::LectureArretee, 5);
    ClientSMTP client;
    Preparer(client, pair.Port());
    std::atomic<qint64> ecrit{0};
    client.SurProgression = [&ecrit](ClientSMTP&, SensTravail, qint64 total) { ecrit = total; };
    client.Connecter();
    // About 30 MB: far more than the socket buffers of both ends hold.
    MessageCourriel m = Message(QStringList(300000, QString(100, u'a')));
    QString resultat;
    std::thread envoi([&] { resultat = Resultat([&] { client.Envoyer(m); }); });
    // The client is blocked once the server's queue stops growing.
    int enAttente = -1;
    while (pair.EnAttente() != enAttente || ecrit == 0) {
        enAttente = pair.EnAttente();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    // What the campaign's stop does, from the user-interface thread.
    client.Canal().VerifierDeconnexion(false, false);
    client.Canal().Fermer();
    envoi.join();
    EXPECT_EQ(resultat, kFermee);
    EXPECT_LT(ecrit, 30000000 / 2);
    EXPECT_EQ(Resultat([&] { client.Envoyer(m); }), kFermee) << "the next item fails at once";
    pair.Liberer();
}

} // namespace
