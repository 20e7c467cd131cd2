#include "sending/Travailleur.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

TEST(Travailleur, UnFilPourToutesLesTachesQuiSeSuivent) {
    Travailleur t;
    std::thread::id fils[3];
    for (auto& id : fils) {
        t.Lancer([&id] { id = std::this_thread::get_id(); });
        t.AttendreFin();
        EXPECT_FALSE(t.EnCours());
    }
    EXPECT_NE(fils[0], std::this_thread::get_id());
    EXPECT_EQ(fils[0], fils[1]);
    EXPECT_EQ(fils[1], fils[2]);
}

TEST(Travailleur, UneErreurNeTuePasLeTravailleur) {
    Travailleur t;
    t.Lancer([] { throw std::runtime_error("refus"); });
    t.AttendreFin();
    bool fait = false;
    t.Lancer([&] { fait = true; });
    t.AttendreFin();
    EXPECT_TRUE(fait);
}

TEST(Travailleur, LancerAttendLaTachePrecedenteEtLaFinJoint) {
    std::atomic<int> ordre{0};
    int premier = -1, second = -1;
    {
        Travailleur t;
        t.Lancer([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            premier = ordre++;
        });
        EXPECT_TRUE(t.EnCours());
        t.Lancer([&] { second = ordre++; });
    }
    EXPECT_EQ(premier, 0);
    EXPECT_EQ(second, 1) << "the last piece ran before the worker was destroyed";
}

} // namespace
