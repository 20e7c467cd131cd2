// "Relever les retours" without the window: the messages of a real Dovecot recognised and tied
// to the campaigns of the journals, then only what is new; and the real notifications a real
// Postfix sends for the unknown users of a campaign.
#include "returns/ReleveRetours.h"
#include "mail/ClientSMTP.h"
#include "mail/LectureAdresses.h"
#include "returns/EtatReleve.h"
#include "returns/FichierBilan.h"
#include "sending/EnvoiUnitaire.h"
#include "sending/JournalCampagne.h"
#include "tests/support/CourrielDeTest.h"
#include "tests/support/FixtureRetour.h"
#include "tests/support/ImpressionQt.h"
#include "tests/support/PostfixRetours.h"
#include "tests/support/RepertoireTemporaire.h"
#include "tests/support/ServeurIMAPReel.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString kDesinscription =
    QStringLiteral("mailto:desinscription@example.org?subject=unsubscribe");

JournalCampagne::Entete Entete(const char* sujet, const char* liste, int jour) {
    return {QString::fromUtf8(sujet), JournalCampagne::Empreinte({QString::fromUtf8(sujet)}),
            QString::fromUtf8(liste), QDateTime(QDate(2026, 6, jour), QTime(9, 0))};
}

// A campaign's journal in which each of `envois` (address, Message-ID) was accepted.
void Journal(const QString& repertoire, const JournalCampagne::Entete& entete,
             const QList<QPair<QString, QString>>& envois) {
    JournalCampagne j;
    j.Creer(repertoire, entete);
    for (const auto& [adresse, identifiant] : envois) {
        j.Essai(adresse);
        j.Resultat({.adresse = adresse, .accepte = true, .code = 250, .identifiant = identifiant});
    }
    j.Terminer();
}

ServeurIMAP Serveur(const ServeurIMAPReel& dovecot) {
    ServeurIMAP s;
    s.hote = QStringLiteral("127.0.0.1");
    s.port = dovecot.PortTls();
    s.utilisateur = ServeurIMAPReel::Utilisateur();
    s.motDePasse = QStringLiteral("secret-Passe9");
    return s;
}

QStringList Adresses(const QList<AdresseEnRetour>& liste) {
    QStringList a;
    for (const AdresseEnRetour& r : liste)
        a << r.adresse + u' ' + r.statut + u' ' + r.diagnostic;
    return a;
}

} // namespace

TEST(ReleveRetours, AdresseDuMailto) {
    const struct {
        const char* reglage;
        const char* adresse;
    } cas[] = {
        {"mailto:stop@club.fr", "stop@club.fr"},
        {"MAILTO:stop@club.fr?subject=unsubscribe", "stop@club.fr"},
        {"https://club.fr/stop", ""},
        {"", ""},
    };
    for (const auto& c : cas)
        EXPECT_EQ(ReleveRetours::AdresseMailto(QString::fromUtf8(c.reglage)),
                  QString::fromUtf8(c.adresse))
            << c.reglage;
}

