#include "mail/CanalConnexion.h"
#include "mail/ErreursTransport.h"
#include "mail/TableErreursSocket.h"
#include "tests/support/PairScripte.h"

#include "tests/support/ImpressionQt.h"
#include "tests/support/SocketLocale.h"
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <future>

#include <gtest/gtest.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {
void Connecter(CanalConnexion& canal, const PairScripte& pair, const char* hote = "127.0.0.1") {
    canal.Hote = QString::fromLatin1(hote);
    canal.Port = pair.Port();
    canal.Ouvrir();
}

// A listening socket whose accept queue is full: a further connect waits for an answer that
// never comes.
class PairMuet {
public:
    PairMuet() {
        ecoute_ = SocketLocale(port_);
        ::listen(ecoute_, 0);
        sockaddr_in a = AdresseLocale(port_);
        for (int i = 0; i < 4; ++i) {
            const int s = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            ::connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
            remplissage_.push_back(s);
        }
        std::this_thread::sleep_for(100ms);
    }
    ~PairMuet() {
        for (int s : remplissage_)
            ::close(s);
        ::close(ecoute_);
    }
    quint16 Port() const { return port_; }

private:
    int ecoute_;
    quint16 port_;
    std::vector<int> remplissage_;
};

// Records what the channel forwards, and may close the channel from the notification.
class Suivi : public ProprietaireCanal {
public:
    CanalConnexion* aFermer = nullptr;
    QList<qint64> travaux;
    void DebutTravail(SensTravail, qint64) override {}
    void Travail(SensTravail, qint64 n) override {
        travaux << n;
        if (aFermer) {
            aFermer->VerifierDeconnexion(true, false);
            aFermer->Fermer();
        }
    }
    void FinTravail(SensTravail) override {}
};
} // namespace

TEST(CanalConnexion, HotesLusSansResolveur) {
    for (const char* hote : {"LOCALHOST", "localhost", "LocalHost", "127.0.0.1", "0.0.0.0",
                             "255.255.255.255", "10.020.3.4"})
        EXPECT_TRUE(CanalConnexion::SansResolveur(QString::fromLatin1(hote))) << hote;
    for (const char* hote : {"256.1.1.1", "1.2.3", "1.2.3.4.5", "1..2.3", "a.b.c.d", "", "1.2.3.-4",
                             "1.2.3.4 ", "0001.2.3.4", "localhost."})
        EXPECT_FALSE(CanalConnexion::SansResolveur(QString::fromLatin1(hote))) << hote;
}

TEST(CanalConnexion, TableDesErreurs) {
    struct Cas {
        int numero;
        const char* texte;
    };
    const std::pair<int, Cas> systeme[] = {
        {ECONNREFUSED, {10061, "Connexion refusée."}},
        {ETIMEDOUT, {10060, "Délai de connexion dépassé."}},
        {ECONNRESET, {10054, "Connexion réinitialisée par l'homologue (peer)."}},
        {EPIPE, {10058, "Envoi ou réception impossible après la fermeture du socket."}},
        {ECONNABORTED, {10053, "Le logiciel a provoqué l'interruption de la connexion."}},
        {EAGAIN, {10035, "L'opération risquerait de bloquer."}},
        {ENOTEMPTY, {10066, "Répertoire non vide"}},
    };
    for (const auto& [code, attendu] : systeme) {
        const ErreurSocket e = TableErreursSocket::ErreurSysteme(code);
        EXPECT_EQ(e.Numero(), attendu.numero);
        EXPECT_EQ(e.Message(), QStringLiteral("Erreur de socket # %1\r\n%2")
                                   .arg(attendu.numero)
                                   .arg(QString::fromUtf8(attendu.texte)));
    }
    const std::pair<int, Cas> resolveur[] = {
        {EAI_NONAME, {11001, "Hôte non trouvé."}},
        {EAI_AGAIN, {11002, ""}},
        {EAI_FAIL, {11003, ""}},
        {EAI_MEMORY, {8, ""}},
        {EAI_SERVICE, {10109, ""}},
        {EAI_FAMILY, {10047, "Famille d'adresse non supportée par la famille de protocole."}},
    };
    for (const auto& [code, attendu] : resolveur) {
        const int numero = TableErreursSocket::NumeroResolveur(code, 0);
        EXPECT_EQ(numero, attendu.numero);
        EXPECT_EQ(TableErreursSocket::Texte(numero), QString::fromUtf8(attendu.texte));
    }
}

