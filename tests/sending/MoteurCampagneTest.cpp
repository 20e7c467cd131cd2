#include "sending/MoteurCampagne.h"

#include "mail/ClientSMTP.h"
#include "tests/support/CourrielDeTest.h"
#include "tests/support/HorlogeReglable.h"
#include "tests/support/PairScripte.h"
#include "tests/support/ServeurSMTPReel.h"
#include "tests/support/SocketLocale.h"

#include "sending/Cadenceur.h"

#include <QJsonArray>
#include <QSet>
#include <QTimer>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

// Every event as one line, in the order it came.
class Journal : public EcouteurCampagne {
public:
    QStringList lignes;
    std::function<void()> surDebutEnvois;
    std::function<void()> surAttente;
    std::function<void()> surPause;
    qint64 finPause = 0;
    bool avecDelais = true;

    void Connexion() override { lignes << "connexion"; }
    void Connecte() override { lignes << "connecté"; }
    void DebutEnvois(int n) override {
        lignes << QString("début %1").arg(n);
        if (surDebutEnvois)
            surDebutEnvois();
    }
    void ArretEnCours(int i, int n) override { lignes << QString("arrêt %1/%2").arg(i).arg(n); }
    void Resultat(const ResultatEnvoi& r) override {
        if (r.accepte)
            lignes << QString("accepté %1 %2").arg(r.adresse).arg(r.code);
        else if (r.issueInconnue)
            lignes << QString("inconnu %1").arg(r.adresse);
        else
            lignes << QString("refusé %1 %2 %3").arg(r.adresse).arg(r.code).arg(r.codeEtendu);
    }
    void AttenteReprise(int n, std::chrono::milliseconds dans) override {
        lignes << (avecDelais ? QString("attente %1 %2s").arg(n).arg((dans.count() + 500) / 1000)
                              : QString("attente %1").arg(n));
        if (surAttente)
            surAttente();
    }
    void Progression(int i, int n) override { lignes << QString("%1/%2").arg(i).arg(n); }
    void Ralentissement(double) override {
        if (!lignes.endsWith("ralenti"))
            lignes << "ralenti";
    }
    void Pause(qint64 jusqua) override {
        lignes << "pause";
        finPause = jusqua;
        if (surPause)
            surPause();
    }
    void FinPause() override { lignes << "fin de pause"; }
    void ErreurRegistre(const std::exception& e) override {
        lignes << QString("registre perdu: %1").arg(e.what());
    }
    void Fin(FinCampagne fin, const QString& motif) override {
        static const char* noms[] = {"terminée", "annulée", "injoignable", "stoppée",
                                     "session",  "erreur",  "fermeture"};
        lignes << QString("fin %1").arg(noms[int(fin)]);
        this->motif = motif;
    }
    QString motif;
};

// The record as the engine keeps it, one line per call; the call numbered `echec` (from 1)
// fails.
class Registre : public RegistreCampagne {
public:
    QStringList lignes;
    int echec = 0;

    void Ouvrir() override { Noter("ouvert"); }
    void Essai(const QString& a) override { Noter("essai " + a); }
    void Resultat(const ResultatEnvoi& r) override {
        Noter((r.accepte ? "accepté " : "refusé ") + r.adresse);
    }
    void Temporaire(const ResultatEnvoi& r) override { Noter("temporaire " + r.adresse); }
    void Pause(qint64) override { Noter("pause"); }

private:
    void Noter(const QString& ligne) {
        if (lignes.size() + 1 == echec)
            throw std::runtime_error("disque plein");
        lignes << ligne;
    }
};

// Faster than the system's (a thousand times by default: a back-off of a minute passes in
// 60 ms).
class HorlogeRapide : public Horloge {
public:
    explicit HorlogeRapide(int facteur = 1000) : facteur_(facteur) {}
    Instant Maintenant() const override {
        return debut_ + (std::chrono::steady_clock::now() - debut_) * facteur_;
    }

private:
    const int facteur_;
    const Instant debut_ = std::chrono::steady_clock::now();
};

struct Banc {
    ClientSMTP client;
    // A checking build under load may take seconds to connect; the silent-server case shortens it.
    MoteurCampagne moteur{client,
                          {.connexion = 25s, .reponseFinDeDonnees = 30s, .finEnvoiArrete = 300ms}};
    Journal journal;

