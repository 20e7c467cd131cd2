// The mailbox read from a real Dovecot, over TLS from the first byte and over STARTTLS: only
// what is new, nothing marked, the certificate pinned on first use, and each failure's text.
#include "returns/LectureBoite.h"
#include "commun/Erreur.h"
#include "mail/ErreurSession.h"
#include "tests/support/CertificatsDeTest.h"
#include "tests/support/ImpressionQt.h"
#include "tests/support/ServeurIMAPReel.h"
#include "tests/support/SocketLocale.h"

#include <gtest/gtest.h>

namespace {

QByteArray Message(int n) {
    return QStringLiteral("From: a@example.org\r\nTo: club@example.org\r\nSubject: n%1\r\n"
                          "Message-ID: <%1@example.org>\r\n\r\nCorps %1\r\n")
        .arg(n)
        .toUtf8();
}

ServeurIMAP Serveur(const ServeurIMAPReel& dovecot, bool implicite) {
    ServeurIMAP s;
    s.hote = QStringLiteral("127.0.0.1");
    s.port = implicite ? dovecot.PortTls() : dovecot.PortStarttls();
    s.implicite = implicite;
    s.utilisateur = ServeurIMAPReel::Utilisateur();
    s.motDePasse = QStringLiteral("secret-Passe9");
    return s;
}

struct Lecture {
    LectureBoite::Resultat resultat;
    QList<QByteArray> messages;
};

Lecture Lire(const ServeurIMAP& s, const LectureBoite::Etat& etat = {}, int arret = -1) {
    Lecture l;
    l.resultat = LectureBoite::Lire(
        s, etat, [&](qint64, const QByteArray& m) { l.messages << m; },
        [&](int lus, int) { return lus != arret; });
    return l;
}

class LectureBoiteTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        if (!ServeurIMAPReel::Possible())
            GTEST_SKIP() << "Dovecot runs as root only";
        dovecot_ = std::make_unique<ServeurIMAPReel>(ServeurIMAPReel::Options{});
    }
    std::unique_ptr<ServeurIMAPReel> dovecot_;
};

} // namespace

TEST_P(LectureBoiteTest, LitSeulementLeNouveauSansRienMarquer) {
    for (int n = 1; n <= 3; ++n)
        dovecot_->Deposer(Message(n));
    ServeurIMAP s = Serveur(*dovecot_, GetParam());
    const Lecture premiere = Lire(s);
    ASSERT_EQ(premiere.messages.size(), 3);
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(premiere.messages[n - 1], Message(n));
    EXPECT_EQ(premiere.resultat.lus, 3);
    EXPECT_FALSE(premiere.resultat.interrompu);
    EXPECT_EQ(premiere.resultat.empreinteAEpingler, CertificatsDeTest::Empreinte("auto1"));
    EXPECT_GT(premiere.resultat.etat.uidValidite, 0);

    s.empreinteConnue = premiere.resultat.empreinteAEpingler;
    const Lecture rien = Lire(s, premiere.resultat.etat);
    EXPECT_TRUE(rien.messages.isEmpty());
    EXPECT_EQ(rien.resultat.etat.dernierUid, premiere.resultat.etat.dernierUid);
    EXPECT_TRUE(rien.resultat.empreinteAEpingler.isEmpty());

    dovecot_->Deposer(Message(4));
    const Lecture suite = Lire(s, rien.resultat.etat);
    ASSERT_EQ(suite.messages.size(), 1);
    EXPECT_EQ(suite.messages[0], Message(4));

    // A mailbox made anew under the same name: everything is read again.
    const Lecture autre = Lire(s, {premiere.resultat.etat.uidValidite + 1, 4});
    EXPECT_EQ(autre.messages.size(), 4);

    // Read only: no message is marked as seen (Maildir's "S" flag).
    ASSERT_EQ(dovecot_->Fichiers().size(), 4);
    for (const QString& nom : dovecot_->Fichiers())
        EXPECT_FALSE(nom.section(QStringLiteral(":2,"), 1).contains(u'S')) << nom.toStdString();
}

// More UIDs than one answer line of libcurl holds: every message is read, once, in order.
TEST_P(LectureBoiteTest, GrandeBoite) {
    constexpr int nombre = 2500;
    for (int n = 1; n <= nombre; ++n)
        dovecot_->Deposer(Message(n));
    QList<qint64> uids;
    const LectureBoite::Resultat r =
        LectureBoite::Lire(Serveur(*dovecot_, GetParam()), {},
                           [&](qint64 uid, const QByteArray&) { uids << uid; }, {});
    ASSERT_EQ(uids.size(), nombre);
    for (int i = 0; i < nombre; ++i)
        ASSERT_EQ(uids[i], i + 1);
    EXPECT_EQ(r.etat.dernierUid, nombre);
}

TEST_P(LectureBoiteTest, ArretEntreDeuxMessages) {
    for (int n = 1; n <= 3; ++n)
        dovecot_->Deposer(Message(n));
    const ServeurIMAP s = Serveur(*dovecot_, GetParam());
    const Lecture coupee = Lire(s, {}, 2);
    EXPECT_TRUE(coupee.resultat.interrompu);
    EXPECT_EQ(coupee.messages.size(), 2);
    // The next reading starts after the last message handed over.
    const Lecture suite = Lire(s, coupee.resultat.etat);
    ASSERT_EQ(suite.messages.size(), 1);
    EXPECT_EQ(suite.messages[0], Message(3));
}

TEST_P(LectureBoiteTest, Echecs) {
    const ServeurIMAP bon = Serveur(*dovecot_, GetParam());
    const quint16 portFerme = PortLibre();
    const struct {
        const char* cas;
        ServeurIMAP serveur;
        bool session;
        QString debut;
    } cas[] = {
        {"mot de passe",
         [&] {
             ServeurIMAP s = bon;
             s.motDePasse = QStringLiteral("faux");
             return s;
         }(),
         true,
         QStringLiteral("Le serveur IMAP 127.0.0.1 a refusé l'identifiant ou le mot de passe.")},
        {"certificat changé",
         [&] {
             ServeurIMAP s = bon;
             s.empreinteConnue = CertificatsDeTest::Empreinte("auto2");
             return s;
         }(),
         true,
         QStringLiteral("Le certificat du serveur 127.0.0.1 (port %1) a changé").arg(bon.port)},
        {"aucun serveur",
         [&] {
             ServeurIMAP s = bon;
             s.port = portFerme;
             return s;
         }(),
         false,
         QStringLiteral("Aucun serveur IMAP ne répond à l'adresse 127.0.0.1, port %1.")
             .arg(portFerme)},
        {"aucun nom",
         {},
         false,
         QStringLiteral("Aucun serveur IMAP n'est indiqué dans les paramètres.")},
    };
    for (const auto& c : cas) {
        try {
            Lire(c.serveur);
            ADD_FAILURE() << c.cas;
        } catch (const Erreur& e) {
            EXPECT_TRUE(e.Message().startsWith(c.debut))
                << c.cas << ": " << e.Message().toStdString();
            EXPECT_EQ(dynamic_cast<const ErreurSession*>(&e) != nullptr, c.session) << c.cas;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Tls, LectureBoiteTest, ::testing::Values(true, false),
                         [](const auto& info) {
                             return std::string(info.param ? "Implicite" : "Starttls");
                         });
