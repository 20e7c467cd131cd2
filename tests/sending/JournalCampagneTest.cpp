#include "sending/JournalCampagne.h"

#include "commun/Erreur.h"
#include "sending/LectureJournal.h"
#include "tests/support/RepertoireTemporaire.h"

#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QStringList kPage{"<!DOCTYPE html>", "<html>", "<p>Été</p>"};

JournalCampagne::Entete EnteteDeTest() {
    // A tab, a line break and a backslash in the subject: each field stays on its line.
    return {QStringLiteral("Lettre\td'été\nn°1 \\ fin"), JournalCampagne::Empreinte(kPage),
            QStringLiteral("clients.list"),
            QDateTime(QDate(2026, 12, 10), QTime(18, 5, 7), Qt::LocalTime)};
}

ResultatEnvoi Accepte(const QString& a) {
    return {.adresse = a, .accepte = true, .code = 250, .identifiant = "<id." + a + ">"};
}

// a@ accepted, b@ refused for good, c@ of unknown fate, d@ waiting for a new try then tried
// again when the program died, e@ never tried; the list holds a@ twice.
QString JournalInterrompu(const RepertoireTemporaire& rep) {
    JournalCampagne j;
    j.Creer(rep.Chemin(), EnteteDeTest());
    j.Essai("a@x.fr");
    j.Resultat(Accepte("a@x.fr"));
    j.Essai("b@x.fr");
    j.Resultat({.adresse = "b@x.fr",
                .message = "Destinataire inconnu",
                .code = 550,
                .codeEtendu = "5.1.1"});
    j.Essai("c@x.fr");
    j.Resultat({.adresse = "c@x.fr",
                .message = "Connexion perdue",
                .verdict = Verdict::IssueInconnue,
                .issueInconnue = true});
    j.Essai("d@x.fr");
    j.Temporaire({.adresse = "d@x.fr",
                  .message = "Trop de messages",
                  .verdict = Verdict::ReessayerAdresse,
                  .code = 450});
    j.Essai("d@x.fr");
    const QString chemin = j.Chemin();
    j.Fermer();
    return chemin;
}

const QStringList kListe{"a@x.fr", "b@x.fr", "a@x.fr", "c@x.fr", "d@x.fr", "e@x.fr"};

TEST(JournalCampagne, RelitEnTeteEtIssuesEtRepartitLaListe) {
    RepertoireTemporaire rep;
    const QString chemin = JournalInterrompu(rep);
    EXPECT_EQ(chemin, rep.Fichier("clients 10.12.2026 18.05.07.journal"));
    const auto e = LectureJournal::Lire(chemin);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->sujet, EnteteDeTest().sujet);
    EXPECT_EQ(e->liste, "clients.list");
    EXPECT_EQ(e->debut, EnteteDeTest().debut);
    EXPECT_FALSE(e->fini);
    // What comes back is tied to the address through the Message-ID.
    EXPECT_EQ(e->identifiants, (QHash<QString, QString>{{"<id.a@x.fr>", "a@x.fr"}}));

    const LectureJournal::Repartition r = LectureJournal::Repartir(*e, kListe);
    // a@ appears twice and was accepted once: once more. d@ was under way: unknown fate.
    EXPECT_EQ(r.restantes, QStringList({"b@x.fr", "a@x.fr", "c@x.fr", "d@x.fr", "e@x.fr"}));
    EXPECT_EQ(r.incertaines, QStringList({"c@x.fr", "d@x.fr"}));
    EXPECT_EQ(r.sures, QStringList({"b@x.fr", "a@x.fr", "e@x.fr"}));

    const auto reprises = LectureJournal::Reprises(rep.Chemin(), e->page, "clients.list");
    ASSERT_EQ(reprises.size(), 1);
    EXPECT_EQ(reprises[0].chemin, chemin);

    // A second journal of the same second gets a name of its own.
    JournalCampagne autre;
    autre.Creer(rep.Chemin(), EnteteDeTest());
    EXPECT_EQ(autre.Chemin(), rep.Fichier("clients 10.12.2026 18.05.07 (2).journal"));
}