    explicit Banc(quint16 port) {
        client.Hote = "127.0.0.1";
        client.Port = port;
        client.Utilisateur = "jean";
        client.MotDePasse = "secret";
    }
    // A fast clock: the limits, counted on it, grow with it so that a real connection still
    // has its seconds.
    void Accelerer(const HorlogeRapide& horloge) {
        moteur.DefinirHorloge(horloge);
        moteur.LimitesEnVigueur().connexion = 10h;
        moteur.LimitesEnVigueur().reponseFinDeDonnees = 10h;
    }
    // For a scripted peer: the greeting name it expects, no login.
    void Scripte() {
        client.NomHelo = "client.test";
        client.Utilisateur.clear();
    }
    FinCampagne Executer(const QStringList& adresses,
                         const MessageCourriel& message = MessageDeTest(),
                         RegistreCampagne* registre = nullptr) {
        return moteur.Executer(message, adresses, journal, registre);
    }
};

// A scripted peer that takes a message to a@exemple.fr up to its DATA, then plays `suite`.
QStringList JusquaDonnees(const QStringList& suite) {
    return QStringList{"S: 220 pair", "C: EHLO client.test",
                       "S: 250 pair", "C: RSET",
                       "S: 250 ok",   "C: MAIL FROM: <club@exemple.org>",
                       "S: 250 ok",   "C: RCPT TO:<a@exemple.fr>",
                       "S: 250 ok",   "C: DATA",
                       "S: 354 go"} +
           suite;
}

// The address's outcome and the campaign's end as the server saw them: each told once, in order.
TEST(MoteurCampagne, UneCampagneEntiereAvecUnRefus) {
    ServeurSMTPReel serveur({.refuser = {"refuse@exemple.fr"}});
    Banc b(serveur.Port());
    EXPECT_EQ(b.Executer({"a@exemple.fr", "refuse@exemple.fr", "c@exemple.fr, d@exemple.fr"}),
              FinCampagne::Terminee);
    EXPECT_EQ(b.journal.lignes,
              QStringList({"connexion", "connecté", "début 3", "accepté a@exemple.fr 250", "1/3",
                           "refusé refuse@exemple.fr 550 5.1.1", "2/3",
                           "accepté c@exemple.fr, d@exemple.fr 250", "3/3", "fin terminée"}));
    EXPECT_EQ(serveur.NombreMessages(), 2);
}

// A campaign that never connects: refused, silent beyond the limit, stopped, refused login.
TEST(MoteurCampagne, ConnexionQuiNAboutitPas) {
    {
        Banc b(PortLibre());
        EXPECT_EQ(b.Executer({"a@exemple.fr"}), FinCampagne::Injoignable);
        EXPECT_EQ(b.journal.lignes, QStringList({"connexion", "fin injoignable"}));
        EXPECT_FALSE(b.journal.motif.isEmpty()) << "the connection's own error is kept";
    }
    {
        PairScripte muet({"PAUSE 2000"});
        Banc b(muet.Port());
        b.moteur.LimitesEnVigueur().connexion = 400ms;
        EXPECT_EQ(b.Executer({"a@exemple.fr"}), FinCampagne::Injoignable);
        EXPECT_EQ(b.journal.lignes, QStringList({"connexion", "fin injoignable"}));
        EXPECT_EQ(b.journal.motif, "") << "a time-out has no words of the server";
    }
    {
        // The limit covers the login too: a server silent after AUTH is given up the same way.
        PairScripte muet({"S: 220 pair", "C: EHLO client.test", "S: 250-pair", "S: 250 AUTH LOGIN",
                          "C: AUTH LOGIN", "PAUSE 2000"});
        Banc b(muet.Port());
        b.client.NomHelo = "client.test";
        b.moteur.LimitesEnVigueur().connexion = 400ms;
        EXPECT_EQ(b.Executer({"a@exemple.fr"}), FinCampagne::Injoignable);
        EXPECT_EQ(b.journal.lignes, QStringList({"connexion", "fin injoignable"}));
    }
    {
        PairScripte muet({"PAUSE 2000"});
        Banc b(muet.Port());
        QTimer::singleShot(100, [&] { b.moteur.DemanderArret(); });
        EXPECT_EQ(b.Executer({"a@exemple.fr"}), FinCampagne::ConnexionAnnulee);
        EXPECT_EQ(b.journal.lignes, QStringList({"connexion", "fin annulée"}));
    }
    {
        ServeurSMTPReel serveur({.motDePasse = QStringLiteral("autre")});
        Banc b(serveur.Port());
        EXPECT_EQ(b.Executer({"a@exemple.fr", "b@exemple.fr"}), FinCampagne::SessionRefusee);
        EXPECT_EQ(b.journal.lignes.first(), "connexion");
        EXPECT_EQ(b.journal.lignes.last(), "fin session");
        EXPECT_FALSE(b.journal.lignes.join(' ').contains("refusé")) << "no address is at fault";
        EXPECT_TRUE(b.journal.motif.startsWith("Le serveur a refusé le nom d'utilisateur"));
        EXPECT_EQ(serveur.JournalAuth(), QStringList{"LOGIN refus"});
    }
}

