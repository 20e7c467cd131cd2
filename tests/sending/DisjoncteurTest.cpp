#include "sending/Disjoncteur.h"

#include <QList>
#include <gtest/gtest.h>

namespace {
ResultatEnvoi Refus(int code, const char* etendu) {
    return {.code = code, .codeEtendu = QString::fromLatin1(etendu)};
}

QList<int> Indices(const std::vector<Disjoncteur::Membre>& m) {
    QList<int> l;
    for (const auto& x : m)
        l << x.indice;
    return l;
}
} // namespace

// Each step: an address refused (or -1 for an acceptance), and what comes out.
TEST(Disjoncteur, SeriesDeRefus) {
    struct Pas {
        int indice;
        int code;
        const char* etendu;
        bool declenche;
        QList<int> sortis;
    };
    const struct {
        const char* quoi;
        std::vector<Pas> pas;
    } cas[] = {
        {"three different addresses trip",
         {{0, 554, "5.7.1", false, {}},
          {1, 554, "5.7.1", false, {}},
          {2, 554, "5.7.1", true, {0, 1, 2}}}},
        {"an acceptance between breaks the run",
         {{0, 554, "5.7.1", false, {}},
          {-1, 0, "", false, {0}},
          {1, 554, "5.7.1", false, {}},
          {2, 554, "5.7.1", false, {}}}},
        {"another refusal breaks the run",
         {{0, 554, "5.7.1", false, {}},
          {1, 554, "5.7.1", false, {}},
          {2, 550, "5.7.1", false, {0, 1}},
          {3, 550, "5.7.1", false, {}}}},
        {"the same address twice is one",
         {{0, 451, "4.3.0", false, {}},
          {0, 451, "4.3.0", false, {}},
          {1, 451, "4.3.0", false, {}},
          {2, 451, "4.3.0", true, {0, 1, 2}}}},
    };
    for (const auto& c : cas) {
        Disjoncteur d;
        for (const Pas& p : c.pas) {
            std::vector<Disjoncteur::Membre> sortis;
            bool declenche = false;
            if (p.indice < 0)
                sortis = d.Rompre();
            else
                declenche = d.Refus(p.indice, Refus(p.code, p.etendu), sortis);
            EXPECT_EQ(declenche, p.declenche) << c.quoi << " at " << p.indice;
            EXPECT_EQ(Indices(sortis), p.sortis) << c.quoi << " at " << p.indice;
        }
    }
}
