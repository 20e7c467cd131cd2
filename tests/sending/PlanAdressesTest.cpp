#include "sending/PlanAdresses.h"

#include <QList>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

// The items go in the list's order; one given back comes first; a temporary outcome waits
// each back-off in turn, then has no try left; the items due come back in the list's order.
TEST(PlanAdresses, OrdreRemiseEtReprises) {
    const Horloge::Instant t0{};
    PlanAdresses plan(4, {1min, 5min});
    EXPECT_EQ(plan.Prendre(), 0);
    EXPECT_EQ(plan.Prendre(), 1);
    plan.Remettre(1);
    EXPECT_EQ(plan.Prendre(), 1);
    EXPECT_TRUE(plan.Differer(1, {}, t0));
    EXPECT_TRUE(plan.Differer(0, {}, t0 + 10s));
    EXPECT_EQ(plan.ProchaineEcheance(), t0 + 1min);
    EXPECT_EQ(plan.Prendre(), 2);
    EXPECT_EQ(plan.Prendre(), 3);
    EXPECT_TRUE(plan.RienAEssayer());
    EXPECT_FALSE(plan.Echus(t0 + 59s));
    EXPECT_TRUE(plan.Echus(t0 + 2min));
    EXPECT_EQ(plan.Prendre(), 0) << "the due ones in the list's order";
    EXPECT_EQ(plan.Prendre(), 1);
    EXPECT_TRUE(plan.Attentes().empty());
    EXPECT_TRUE(plan.Differer(1, {}, t0 + 2min));
    EXPECT_EQ(plan.Attentes().front().echeance, t0 + 7min) << "the second back-off";
    EXPECT_TRUE(plan.Echus(t0 + 7min));
    EXPECT_EQ(plan.Prendre(), 1);
    EXPECT_FALSE(plan.Differer(1, {}, t0 + 7min)) << "no try left";
}
