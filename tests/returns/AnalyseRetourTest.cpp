// What the messages that come back to the sender say: a real Postfix notification and others in
// the shapes large providers write, an unsubscribe request, an automatic reply, a plain reply.
#include "returns/AnalyseRetour.h"
#include "tests/support/FixtureRetour.h"
#include "tests/support/ImpressionQt.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
const QString desinscription = QStringLiteral("desinscription@example.org");
} // namespace

TEST(AnalyseRetour, NotificationsDeDistribution) {
    const struct {
        const char* fichier;
        QString origine;
        QList<DestinataireNotifie> destinataires;
        QList<bool> definitifs;
    } cas[] = {
        {"postfix_echec.eml",
         "abc.123@example.org",
         {{"a@rebond.test", "failed", "5.1.1", "Utilisateur inconnu ici"},
          {"b@rebond.test", "failed", "5.1.1", "Utilisateur inconnu ici"}},
         {true, true}},
        // A delay; only the headers came back; a diagnostic folded on two lines.
        {"retard_entetes.eml",
         "def.456@example.org",
         {{"lent@lointain.example", "delayed", "4.4.1",
           "421 4.4.1 Connection timed out after 3 tries"}},
         {false}},
        // The original recipient as sent, a full mailbox, one delivered; the human text in an
        // alternative of its own.
        {"plusieurs_destinataires.eml",
         "ghi.789@example.org",
         {{"Inconnu@Grand.example", "failed", "5.1.10",
           "550 5.1.10 RESOLVER.ADR.RecipientNotFound; not found"},
          {"plein@grand.example", "failed", "5.2.2", "552 5.2.2 Mailbox full"},
          {"arrive@grand.example", "delivered", "2.0.0", ""}},
         {true, true, false}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.fichier);
        const QByteArray message = FixtureRetour(c.fichier);
        ASSERT_FALSE(message.isEmpty());
        const Retour r = AnalyserRetour(message, desinscription);
        EXPECT_EQ(r.Genre, GenreRetour::Notification);
        EXPECT_EQ(r.IdentifiantOrigine, c.origine);
        ASSERT_EQ(r.Destinataires.size(), c.destinataires.size());
        for (qsizetype i = 0; i < c.destinataires.size(); ++i) {
            const DestinataireNotifie& lu = r.Destinataires[i];
            const DestinataireNotifie& attendu = c.destinataires[i];
            EXPECT_EQ(lu.Adresse, attendu.Adresse);
            EXPECT_EQ(lu.Action, attendu.Action);
            EXPECT_EQ(lu.Statut, attendu.Statut);
            EXPECT_EQ(lu.Diagnostic, attendu.Diagnostic);
            EXPECT_EQ(lu.Definitif(), c.definitifs[i]);
        }
    }
    EXPECT_TRUE(AnalyserRetour(FixtureRetour("retard_entetes.eml"), desinscription)
                    .Destinataires.first()
                    .Temporaire());
}

TEST(AnalyseRetour, DesinscriptionReponseAutomatiqueEtLeReste) {
    const struct {
        QByteArray message;
        QString adresseDesinscription;
        GenreRetour genre;
        QString demandeur;
    } cas[] = {
        {FixtureRetour("desinscription.eml"), desinscription, GenreRetour::Desinscription,
         "jean.martin@exemple.fr"},
        // Without an unsubscribe address, nothing is an unsubscribe request.
        {FixtureRetour("desinscription.eml"), "", GenreRetour::Autre, ""},
        {FixtureRetour("absence.eml"), desinscription, GenreRetour::ReponseAutomatique, ""},
        {FixtureRetour("reponse.eml"), desinscription, GenreRetour::Autre, ""},
        {"", desinscription, GenreRetour::Autre, ""},
        {"pas un message du tout\r\n", desinscription, GenreRetour::Autre, ""},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.message.left(60).toStdString());
        const Retour r = AnalyserRetour(c.message, c.adresseDesinscription);
        EXPECT_EQ(r.Genre, c.genre);
        EXPECT_EQ(r.Demandeur, c.demandeur);
        EXPECT_TRUE(r.Destinataires.isEmpty());
    }
}