// A power cut in the middle of a batch: the last line is torn, anywhere in it.
TEST(JournalCampagne, DerniereLigneDechireeIgnoreeEtCoupeeALaReprise) {
    RepertoireTemporaire rep;
    const QString chemin = JournalInterrompu(rep);
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    const QByteArray entier = f.readAll();
    ASSERT_TRUE(entier.endsWith("essai\td@x.fr\n"));
    // "accepte\te@x.fr" torn after "acc", then after the whole address but before its LF.
    for (const QByteArray& dechire : {QByteArray("acc"), QByteArray("accepte\te@x.fr")}) {
        f.resize(0);
        f.seek(0);
        f.write(entier + dechire);
        f.flush();
        const auto e = LectureJournal::Lire(chemin);
        ASSERT_TRUE(e);
        EXPECT_EQ(e->longueurValide, entier.size());
        EXPECT_EQ(LectureJournal::Repartir(*e, kListe).sures,
                  QStringList({"b@x.fr", "a@x.fr", "e@x.fr"}));
    }
    f.close();

    JournalCampagne suite;
    suite.Continuer(chemin, entier.size(), QDateTime::currentDateTime());
    suite.Essai("e@x.fr");
    suite.Resultat(Accepte("e@x.fr"));
    suite.Fermer();
    const auto e = LectureJournal::Lire(chemin);
    ASSERT_TRUE(e);
    EXPECT_EQ(LectureJournal::Repartir(*e, kListe).sures, QStringList({"b@x.fr", "a@x.fr"}));
}

TEST(JournalCampagne, SeulUnJournalInacheveDeLaMemePageEtListeEstPropose) {
    struct Cas {
        const char* nom;
        std::function<void(JournalCampagne&, JournalCampagne::Entete&)> faire;
        bool propose;
    };
    const Cas cas[] = {
        {"inachevé", [](JournalCampagne&, JournalCampagne::Entete&) {}, true},
        {"terminé", [](JournalCampagne& j, JournalCampagne::Entete&) { j.Terminer(); }, false},
        {"abandonné",
         [](JournalCampagne& j, JournalCampagne::Entete&) {
             const QString chemin = j.Chemin();
             j.Fermer();
             JournalCampagne::Abandonner(chemin, QFile(chemin).size());
         },
         false},
        {"autre page",
         [](JournalCampagne&, JournalCampagne::Entete& e) {
             e.page = JournalCampagne::Empreinte(QStringList(kPage) << "");
         },
         false},
        {"autre liste",
         [](JournalCampagne&, JournalCampagne::Entete& e) { e.liste = "clients2.list"; }, false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        RepertoireTemporaire rep;
        JournalCampagne::Entete recherche = EnteteDeTest();
        {
            JournalCampagne j;
            j.Creer(rep.Chemin(), EnteteDeTest());
            j.Essai("a@x.fr");
            j.Resultat(Accepte("a@x.fr"));
            c.faire(j, recherche);
        }
        EXPECT_EQ(LectureJournal::Reprises(rep.Chemin(), recherche.page, recherche.liste).size(),
                  c.propose ? 1 : 0);
    }
}

TEST(JournalCampagne, EnTeteIncompletOuFichierEtrangerJamaisLu) {
    RepertoireTemporaire rep;
    JournalCampagne j;
    j.Creer(rep.Chemin(), EnteteDeTest());
    const QString chemin = j.Chemin();
    j.Fermer();
    const QByteArray entier = rep.Lire(QFileInfo(chemin).fileName());
    rep.Ecrire("coupe.journal", entier.left(entier.size() - 1));
    rep.Ecrire("autre.journal", "bonjour\n");
    EXPECT_FALSE(LectureJournal::Lire(rep.Fichier("coupe.journal")));
    EXPECT_FALSE(LectureJournal::Lire(rep.Fichier("autre.journal")));
    EXPECT_TRUE(LectureJournal::Lire(chemin));
}

TEST(JournalCampagne, RepertoireSansDroitDEcritureDitPourquoi) {
    RepertoireTemporaire rep;
    JournalCampagne j;
    try {
        j.Creer(rep.Fichier("absent"), EnteteDeTest());
        FAIL() << "created in a missing directory";
    } catch (const Erreur& e) {
        EXPECT_TRUE(e.Message().startsWith("Impossible d'écrire le journal d'envoi \""))
            << e.Message().toStdString();
    }
    EXPECT_FALSE(j.Ouvert());
}

} // namespace

