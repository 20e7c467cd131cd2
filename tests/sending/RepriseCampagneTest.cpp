#include "sending/RepriseCampagne.h"

#include <gtest/gtest.h>

namespace {
// An interrupted campaign: `acceptees` went through, `incertaines` may have.
LectureJournal::Etat Journal(const QString& chemin, const QString& sujet,
                             const QStringList& acceptees, const QStringList& incertaines = {}) {
    LectureJournal::Etat e;
    e.chemin = chemin;
    e.sujet = sujet;
    e.longueurValide = 100;
    for (const QString& a : acceptees)
        ++e.acceptees[a];
    for (const QString& a : incertaines)
        ++e.incertaines[a];
    e.allure = 12;
    return e;
}

QStringList Chemins(const QList<LectureJournal::Etat>& etats) {
    QStringList chemins;
    for (const LectureJournal::Etat& e : etats)
        chemins << e.chemin;
    return chemins;
}
} // namespace

// The journals found and the user's two answers give what is sent, which journal goes on, which
// are given up, with which subject, and what is kept in the error record.
TEST(DecisionDeReprise, JournauxEtReponses) {
    const QStringList liste = {"a@x.fr", "b@x.fr", "c@x.fr", "d@x.fr", "a@x.fr"};
    const auto recent =
        Journal("recent.journal", "Lettre de mai", {"a@x.fr", "b@x.fr"}, {"c@x.fr"});
    const auto ancien = Journal("ancien.journal", "Lettre d'avril", {"a@x.fr"});
    const auto sansDoute = Journal("net.journal", "Lettre de mai", {"b@x.fr"});
    struct Cas {
        const char* nom;
        QList<LectureJournal::Etat> journaux;
        bool reprendre, renvoyer;
        QStringList adresses, abandonnes;
        QString repris, sujet;
        QStringList nonRenvoyees;
    };
    const Cas cas[] = {
        {"rien d'interrompu", {}, true, true, liste, {}, "", "Lettre de juin", {}},
        {"reprise refusée : tout part, tout est abandonné",
         {recent, ancien},
         false,
         false,
         liste,
         {"recent.journal", "ancien.journal"},
         "",
         "Lettre de juin",
         {}},
        {"reprise sans doute : le reste, le sujet du journal",
         {sansDoute, ancien},
         true,
         false,
         {"a@x.fr", "c@x.fr", "d@x.fr", "a@x.fr"},
         {"ancien.journal"},
         "net.journal",
         "Lettre de mai",
         {}},
        {"reprise, les incertaines renvoyées",
         {recent},
         true,
         true,
         {"c@x.fr", "d@x.fr", "a@x.fr"},
         {},
         "recent.journal",
         "Lettre de mai",
         {}},
        {"reprise, les incertaines gardées en erreur",
         {recent},
         true,
         false,
         {"d@x.fr", "a@x.fr"},
         {},
         "recent.journal",
         "Lettre de mai",
         {"c@x.fr"}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const RepriseCampagne reprise(c.journaux, liste, "Lettre de juin");
        EXPECT_EQ(reprise.Interrompue(), !c.journaux.isEmpty());
        const RepriseCampagne::Decision d = reprise.Decider(c.reprendre, c.renvoyer);
        EXPECT_EQ(d.adresses, c.adresses);
        EXPECT_EQ(Chemins(d.abandonnes), c.abandonnes);
        EXPECT_EQ(d.repris ? d.repris->chemin : QString(), c.repris);
        EXPECT_EQ(d.sujet, c.sujet);
        QStringList nonRenvoyees;
        for (const ResultatEnvoi& r : d.nonRenvoyees) {
            nonRenvoyees << r.adresse;
            EXPECT_TRUE(r.issueInconnue);
            EXPECT_FALSE(r.message.isEmpty());
        }
        EXPECT_EQ(nonRenvoyees, c.nonRenvoyees);
    }
    // The second question is asked only when resuming would meet uncertain addresses.
    EXPECT_EQ(RepriseCampagne({recent}, liste, "").Incertaines(), 1);
    EXPECT_EQ(RepriseCampagne({sansDoute}, liste, "").Incertaines(), 0);
}