TEST(CanalConnexion, LocalhostEnMinusculesVaSurLeBouclage) {
    PairScripte pair({QStringLiteral("S: 220 ok")});
    CanalConnexion canal;
    Connecter(canal, pair, "localhost");
    EXPECT_EQ(canal.AdressePair(), QStringLiteral("127.0.0.1:%1").arg(pair.Port()));
    EXPECT_TRUE(canal.AdresseLocale().startsWith(QLatin1String("127.0.0.1:")));
    EXPECT_EQ(canal.LireLigne(), QStringLiteral("220 ok"));
    EXPECT_TRUE(canal.EstConnecte());
    canal.Fermer();
    canal.Fermer();
    EXPECT_FALSE(canal.EstConnecte());
}

TEST(CanalConnexion, ConnexionRefusee) {
    CanalConnexion canal;
    canal.Hote = QStringLiteral("127.0.0.1");
    canal.Port = PortLibre();
    try {
        canal.Ouvrir();
        FAIL() << "connected";
    } catch (const ErreurSocket& e) {
        EXPECT_EQ(e.Numero(), 10061);
        EXPECT_EQ(e.Message(), QStringLiteral("Erreur de socket # 10061\r\nConnexion refusée."));
    }
    EXPECT_FALSE(canal.SocketAlloue());
    EXPECT_FALSE(canal.Ouvert());
}

TEST(CanalConnexion, LongueurDeLigne) {
    const QByteArray a16383(16383, 'a'), b16384(16384, 'b');
    PairScripte pair({QStringLiteral("S~") +
                      QString::fromLatin1(a16383 + "\r\n" + b16384 + "\n" + b16384 + "\r\n")});
    CanalConnexion canal;
    Connecter(canal, pair);
    EXPECT_EQ(canal.LireLigne().toLatin1(), a16383);
    EXPECT_EQ(canal.LireLigne().toLatin1(), b16384);
    try {
        canal.LireLigne();
        FAIL() << "line accepted";
    } catch (const Erreur& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Longueur de ligne maximale dépassée."));
    }
    // The rest of that line must never be read as a reply: the connection is dropped.
    EXPECT_FALSE(canal.EstConnecte());
    EXPECT_TRUE(canal.TamponEntree().isEmpty());
    EXPECT_THROW(canal.LireLigne(), ErreurConnexionFermee);
    canal.Fermer();
}

TEST(CanalConnexion, OctetsRecusApresLaFermetureDuPair) {
    PairScripte pair({QStringLiteral("S~un\r\ndeux\r\nreste sans fin"), QStringLiteral("COUPE")});
    CanalConnexion canal;
    Connecter(canal, pair);
    pair.Terminer();
    EXPECT_EQ(canal.LireLigne(), QStringLiteral("un"));
    EXPECT_EQ(canal.LireLigne(), QStringLiteral("deux"));
    EXPECT_THROW(canal.LireLigne(), ErreurConnexionFermee);
    EXPECT_TRUE(canal.FermeParPair());
    EXPECT_FALSE(canal.SocketAlloue());
    // The partial line stays unread; a write fails at once all the same.
    EXPECT_EQ(canal.TamponEntree(), QByteArray("reste sans fin"));
    EXPECT_THROW(canal.EcrireLigne(QStringLiteral("QUIT")), ErreurConnexionFermee);
}

TEST(CanalConnexion, EcritureEtProgression) {
    PairScripte pair({QStringLiteral("C: EHLO t\u00e9"), QStringLiteral("C: A"),
                      QStringLiteral("C: B"), QStringLiteral("C: C")});
    Suivi suivi;
    CanalConnexion canal(&suivi);
    Connecter(canal, pair);
    canal.EcrireLigne(QStringLiteral("EHLO t\u00e9"));
    canal.EcrireBlocLignes({"A", "B", "C"});
    EXPECT_EQ(suivi.travaux, (QList<qint64>{10, 9}));
    canal.Fermer();
    pair.Terminer();
    EXPECT_EQ(pair.Recu(), QByteArray("EHLO t\xc3\xa9\r\nA\r\nB\r\nC\r\n"));
    EXPECT_TRUE(pair.Ecarts().isEmpty()) << pair.Ecarts().join(QLatin1Char('\n')).toStdString();
}