// A stop once the end-of-data line has left: the reply, held by the server, is waited for, and
// the message it delivered is told as accepted; nothing after it starts.
TEST(MoteurCampagne, ArretApresLaFinDesDonneesAttendLaReponse) {
    ServeurSMTPReel serveur({.retenue = 2});
    Banc b(serveur.Port());
    QTimer guet;
    QObject::connect(&guet, &QTimer::timeout, [&] {
        if (serveur.NombreMessages() == 1) {
            guet.stop();
            b.moteur.DemanderArret();
        }
    });
    b.journal.surDebutEnvois = [&] { guet.start(20); };
    EXPECT_EQ(b.Executer({"a@exemple.fr", "b@exemple.fr"}), FinCampagne::Stoppee);
    EXPECT_EQ(b.journal.lignes, QStringList({"connexion", "connecté", "début 2", "arrêt 1/2",
                                             "accepté a@exemple.fr 250", "1/2", "fin stoppée"}));
    EXPECT_EQ(serveur.NombreMessages(), 1);
}

// A stop while the text is still being written: the end-of-data line never leaves, so the
// server cannot deliver it, and it is told as not sent.
TEST(MoteurCampagne, ArretAvantLaFinDesDonneesNeLivreRien) {
    PairScripte pair(JusquaDonnees({"PAUSE 3000", "C*"}));
    Banc b(pair.Port());
    b.Scripte();
    // Far more than the socket buffers hold: the client is still writing while the peer waits.
    MessageCourriel message = MessageDeTest(
        "a@exemple.fr", "Lettre", QStringList(200000, QStringLiteral("<p>ligne de la page</p>")));
    b.journal.surDebutEnvois = [&] { QTimer::singleShot(500, [&] { b.moteur.DemanderArret(); }); };
    EXPECT_EQ(b.Executer({"a@exemple.fr", "b@exemple.fr"}, message), FinCampagne::Stoppee);
    ASSERT_EQ(b.journal.lignes.size(), 7) << b.journal.lignes.join(" | ").toStdString();
    EXPECT_EQ(b.journal.lignes[3], "arrêt 1/2");
    EXPECT_TRUE(b.journal.lignes[4].startsWith("refusé a@exemple.fr 0"));
    EXPECT_EQ(b.journal.lignes.mid(5), QStringList({"1/2", "fin stoppée"}));
    pair.Terminer();
    EXPECT_FALSE(pair.Recu().contains("\r\n.\r\n")) << "the end-of-data line never left";
}

