#include "sending/AdresseDesinscription.h"

#include "tests/support/ImpressionQt.h"

#include <gtest/gtest.h>

TEST(AdresseDesinscription, ValeursEtEntetes) {
    struct Cas {
        const char* adresse;
        bool valide;
        int entetes;
    };
    const Cas cas[] = {
        {"", true, 0},
        {"mailto:stop@exemple.org", true, 1},
        {"mailto:stop@exemple.org?subject=desinscription", true, 1},
        {"https://exemple.org/stop?id=42", true, 2},
        {"HTTPS://exemple.org", true, 2},
        {"http://exemple.org/stop", false, 0},
        {"stop@exemple.org", false, 0},
        {"mailto:", false, 0},
        {"mailto:@exemple.org", false, 0},
        {"https://", false, 0},
        {"https://exemple.org/a b", false, 0},
        {"https://exemple.org/a>,<b", false, 0},
        {"https://exemple.org/\xc3\xa9t\xc3\xa9", false, 0},
    };
    for (const Cas& c : cas) {
        const QString adresse = QString::fromUtf8(c.adresse);
        EXPECT_EQ(AdresseDesinscription::Valide(adresse), c.valide) << c.adresse;
        if (!c.valide)
            continue;
        const auto entetes = AdresseDesinscription::Entetes(adresse);
        ASSERT_EQ(entetes.size(), c.entetes) << c.adresse;
        if (c.entetes > 0)
            EXPECT_EQ(entetes[0], qMakePair(QStringLiteral("List-Unsubscribe"),
                                            QLatin1Char('<') + adresse + QLatin1Char('>')));
        if (c.entetes > 1)
            EXPECT_EQ(entetes[1], qMakePair(QStringLiteral("List-Unsubscribe-Post"),
                                            QStringLiteral("List-Unsubscribe=One-Click")));
    }
}