TEST(CanalConnexion, FermerDepuisLaProgression) {
    PairScripte pair({QStringLiteral("C: un")});
    Suivi suivi;
    CanalConnexion canal(&suivi);
    suivi.aFermer = &canal;
    Connecter(canal, pair);
    canal.EcrireLigne(QStringLiteral("un"));
    EXPECT_FALSE(canal.SocketAlloue());
    EXPECT_THROW(canal.EcrireLigne(QStringLiteral("deux")), ErreurConnexionFermee);
    pair.Terminer();
    EXPECT_EQ(pair.Recu(), QByteArray("un\r\n"));
}

TEST(CanalConnexion, FermerDepuisUnAutreFilPendantUneLecture) {
    PairScripte pair({QStringLiteral("S: 220 ok")});
    CanalConnexion canal;
    Connecter(canal, pair);
    EXPECT_EQ(canal.LireLigne(), QStringLiteral("220 ok"));
    auto lecture = std::async(std::launch::async, [&] { canal.LireLigne(); });
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(lecture.wait_for(0s), std::future_status::timeout);
    canal.Fermer();
    ASSERT_EQ(lecture.wait_for(1s), std::future_status::ready);
    EXPECT_THROW(lecture.get(), Erreur);
    canal.Fermer();
}

TEST(CanalConnexion, FermerDepuisUnAutreFilPendantLaConnexion) {
    PairMuet muet;
    CanalConnexion canal;
    canal.Hote = QStringLiteral("127.0.0.1");
    canal.Port = muet.Port();
    auto connexion = std::async(std::launch::async, [&] { canal.Ouvrir(); });
    std::this_thread::sleep_for(300ms);
    ASSERT_EQ(connexion.wait_for(0s), std::future_status::timeout) << "the peer accepted";
    canal.VerifierDeconnexion(false, false);
    canal.Fermer();
    ASSERT_EQ(connexion.wait_for(1s), std::future_status::ready);
    EXPECT_THROW(connexion.get(), ErreurSocket);
    EXPECT_TRUE(canal.AdressePair().isEmpty());
    EXPECT_TRUE(canal.AdresseLocale().isEmpty());
}

TEST(CanalConnexion, FermerSansOuvrir) {
    CanalConnexion canal;
    canal.Fermer();
    canal.VerifierDeconnexion(false, false);
    EXPECT_FALSE(canal.EstConnecte());
    EXPECT_THROW(canal.LireLigne(), ErreurConnexionFermee);
}

TEST(CanalConnexion, EnvoisRegroupes) {
    PairScripte pair(
        {QStringLiteral("C: un"), QStringLiteral("C: deux"), QStringLiteral("C: trois")});
    Suivi suivi;
    CanalConnexion canal(&suivi);
    Connecter(canal, pair);
    canal.RegrouperEnvois(true);
    canal.EcrireLigne(QStringLiteral("perdu"));
    canal.AbandonnerRegroupement();
    canal.RegrouperEnvois(true);
    canal.EcrireLigne(QStringLiteral("un"));
    canal.EcrireBlocLignes({"deux", "trois"});
    EXPECT_TRUE(suivi.travaux.isEmpty());
    canal.RegrouperEnvois(false);
    EXPECT_EQ(suivi.travaux, QList<qint64>{17});
    // Closed while gathering: the end of the gathering fails, nothing leaves.
    canal.RegrouperEnvois(true);
    canal.EcrireLigne(QStringLiteral("quatre"));
    canal.Fermer();
    EXPECT_THROW(canal.RegrouperEnvois(false), ErreurConnexionFermee);
    pair.Terminer();
    EXPECT_EQ(pair.Recu(), QByteArray("un\r\ndeux\r\ntrois\r\n"));
    EXPECT_TRUE(pair.Ecarts().isEmpty()) << pair.Ecarts().join(QLatin1Char('\n')).toStdString();
}