namespace {
// A clock stopped on one date.
class HorlogeFixe : public Horloge {
public:
    explicit HorlogeFixe(qint64 date) : date_(date) {}
    qint64 Date() const override { return date_; }

private:
    qint64 date_;
};
} // namespace

// Each record carries its date: the quotas count the messages of the last hour and day from
// them, and the learnt pace and a quota's pause come back with a resumed campaign.
TEST(JournalCampagne, DatesDesEnregistrementsAllureEtPause) {
    RepertoireTemporaire rep;
    const qint64 date = QDateTime(QDate(2026, 12, 11), QTime(6, 40), Qt::UTC).toMSecsSinceEpoch();
    HorlogeFixe horloge(date);
    JournalCampagne j;
    j.DefinirHorloge(horloge);
    j.Creer(rep.Chemin(), EnteteDeTest());
    j.Essai("a@x.fr");
    j.Resultat(Accepte("a@x.fr"));
    j.Allure(42.5);
    j.Pause(date + 86'400'000);
    const QString chemin = j.Chemin();
    j.Fermer();
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lignes = f.readAll().split('\n');
    EXPECT_EQ(lignes[0], "Lettrova journal de campagne 2");
    EXPECT_EQ(lignes[5], "2026-12-11T06:40:00.000Z\tessai\ta@x.fr");
    EXPECT_EQ(lignes[8], "2026-12-11T06:40:00.000Z\tpause\t2026-12-12T06:40:00.000Z");
    const std::optional<LectureJournal::Etat> e = LectureJournal::Lire(chemin);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->envois, QList<qint64>{date});
    EXPECT_EQ(e->acceptees.value("a@x.fr"), 1);
    EXPECT_DOUBLE_EQ(e->allure, 42.5);
    EXPECT_EQ(e->pause, date + 86'400'000);
    EXPECT_EQ(LectureJournal::EnvoisDepuis(rep.Chemin(), date - 1), QList<qint64>{date});
    EXPECT_EQ(LectureJournal::EnvoisDepuis(rep.Chemin(), date + 1), QList<qint64>{});
    // Ended, it still counts in the quotas.
    JournalCampagne fini;
    fini.DefinirHorloge(horloge);
    fini.Continuer(chemin, e->longueurValide, QDateTime::fromMSecsSinceEpoch(date));
    fini.Terminer();
    EXPECT_FALSE(QFile::exists(chemin));
    EXPECT_EQ(LectureJournal::EnvoisDepuis(rep.Chemin(), date - 1), QList<qint64>{date});
}

// A journal of the first version, without dates, is still read and resumed in its own version.
TEST(JournalCampagne, JournalDeLaPremiereVersionRepris) {
    RepertoireTemporaire rep;
    const QString chemin = rep.Fichier("ancien.journal");
    {
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Lettrova journal de campagne 1\nsujet\tS\npage\tP\nliste\tl.list\n"
                "debut\t2026-12-10T18:05:07\nessai\ta@x.fr\naccepte\ta@x.fr\nessai\tb@x.fr\n");
    }
    std::optional<LectureJournal::Etat> e = LectureJournal::Lire(chemin);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->acceptees.value("a@x.fr"), 1);
    EXPECT_EQ(e->incertaines.value("b@x.fr"), 1);
    EXPECT_TRUE(e->envois.isEmpty());
    JournalCampagne j;
    j.Continuer(chemin, e->longueurValide, QDateTime(QDate(2026, 12, 11), QTime(7, 0)));
    j.Essai("c@x.fr");
    j.Fermer();
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().endsWith("\nessai\tc@x.fr\n"));
    e = LectureJournal::Lire(chemin);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->incertaines.value("c@x.fr"), 1);
}
