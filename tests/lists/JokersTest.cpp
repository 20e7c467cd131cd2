#include "lists/Jokers.h"

#include <QString>
#include <functional>
#include <gtest/gtest.h>

TEST(Jokers, TableDesCorrespondances) {
    const struct {
        const char16_t* texte;
        const char16_t* masque;
        bool attendu;
    } cas[] = {
        {u"", u"", true},
        {u"a", u"", false},
        {u"", u"*", true},
        {u"abc", u"*", true},
        {u"abc", u"???", true},
        {u"ab", u"???", false},
        {u"abcd", u"???", false},
        {u"abc", u"abc", true},
        {u"abC", u"abc", false},
        {u"abcdef", u"abc*", true},
        {u"xabc", u"abc*", false},
        {u"dupont", u"*dup?nt*", true},
        {u"jean.dupont@x.fr", u"*dup?nt*", true},
        {u"dupnt", u"*dup?nt*", false},
        {u"é", u"e", false},
        {u"é", u"?", true},
        {u"aXbXc", u"a*b*c", true},
        {u"ab", u"a*b*c", false},
        {u"", u"?", false},
        {u"", u"**", true},
        {u"a*b", u"a?b", true},
        {u"a", u"*?*", true},
        {u"ab", u"*a", false},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(CorrespondMasque(QStringView(c.texte), QStringView(c.masque)), c.attendu)
            << QString::fromUtf16(c.texte).toStdString() << " / "
            << QString::fromUtf16(c.masque).toStdString();
        EXPECT_EQ(CorrespondMasqueParEnumeration(QStringView(c.texte), QStringView(c.masque)),
                  c.attendu);
    }
}

TEST(Jokers, CompareJokersEtSommeLongueurs) {
    EXPECT_TRUE(CompareJokers(u"abcde", u"a*c*", {0, 1, 2}));
    EXPECT_FALSE(CompareJokers(u"abcde", u"a*c*", {0, 2, 1}));
    EXPECT_FALSE(CompareJokers(u"abcde", u"a*c*", {0, 1, 1})) << "text left over";
    EXPECT_TRUE(CompareJokers(u"ab", u"*", {0, 5})) << "a star past the end takes what is left";
    EXPECT_FALSE(CompareJokers(u"ab", u"*?", {0, 5}));
    EXPECT_FALSE(CompareJokers(u"a", u"a?", {0}));
    EXPECT_EQ(SommeLongueurs({9, 1, 2, 3}, 2), 3);
    EXPECT_EQ(SommeLongueurs({9, 1, 2, 3}, 0), 0);
    EXPECT_EQ(SommeLongueurs({9, 1, 2, 3}, -1), 0);
}

// Every pattern over {a, b, ?, *} up to 6 characters against every text over {a, b} up to 7:
// the quick matcher answers as the enumeration of every split does.
TEST(Jokers, LeMatcheurRapideSuitLEnumeration) {
    std::vector<QString> masques{QString()};
    std::vector<QString> textes{QString()};
    const auto etendre = [](std::vector<QString>& tous, const QString& alphabet, int longueur) {
        std::size_t debut = 0;
        for (int l = 1; l <= longueur; ++l) {
            const std::size_t fin = tous.size();
            for (std::size_t i = debut; i < fin; ++i)
                for (QChar c : alphabet)
                    tous.push_back(tous[i] + c);
            debut = fin;
        }
    };
    etendre(masques, QStringLiteral("ab?*"), 6);
    etendre(textes, QStringLiteral("ab"), 7);
    long accords = 0;
    for (const QString& m : masques)
        for (const QString& t : textes) {
            const bool attendu = CorrespondMasqueParEnumeration(t, m);
            ASSERT_EQ(CorrespondMasque(t, m), attendu)
                << t.toStdString() << " / " << m.toStdString();
            accords += attendu;
        }
    EXPECT_GT(accords, 0);
}
