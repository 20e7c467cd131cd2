#include "page/RechercheOccurrences.h"

#include <gtest/gtest.h>

namespace {

struct Cas {
    const char* texte;
    const char* mot;
    QList<qsizetype> positions;
};

class RechercheOccurrences : public testing::TestWithParam<Cas> {};

TEST_P(RechercheOccurrences, TrouveChaqueOccurrence) {
    EXPECT_EQ(PositionsOccurrences(QString::fromUtf8(GetParam().texte),
                                   QString::fromUtf8(GetParam().mot)),
              GetParam().positions);
}

INSTANTIATE_TEST_SUITE_P(Cas, RechercheOccurrences,
                         testing::Values(Cas{"aaaa", "aa", {0, 1, 2}},
                                         Cas{"<div></div>", "Div", {}},
                                         Cas{"<div></div>", "div", {1, 7}}, Cas{"abc", "", {}},
                                         Cas{"", "a", {}}, Cas{"été à l'été", "été", {0, 8}}));

} // namespace
