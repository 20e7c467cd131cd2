#include "mail/NomSalutation.h"

#include "tests/support/ImpressionQt.h"

#include <gtest/gtest.h>

TEST(NomSalutation, Choix) {
    struct Cas {
        const char* voulu;
        const char* hote;
        const char* attendu;
    };
    const Cas cas[] = {
        {"club@exemple.org", "poste.exemple.org", "poste.exemple.org"},
        {"club@exemple.org", "poste", "[192.0.2.5]"},
        {"mail.exemple.org", "poste", "mail.exemple.org"},
        {"", "", "[192.0.2.5]"},
        {"jean", "localhost", "[192.0.2.5]"},
        {"exemple.123", "poste", "[192.0.2.5]"},
        {"-a.exemple.org", "b-.exemple.org", "[192.0.2.5]"},
        {"a..b", "x_y.exemple.org", "[192.0.2.5]"},
        {"\xc3\xa9t\xc3\xa9.fr", "xn--t-bga.fr", "xn--t-bga.fr"},
        {"a.b c.org", "", "[192.0.2.5]"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(NomSalutation(QString::fromUtf8(c.voulu), QString::fromUtf8(c.hote),
                                QStringLiteral("192.0.2.5:41000")),
                  QString::fromUtf8(c.attendu))
            << c.voulu << " / " << c.hote;
    EXPECT_FALSE(EstNomDomaine(QString(64, u'a') + QStringLiteral(".org")));
    EXPECT_TRUE(EstNomDomaine(QString(63, u'a') + QStringLiteral(".org")));
}