// A temporary refusal is tried again after each back-off, on the engine's clock, while the
// other addresses go on; out of tries, it is final with the server's last reply. A server
// that ends the connection with 421 after two messages is joined again, and the 421 uses no
// try of the address it met. Every address is told once, and delivered once.
TEST(MoteurCampagne, ReprisesApresUnRefusTemporaireOuUneConnexionFermee) {
    ServeurSMTPReel serveur(
        {.temporaires = {"b@exemple.fr=2", "d@exemple.fr=9"}, .parConnexion = 2});
    Banc b(serveur.Port());
    HorlogeRapide horloge;
    b.Accelerer(horloge);
    b.journal.avecDelais = false;
    EXPECT_EQ(b.Executer({"a@exemple.fr", "b@exemple.fr", "c@exemple.fr", "d@exemple.fr"}),
              FinCampagne::Terminee);
    // How the waits of b and d interleave depends on the real time between them.
    QStringList issues, attentes;
    for (const QString& l : std::as_const(b.journal.lignes))
        (l.startsWith("attente") ? attentes : issues) << l;
    EXPECT_EQ(issues, QStringList({"connexion", "connecté", "début 4", "accepté a@exemple.fr 250",
                                   "1/4", "accepté c@exemple.fr 250", "2/4",
                                   // "Trop de messages sur cette connexion": a limit.
                                   "ralenti", "accepté b@exemple.fr 250", "3/4",
                                   // d's fourth refusal: out of tries.
                                   "refusé d@exemple.fr 450 4.2.1", "4/4", "fin terminée"}))
        << b.journal.lignes.join(" | ").toStdString();
    EXPECT_EQ(attentes.first(), "attente 1");
    EXPECT_TRUE(attentes.contains("attente 2")) << "b and d wait together";
    EXPECT_EQ(attentes.last(), "attente 0");
    QStringList livres;
    for (int n = 1; n <= serveur.NombreMessages(); ++n)
        livres << serveur.Enveloppe(n)["rcpt_tos"].toArray().first().toString();
    EXPECT_EQ(livres, QStringList({"a@exemple.fr", "c@exemple.fr", "b@exemple.fr"}));
}

// A stop while addresses wait for a new try: each is told with the reply it last had, and the
// campaign ends at once.
TEST(MoteurCampagne, ArretPendantUneAttenteDeReprise) {
    ServeurSMTPReel serveur({.temporaires = {"b@exemple.fr=9"}});
    Banc b(serveur.Port());
    b.journal.surAttente = [&] { QTimer::singleShot(50, [&] { b.moteur.DemanderArret(); }); };
    EXPECT_EQ(b.Executer({"a@exemple.fr", "b@exemple.fr"}), FinCampagne::Stoppee);
    EXPECT_EQ(b.journal.lignes,
              QStringList({"connexion", "connecté", "début 2", "accepté a@exemple.fr 250", "1/2",
                           "attente 1 60s", "refusé b@exemple.fr 450 4.2.1", "fin stoppée"}));
}

// The connection lost after the end-of-data line: the server may have delivered the message,
// so it is told as such and never tried again.
TEST(MoteurCampagne, IssueInconnueJamaisRenvoyee) {
    PairScripte pair(JusquaDonnees({"C*", "COUPE"}));
    Banc b(pair.Port());
    b.Scripte();
    EXPECT_EQ(b.Executer({"a@exemple.fr"}), FinCampagne::Terminee);
    EXPECT_EQ(b.journal.lignes, QStringList({"connexion", "connecté", "début 1",
                                             "inconnu a@exemple.fr", "1/1", "fin terminée"}));
    pair.Terminer();
    EXPECT_EQ(pair.Donnees().size(), 1);
}

// The record follows the campaign, a try before its outcome (only a message whose end of data
// may leave: a refused recipient was never tried); one that fails is told once and the
// sending goes on without it.
TEST(MoteurCampagne, RegistreDeLaCampagne) {
    ServeurSMTPReel serveur({.refuser = {"refuse@exemple.fr"}, .temporaires = {"b@exemple.fr=1"}});
    const QStringList adresses{"a@exemple.fr", "b@exemple.fr", "refuse@exemple.fr"};
    {
        Banc b(serveur.Port());
        HorlogeRapide horloge;
        b.Accelerer(horloge);
        Registre registre;
        EXPECT_EQ(b.Executer(adresses, MessageDeTest(), &registre), FinCampagne::Terminee);
        EXPECT_EQ(registre.lignes,
                  QStringList({"ouvert", "essai a@exemple.fr", "accepté a@exemple.fr",
                               "temporaire b@exemple.fr", "refusé refuse@exemple.fr",
                               "essai b@exemple.fr", "accepté b@exemple.fr"}))
            << "a try is on record only once its end-of-data line may leave";
    }
    Banc b(serveur.Port());
    b.moteur.LimitesEnVigueur().reprises = {};
    Registre registre;
    registre.echec = 3;
    EXPECT_EQ(b.Executer(adresses, MessageDeTest(), &registre), FinCampagne::Terminee);
    EXPECT_EQ(registre.lignes, QStringList({"ouvert", "essai a@exemple.fr"}));
    EXPECT_EQ(b.journal.lignes.count("registre perdu: disque plein"), 1);
    EXPECT_EQ(b.journal.lignes.last(), "fin terminée");
    EXPECT_EQ(serveur.NombreMessages(), 2 + 2) << "a and b delivered by each campaign";
}

