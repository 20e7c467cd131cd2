#include "sending/Cadenceur.h"

#include <QList>
#include <gtest/gtest.h>

namespace {
constexpr qint64 kSeconde = 1000;
constexpr qint64 kT0 = 1'765'000'000'000;

QList<qint64> Departs(Cadenceur& c, int n, qint64 maintenant, QList<bool>* quotas = nullptr) {
    QList<qint64> l;
    for (int i = 0; i < n; ++i) {
        const Cadenceur::Depart d = c.Reserver(maintenant);
        l << d.date - kT0;
        if (quotas)
            *quotas << d.quota;
    }
    return l;
}
} // namespace

// The user's limits: spread over the minute; held by the hour's and the day's rolling windows,
// earlier campaigns included.
TEST(Cadenceur, LimitesDeLUtilisateur) {
    {
        Cadenceur c({.parMinute = 6});
        EXPECT_EQ(Departs(c, 3, kT0), QList<qint64>({0, 10 * kSeconde, 20 * kSeconde}));
    }
    {
        Cadenceur c({.parHeure = 2});
        QList<bool> quotas;
        EXPECT_EQ(Departs(c, 4, kT0, &quotas),
                  QList<qint64>({0, 0, Cadenceur::kHeure, Cadenceur::kHeure}));
        EXPECT_EQ(quotas, QList<bool>({false, false, true, true}));
    }
    {
        Cadenceur c({.parJour = 3});
        c.AjouterHistorique(kT0 - 23 * Cadenceur::kHeure);
        c.AjouterHistorique(kT0 - 2 * Cadenceur::kHeure);
        c.AjouterHistorique(kT0 - 25 * Cadenceur::kHeure);
        EXPECT_EQ(Departs(c, 2, kT0), QList<qint64>({0, Cadenceur::kHeure}))
            << "the start of 23 hours ago leaves the day's window an hour from now";
    }
    {
        // A message not accepted does not count.
        Cadenceur c({.parHeure = 1});
        const qint64 d = c.Reserver(kT0).date;
        c.Rendre(d);
        EXPECT_EQ(c.Reserver(kT0 + kSeconde).date, kT0 + kSeconde);
    }
}

// A deferral drops the pace to what the server accepted, at least halved, once for the
// messages already under way; acceptances raise it by steps, never above the user's limit.
TEST(Cadenceur, AllureApprise) {
    Cadenceur c({.parMinute = 400});
    // Five accepted in half a second (the span counts as a second): 300 a minute seen.
    for (int i = 0; i < 5; ++i) {
        c.Reserver(kT0 + i * 100);
        c.Accepte(kT0 + i * 100);
    }
    const qint64 refus = kT0 + 500;
    EXPECT_TRUE(c.Ralentir(refus, refus - 10));
    EXPECT_DOUBLE_EQ(c.Allure(), 200);
    EXPECT_FALSE(c.Ralentir(refus + 5, refus - 5)) << "started before the drop";
    EXPECT_EQ(c.Reserver(refus).date, refus + 300) << "one interval at the new pace";
    c.Accepte(refus + 300);
    EXPECT_DOUBLE_EQ(c.Allure(), 220);
    for (int i = 0; i < 20; ++i)
        c.Accepte(refus + 400 + i);
    EXPECT_DOUBLE_EQ(c.Allure(), 400) << "never above the user's limit";

    Cadenceur libre;
    EXPECT_TRUE(libre.Ralentir(kT0, kT0));
    EXPECT_DOUBLE_EQ(libre.Allure(), 6) << "nothing accepted yet: one every ten seconds";
    libre.Ralentir(kT0 + 20 * kSeconde, kT0 + 15 * kSeconde);
    EXPECT_DOUBLE_EQ(libre.Allure(), 3);
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(libre.Ralentir(kT0 + (30 + i) * kSeconde, kT0 + (30 + i) * kSeconde));
    EXPECT_DOUBLE_EQ(libre.Allure(), 0.5) << "the slowest pace";
}

// The server's quota: nothing starts before its end.
TEST(Cadenceur, QuotaDuServeur) {
    Cadenceur c;
    c.Suspendre(kT0 + Cadenceur::kJour);
    const Cadenceur::Depart d = c.Reserver(kT0);
    EXPECT_EQ(d.date, kT0 + Cadenceur::kJour);
    EXPECT_TRUE(d.quota);
    EXPECT_FALSE(c.Reserver(kT0 + Cadenceur::kJour).quota);
}
