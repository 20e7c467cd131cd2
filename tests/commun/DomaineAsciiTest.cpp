// The ASCII form of e-mail domains, as libidn2 gives it (IDNA 2008, UTS #46 non-transitional).
#include "commun/DomaineAscii.h"
#include "tests/support/ImpressionQt.h"

#include <gtest/gtest.h>

TEST(DomaineAscii, FormeAsciiOuRefus) {
    const std::pair<const char*, const char*> cas[] = {
        {"exemple.fr", "exemple.fr"},
        // An ASCII name travels as written, whatever IDNA would make of its case or its "_".
        {"Exemple.FR", "Exemple.FR"},
        {"ex_ample.fr", "ex_ample.fr"},
        {"[192.0.2.1]", "[192.0.2.1]"},
        {"café.fr", "xn--caf-dma.fr"},
        {"CAFÉ.fr", "xn--caf-dma.fr"},
        {"Straße.de", "xn--strae-oqa.de"},
        {"exemple.côte.fr", "exemple.xn--cte-kna.fr"},
        {"пример.рф", "xn--e1afmkfd.xn--p1ai"},
        {"例子.中国", "xn--fsqu00a.xn--fiqs8s"},
        {"xn--caf-dma.fr", "xn--caf-dma.fr"},
        // Refused: a label that is no punycode, a disallowed character, a joiner out of its
        // context.
        {"xn--zz.fr", ""},
        {"café⒈.fr", ""},
        {"café\u200d.fr", ""},
    };
    for (const auto& [domaine, attendu] : cas)
        EXPECT_EQ(DomaineAscii(QString::fromUtf8(domaine)), QString::fromUtf8(attendu)) << domaine;
}