// The user's pace: five messages, two per connection (QUIT, then a new one), six a minute.
TEST(MoteurCampagne, CadenceParMinuteEtParConnexion) {
    ServeurSMTPReel serveur({});
    Banc b(serveur.Port());
    b.moteur.LimitesEnVigueur().messagesParConnexion = 2;
    b.moteur.LimitesEnVigueur().messagesParMinute = 6;
    // A hundred times faster: the ten seconds between two messages pass in 100 ms.
    HorlogeRapide horloge(100);
    b.Accelerer(horloge);
    const Horloge::Instant debut = horloge.Maintenant();
    EXPECT_EQ(b.Executer(
                  {"a@exemple.fr", "b@exemple.fr", "c@exemple.fr", "d@exemple.fr", "e@exemple.fr"}),
              FinCampagne::Terminee);
    EXPECT_GE(horloge.Maintenant() - debut, 40s) << "four gaps of ten seconds";
    ASSERT_EQ(serveur.NombreMessages(), 5);
    QList<int> connexions;
    for (int n = 1; n <= 5; ++n)
        connexions << serveur.Enveloppe(n)["connexion"].toInt();
    EXPECT_EQ(connexions[0], connexions[1]);
    EXPECT_NE(connexions[1], connexions[2]);
    EXPECT_EQ(connexions[2], connexions[3]);
    EXPECT_NE(connexions[3], connexions[4]);
}

} // namespace

// Three connections share the list: every address is told once and delivered once, by the
// server's count, a temporary refusal included; the progress counts each address once, in order.
TEST(MoteurCampagne, TroisConnexionsSePartagentLaListe) {
    // Each reply held a little: every connection has opened before the list runs out.
    ServeurSMTPReel serveur(
        {.refuser = {"refuse@exemple.fr"}, .temporaires = {"b@exemple.fr=1"}, .retenue = 0.2});
    Banc b(serveur.Port());
    b.moteur.LimitesEnVigueur().connexions = 3;
    HorlogeRapide horloge;
    b.Accelerer(horloge);
    QStringList adresses{"refuse@exemple.fr", "b@exemple.fr"};
    for (int i = 0; i < 13; ++i)
        adresses << QString("n%1@exemple.fr").arg(i);
    EXPECT_EQ(b.Executer(adresses), FinCampagne::Terminee);
    QStringList resultats, progression;
    for (const QString& l : std::as_const(b.journal.lignes)) {
        if (l.startsWith("accepté") || l.startsWith("refusé"))
            resultats << l.section(' ', 1, 1);
        else if (l.contains('/') && !l.startsWith("arrêt"))
            progression << l;
    }
    resultats.sort();
    QStringList attendus = adresses;
    attendus.sort();
    EXPECT_EQ(resultats, attendus) << "each address told once";
    ASSERT_EQ(progression.size(), 15);
    EXPECT_EQ(progression.last(), "15/15");
    EXPECT_TRUE(b.journal.lignes.contains("refusé refuse@exemple.fr 550 5.1.1"));
    QMap<QString, int> livraisons;
    QSet<int> connexions;
    for (int n = 1; n <= serveur.NombreMessages(); ++n) {
        livraisons[serveur.Enveloppe(n)["rcpt_tos"].toArray().first().toString()] += 1;
        connexions << serveur.Enveloppe(n)["connexion"].toInt();
    }
    EXPECT_EQ(livraisons.size(), 14) << "every address but the refused one";
    for (auto it = livraisons.cbegin(); it != livraisons.cend(); ++it)
        EXPECT_EQ(it.value(), 1) << it.key().toStdString();
    EXPECT_EQ(connexions.size(), 3);
}

