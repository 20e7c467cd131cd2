#include "mail/LectureAdresses.h"

#include "tests/support/ImpressionQt.h"

#include <gtest/gtest.h>

TEST(LectureAdresses, UneAdresse) {
    const std::tuple<const char*, const char*, const char*> cas[] = {
        {"  jean@exemple.org ", "", "jean@exemple.org"},
        {"", "", ""},
        {"Jean Dupont <jean@exemple.org>", "Jean Dupont", "jean@exemple.org"},
        {"\"Dupont, Jean\" <jean@exemple.org>", "Dupont, Jean", "jean@exemple.org"},
        {"\"Le \\\"club\\\"\" <c@exemple.org>", "Le \"club\"", "c@exemple.org"},
        {"jean@exemple.org (bureau (Paris))", "", "jean@exemple.org"},
        {"Jean <jean . dupont@exemple\t. org>", "Jean", "jean.dupont@exemple.org"},
        {"Jean <jean@exemple.org", "Jean", "jean@exemple.org"},
        {"\"sans fin <a@b.c>", "", "\"sans fin <a@b.c>"},
    };
    for (const auto& [texte, nom, adresse] : cas) {
        const AdresseCourriel a = LireAdresse(QString::fromUtf8(texte));
        EXPECT_EQ(a.Nom, QString::fromUtf8(nom)) << texte;
        EXPECT_EQ(a.Adresse, QString::fromUtf8(adresse)) << texte;
    }
}

TEST(LectureAdresses, Listes) {
    AdressesCourriel liste{{QStringLiteral("ancien"), QStringLiteral("a@b.c")}};
    LireListeAdresses(QStringLiteral("a@exemple.org, \"Dupont; Jean\" <j@exemple.org>;"
                                     "  b@exemple.org (x, y) ,,  "),
                      liste);
    ASSERT_EQ(liste.size(), 3);
    EXPECT_EQ(liste[0], (AdresseCourriel{QString(), QStringLiteral("a@exemple.org")}));
    EXPECT_EQ(liste[1],
              (AdresseCourriel{QStringLiteral("Dupont; Jean"), QStringLiteral("j@exemple.org")}));
    EXPECT_EQ(liste[2], (AdresseCourriel{QString(), QStringLiteral("b@exemple.org")}));

    LireListeAdresses(QStringLiteral("Amis: a@exemple.org, b@exemple.org;"), liste);
    ASSERT_EQ(liste.size(), 2);
    EXPECT_EQ(liste[0].Adresse, QStringLiteral("a@exemple.org"));

    LireListeAdresses(QStringLiteral("   "), liste);
    EXPECT_TRUE(liste.isEmpty());
}
