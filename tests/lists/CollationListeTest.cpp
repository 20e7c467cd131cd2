#include "lists/CollationListe.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QString>
#include <gtest/gtest.h>

namespace {
int Signe(int v) {
    return (v > 0) - (v < 0);
}
} // namespace

TEST(CollationListe, LocaleDuSystemeFrancaise) {
    EXPECT_EQ(QLocale::system().name(), "fr_FR");
}

TEST(CollationListe, LaCasseNeDepartageQueLesEgalitesMinusculesDAbord) {
    CollationListe c;
    const struct {
        const char16_t* a;
        const char16_t* b;
        int signe;
    } cas[] = {
        {u"a", u"B", -1},     {u"b", u"A", 1},           {u"a", u"A", -1},
        {u"Ab", u"aC", -1},   {u"aB", u"Ab", -1},        {u"dupont", u"Dupont", -1},
        {u"e", u"é", -1},     {u"é", u"f", -1},          {u"élodie", u"eric", -1},
        {u"a", u"ab", -1},    {u"x@a.fr", u"x@a.fr", 0}, {u"1", u"a", -1},
        {u"b@x", u"B@x", -1}, {u"zoé", u"Zoé", -1},
    };
    for (const auto& k : cas) {
        EXPECT_EQ(Signe(c.Comparer(QStringView(k.a), QStringView(k.b))), k.signe)
            << QString::fromUtf16(k.a).toStdString() << " / "
            << QString::fromUtf16(k.b).toStdString();
        EXPECT_EQ(Signe(c.Comparer(QStringView(k.b), QStringView(k.a))), -k.signe);
    }
}

// The quick comparison of printable ASCII texts must give the collator's own answer.
TEST(CollationListe, LaVoieRapideSuitLeCollateur) {
    CollationListe c;
    QCollator reference(QLocale::system());
    reference.setCaseSensitivity(Qt::CaseSensitive);
    QRandomGenerator hasard(42);
    const QString alphabet = QStringLiteral("aAbBzZ09.-_@+' ~!#$%&*/=?^`{|}()[]<>:;,\"\\");
    for (int essai = 0; essai < 20000; ++essai) {
        QString t[2];
        for (QString& s : t) {
            const int n = static_cast<int>(hasard.bounded(6));
            for (int i = 0; i < n; ++i)
                s.append(alphabet[static_cast<int>(hasard.bounded(alphabet.size()))]);
        }
        if (hasard.bounded(4) == 0)
            t[1] = t[0].toUpper();
        ASSERT_TRUE(CollationListe::Ascii(t[0]) && CollationListe::Ascii(t[1]));
        ASSERT_EQ(Signe(c.ComparerAscii(t[0], t[1])), Signe(reference.compare(t[0], t[1])))
            << t[0].toStdString() << " / " << t[1].toStdString();
    }
}

// Sorting needs a strict weak order: with the fast path for ASCII texts and the collator for the
// others mixed, a C locale once gave "alice" < "Zed" < "Zoé" < "alice".
TEST(CollationListe, OrdreTransitifSousLesDeuxLocales) {
    const QStringList noms = {"alice",      "Alice",  "Zed",  "zed",  "Zoé",    "zoé",
                              "élodie",     "Élodie", "eric", "Eric", "b@x.fr", "B@x.fr",
                              "Ærøskøbing", "ß@x",    "1a",   "_a"};
    for (const QLocale& locale : {QLocale(QLocale::French, QLocale::France), QLocale::c()}) {
        SCOPED_TRACE(locale.name().toStdString());
        CollationListe c(locale);
        const auto cmp = [&](const QString& a, const QString& b) {
            return Signe(c.Comparer(a, b));
        };
        EXPECT_EQ(cmp("alice", "Zed"), -1);
        EXPECT_EQ(cmp("Zed", QString::fromUtf8("Zoé")), -1);
        EXPECT_EQ(cmp("alice", QString::fromUtf8("Zoé")), -1);
        QRandomGenerator hasard(7);
        for (int essai = 0; essai < 20000; ++essai) {
            QString t[3];
            for (QString& s : t)
                s = noms[static_cast<int>(hasard.bounded(noms.size()))] +
                    noms[static_cast<int>(hasard.bounded(noms.size()))].left(
                        static_cast<int>(hasard.bounded(3)));
            const int ab = cmp(t[0], t[1]), bc = cmp(t[1], t[2]), ac = cmp(t[0], t[2]);
            ASSERT_EQ(ab, -cmp(t[1], t[0])) << t[0].toStdString() << " / " << t[1].toStdString();
            if (ab <= 0 && bc <= 0)
                ASSERT_LE(ac, 0) << t[0].toStdString() << " " << t[1].toStdString() << " "
                                 << t[2].toStdString();
            if (ab == 0 && bc == 0)
                ASSERT_EQ(ac, 0);
        }
    }
}

TEST(CollationListe, TexteAscii) {
    EXPECT_TRUE(CollationListe::Ascii(u"a b~"));
    EXPECT_FALSE(CollationListe::Ascii(u"é"));
    EXPECT_FALSE(CollationListe::Ascii(u"a\tb"));
    EXPECT_FALSE(CollationListe::Ascii(u"\x7F"));
}