// A stop while three connections send: nothing is told twice and the campaign ends stopped,
// every message the server delivered told as accepted.
TEST(MoteurCampagne, ArretAvecTroisConnexions) {
    ServeurSMTPReel serveur({.retenue = 1});
    Banc b(serveur.Port());
    b.moteur.LimitesEnVigueur().connexions = 3;
    QStringList adresses;
    for (int i = 0; i < 12; ++i)
        adresses << QString("n%1@exemple.fr").arg(i);
    QTimer guet;
    QObject::connect(&guet, &QTimer::timeout, [&] {
        if (serveur.NombreMessages() >= 2) {
            guet.stop();
            b.moteur.DemanderArret();
        }
    });
    b.journal.surDebutEnvois = [&] { guet.start(20); };
    EXPECT_EQ(b.Executer(adresses), FinCampagne::Stoppee);
    QStringList acceptes;
    for (const QString& l : std::as_const(b.journal.lignes))
        if (l.startsWith("accepté"))
            acceptes << l.section(' ', 1, 1);
    QStringList livres;
    for (int n = 1; n <= serveur.NombreMessages(); ++n)
        livres << serveur.Enveloppe(n)["rcpt_tos"].toArray().first().toString();
    acceptes.sort();
    livres.sort();
    EXPECT_EQ(acceptes, livres) << b.journal.lignes.join(" | ").toStdString();
    EXPECT_LT(livres.size(), 12);
    EXPECT_EQ(b.journal.lignes.last(), "fin stoppée");
}

// A server that takes 20 messages a second and defers MAIL beyond: every connection slows
// down together, no address is put in error, each is delivered once.
TEST(MoteurCampagne, UnServeurQuiLimiteLeDebit) {
    for (const int connexions : {1, 4}) {
        ServeurSMTPReel serveur({.debit = 20});
        Banc b(serveur.Port());
        b.moteur.LimitesEnVigueur().connexions = connexions;
        QStringList adresses;
        for (int i = 0; i < 40; ++i)
            adresses << QString("n%1@exemple.fr").arg(i);
        Registre registre;
        EXPECT_EQ(b.Executer(adresses, MessageDeTest(), &registre), FinCampagne::Terminee);
        EXPECT_TRUE(b.journal.lignes.contains("ralenti")) << connexions;
        EXPECT_EQ(b.journal.lignes.filter("refusé").size(), 0)
            << b.journal.lignes.join(" | ").toStdString();
        EXPECT_EQ(b.journal.lignes.filter("accepté").size(), 40);
        QSet<QString> livres;
        for (int n = 1; n <= serveur.NombreMessages(); ++n)
            livres << serveur.Enveloppe(n)["rcpt_tos"].toArray().first().toString();
        EXPECT_EQ(serveur.NombreMessages(), 40);
        EXPECT_EQ(livres.size(), 40);
        EXPECT_EQ(registre.lignes.filter("refusé").size(), 0);
    }
}