TEST(ReleveRetours, ParCampagneEtSeulementLeNouveau) {
    if (!ServeurIMAPReel::Possible())
        GTEST_SKIP() << "Dovecot runs as root only";
    RepertoireTemporaire rep;
    Journal(
        rep.Chemin(), Entete("Lettre de juin", "clients.list", 1),
        {{"a@rebond.test", "<abc.123@example.org>"}, {"b@rebond.test", "<abc.124@example.org>"}});
    Journal(rep.Chemin(), Entete("Lettre de juillet", "amis.list", 2),
            {{"lent@lointain.example", "<def.456@example.org>"},
             {"inconnu@grand.example", "<ghi.789@example.org>"},
             {"plein@grand.example", "<ghi.789@example.org>"}});
    ServeurIMAPReel dovecot({});
    for (const char* f : {"retard_entetes.eml", "postfix_echec.eml", "desinscription.eml",
                          "absence.eml", "plusieurs_destinataires.eml", "reponse.eml"})
        dovecot.Deposer(FixtureRetour(f));
    QList<QPair<int, int>> progression;
    const ServeurIMAP serveur = Serveur(dovecot);
    BilanRetours b;
    const ReleveRetours::Releve r =
        ReleveRetours::Relever(serveur, rep.Chemin(), kDesinscription, b, [&](int lus, int total) {
            progression << qMakePair(lus, total);
            return true;
        });
    EXPECT_EQ(r.lus, 6);
    EXPECT_FALSE(r.empreinteAEpingler.isEmpty());
    EXPECT_EQ(progression.first(), qMakePair(0, 6));
    EXPECT_EQ(progression.last(), qMakePair(6, 6));
    ASSERT_EQ(b.campagnes.size(), 2);
    // In the order of their first return; the delayed one of July came first.
    EXPECT_EQ(b.campagnes[0].campagne.sujet, "Lettre de juillet");
    EXPECT_EQ(b.campagnes[0].campagne.liste, "amis.list");
    EXPECT_EQ(
        Adresses(b.campagnes[0].temporaires),
        QStringList({"lent@lointain.example 4.4.1 421 4.4.1 Connection timed out after 3 tries"}));
    EXPECT_EQ(Adresses(b.campagnes[0].definitifs),
              QStringList({"Inconnu@Grand.example 5.1.10 550 5.1.10 "
                           "RESOLVER.ADR.RecipientNotFound; not found",
                           "plein@grand.example 5.2.2 552 5.2.2 Mailbox full"}));
    EXPECT_EQ(b.campagnes[1].campagne.sujet, "Lettre de juin");
    EXPECT_EQ(Adresses(b.campagnes[1].definitifs),
              QStringList({"a@rebond.test 5.1.1 Utilisateur inconnu ici",
                           "b@rebond.test 5.1.1 Utilisateur inconnu ici"}));
    EXPECT_TRUE(b.campagnes[1].temporaires.isEmpty());
    EXPECT_EQ(b.desinscriptions, QStringList({"jean.martin@exemple.fr"}));
    EXPECT_EQ(b.reponsesAutomatiques, 1);
    EXPECT_EQ(b.autres, 1);
    EXPECT_EQ(b.Definitifs().size(), 4);
    EXPECT_EQ(EtatReleve::Lire(rep.Chemin(), serveur).dernierUid, 6);
    // Kept beside the lists before the position moved past them: the findings outlive the
    // program, whose next start shows them again.
    const BilanRetours garde = FichierBilan::Lire(rep.Chemin());
    ASSERT_EQ(garde.campagnes.size(), b.campagnes.size());
    for (qsizetype i = 0; i < b.campagnes.size(); ++i) {
        EXPECT_EQ(garde.campagnes[i].campagne.sujet, b.campagnes[i].campagne.sujet);
        EXPECT_EQ(garde.campagnes[i].campagne.liste, b.campagnes[i].campagne.liste);
        EXPECT_EQ(garde.campagnes[i].campagne.debut, b.campagnes[i].campagne.debut);
        EXPECT_EQ(Adresses(garde.campagnes[i].definitifs), Adresses(b.campagnes[i].definitifs));
        EXPECT_EQ(Adresses(garde.campagnes[i].temporaires), Adresses(b.campagnes[i].temporaires));
    }
    EXPECT_EQ(garde.desinscriptions, b.desinscriptions);
    EXPECT_EQ(garde.reponsesAutomatiques, b.reponsesAutomatiques);
    EXPECT_EQ(garde.autres, b.autres);

    // The next reading finds only what came since.
    ServeurIMAP epingle = serveur;
    epingle.empreinteConnue = r.empreinteAEpingler;
    BilanRetours suite;
    const ReleveRetours::Releve rien =
        ReleveRetours::Relever(epingle, rep.Chemin(), kDesinscription, suite, {});
    EXPECT_EQ(rien.lus, 0);
    EXPECT_TRUE(suite.campagnes.isEmpty());
    dovecot.Deposer(FixtureRetour("absence.eml"));
    ReleveRetours::Relever(epingle, rep.Chemin(), kDesinscription, suite, {});
    EXPECT_EQ(suite.reponsesAutomatiques, 1);
    // Readings add up; the failures handled leave the list.
    dovecot.Deposer(FixtureRetour("absence.eml"));
    ReleveRetours::Relever(epingle, rep.Chemin(), kDesinscription, b, {});
    EXPECT_EQ(b.reponsesAutomatiques, 2);
    b.RetirerDefinitifs({"A@rebond.test", "b@rebond.test", "plein@grand.example"});
    ASSERT_EQ(b.campagnes.size(), 1);
    EXPECT_EQ(b.Definitifs(), QStringList({"Inconnu@Grand.example"}));
    EXPECT_EQ(b.campagnes[0].temporaires.size(), 1);
}

// The whole way: a campaign's messages accepted by a real Postfix, which then finds two of the
// users unknown and sends the sender its notifications; Dovecot serves the sender's Maildir.
TEST(ReleveRetours, NotificationsDUnVraiPostfix) {
    if (!ServeurIMAPReel::Possible() || !PostfixRetours::Possible())
        GTEST_SKIP() << "Postfix and Dovecot run as root only";
    const QStringList abonnes = {"un@example.org", "deux@example.org", "trois@example.org"};
    PostfixRetours postfix(abonnes);
    RepertoireTemporaire rep;
    {
        ClientSMTP client;
        client.Hote = QStringLiteral("127.0.0.1");
        client.Port = postfix.Port();
        client.NomHelo = QStringLiteral("client.test");
        client.Connecter();
        MessageCourriel message = MessageDeTest();
        LireListeAdresses(QStringLiteral("Club <club@example.org>"), message.De);
        message.Expediteur = LireAdresse(QStringLiteral("club@example.org"));
        JournalCampagne journal;
        journal.Creer(rep.Chemin(), Entete("Lettre d'août", "clients.list", 3));
        for (const QString& a : abonnes + QStringList{"perdu@example.org", "parti@example.org"}) {
            LireListeAdresses(a, message.Destinataires);
            journal.Essai(a);
            const ResultatEnvoi r = EnvoiUnitaire(client, message, a);
            ASSERT_TRUE(r.accepte) << r.message.toStdString();
            journal.Resultat(r);
        }
        journal.Terminer();
        client.Deconnecter(true);
    }
    ASSERT_TRUE(postfix.Attendre(2));
    ServeurIMAPReel dovecot({.maildir = postfix.Maildir()});
    BilanRetours b;
    const ReleveRetours::Releve r =
        ReleveRetours::Relever(Serveur(dovecot), rep.Chemin(), kDesinscription, b, {});
    EXPECT_EQ(r.lus, 2);
    ASSERT_EQ(b.campagnes.size(), 1);
    const RetoursCampagne& c = b.campagnes[0];
    EXPECT_EQ(c.campagne.sujet, QStringLiteral("Lettre d'août"));
    QStringList definitifs = Adresses(c.definitifs);
    definitifs.sort();
    EXPECT_EQ(definitifs,
              QStringList({"parti@example.org 5.1.1 unknown user: \"parti@example.org\"",
                           "perdu@example.org 5.1.1 unknown user: \"perdu@example.org\""}));
    EXPECT_TRUE(c.temporaires.isEmpty());
}