// A daily quota reached: the campaign pauses a day after the refusal, the addresses waiting,
// none in error; the next day it goes on by itself and sends nothing twice.
TEST(MoteurCampagne, QuotaJournalierPauseEtReprise) {
    ServeurSMTPReel serveur({.quota = 2});
    Banc b(serveur.Port());
    HorlogeReglable horloge;
    b.moteur.DefinirHorloge(horloge);
    Registre registre;
    qint64 refus = 0;
    b.journal.surPause = [&] {
        refus = horloge.Date();
        serveur.RemettreQuota();
        horloge.Avancer(24h);
    };
    const QStringList adresses{"a@exemple.fr", "b@exemple.fr", "c@exemple.fr", "d@exemple.fr",
                               "e@exemple.fr"};
    EXPECT_EQ(b.Executer(adresses, MessageDeTest(), &registre), FinCampagne::Terminee);
    EXPECT_EQ(b.journal.lignes,
              QStringList({"connexion", "connecté", "début 5", "accepté a@exemple.fr 250", "1/5",
                           "accepté b@exemple.fr 250", "2/5", "pause", "fin de pause",
                           "accepté c@exemple.fr 250", "3/5", "accepté d@exemple.fr 250", "4/5",
                           "accepté e@exemple.fr 250", "5/5", "fin terminée"}));
    EXPECT_NEAR(double(b.journal.finPause - refus), double(Cadenceur::kJour), 60'000)
        << "a day after the refusal, the server giving no date";
    EXPECT_TRUE(registre.lignes.contains("pause"));
    QStringList livres;
    for (int n = 1; n <= serveur.NombreMessages(); ++n)
        livres << serveur.Enveloppe(n)["rcpt_tos"].toArray().first().toString();
    EXPECT_EQ(livres, adresses);
}

// The same refusal after the end of data for three addresses in a row: the message is
// refused, not the addresses. The campaign ends with the server's words, no address in error,
// the three on record as still to send.
TEST(MoteurCampagne, MemeRefusPourTroisAdressesArreteLaCampagne) {
    ServeurSMTPReel serveur({.refusDonnees = "554 5.7.1 Message refuse: contenu non accepte"});
    Banc b(serveur.Port());
    Registre registre;
    EXPECT_EQ(b.Executer({"a@exemple.fr", "b@exemple.fr", "c@exemple.fr", "d@exemple.fr"},
                         MessageDeTest(), &registre),
              FinCampagne::SessionRefusee);
    EXPECT_EQ(b.journal.lignes, QStringList({"connexion", "connecté", "début 4", "fin session"}));
    EXPECT_EQ(b.journal.motif, "Message refuse: contenu non accepte");
    EXPECT_EQ(registre.lignes.filter("refusé").size(), 0);
    EXPECT_EQ(registre.lignes.filter("temporaire").size(), 3);
}

// A sender the server refuses for good: the campaign ends with its words, no address blamed.
// A refused login is known at the connection: no journal is begun, no address tried.
TEST(MoteurCampagne, ExpediteurOuConnexionRefusesNeMettentAucuneAdresseEnErreur) {
    {
        PairScripte pair({"S: 220 pair", "C: EHLO client.test", "S: 250 pair", "C: RSET",
                          "S: 250 ok", "C: MAIL FROM: <club@exemple.org>",
                          "S: 553 5.7.1 <club@exemple.org>: Sender address rejected: not owned "
                          "by user",
                          "C: QUIT", "S: 221 bye"});
        Banc b(pair.Port());
        b.Scripte();
        EXPECT_EQ(b.Executer({"a@exemple.fr", "b@exemple.fr"}), FinCampagne::SessionRefusee);
        EXPECT_EQ(b.journal.lignes,
                  QStringList({"connexion", "connecté", "début 2", "fin session"}));
        EXPECT_EQ(b.journal.motif,
                  "<club@exemple.org>: Sender address rejected: not owned by user");
        pair.Terminer();
        EXPECT_TRUE(pair.Ecarts().isEmpty()) << pair.Ecarts().join('\n').toStdString();
    }
    ServeurSMTPReel serveur({.motDePasse = QStringLiteral("autre")});
    Banc b(serveur.Port());
    Registre registre;
    EXPECT_EQ(b.Executer({"a@exemple.fr"}, MessageDeTest(), &registre),
              FinCampagne::SessionRefusee);
    EXPECT_EQ(b.journal.lignes, QStringList({"connexion", "fin session"}));
    EXPECT_TRUE(registre.lignes.isEmpty()) << registre.lignes.join(' ').toStdString();
}

// An address that cannot travel to this server (accents without SMTPUTF8) is the address's
// fault: it is in error, and the campaign goes on.
TEST(MoteurCampagne, AdresseQuiNePeutPartirEstEnErreur) {
    ServeurSMTPReel serveur({});
    Banc b(serveur.Port());
    EXPECT_EQ(b.Executer({"élise@exemple.fr", "b@exemple.fr"}), FinCampagne::Terminee);
    EXPECT_EQ(b.journal.lignes.filter("refusé élise@exemple.fr").size(), 1)
        << b.journal.lignes.join(" | ").toStdString();
    EXPECT_TRUE(b.journal.lignes.contains("accepté b@exemple.fr 250"));
    EXPECT_EQ(serveur.NombreMessages(), 1);
}
