#include "page/RemplacementTexte.h"

#include <gtest/gtest.h>

namespace {

struct Cas {
    const char* texte;
    const char* cherche;
    const char* par;
    const char* locale;
    const char* attendu;
};

class RemplacementTexte : public testing::TestWithParam<Cas> {};

TEST_P(RemplacementTexte, RemplaceSansRegarderLaCasse) {
    const Cas& c = GetParam();
    EXPECT_EQ(RemplacerTout(QString::fromUtf8(c.texte), QString::fromUtf8(c.cherche),
                            QString::fromUtf8(c.par), QLocale(QString::fromUtf8(c.locale))),
              QString::fromUtf8(c.attendu));
}

INSTANTIATE_TEST_SUITE_P(
    Cas, RemplacementTexte,
    testing::Values(Cas{"<div>x</div>", "Div", "span", "fr_FR", "<span>x</span>"},
                    Cas{"aaa", "a", "aa", "fr_FR", "aaaaaa"}, Cas{"aaaa", "aa", "b", "fr_FR", "bb"},
                    Cas{"abc", "", "x", "fr_FR", "abc"}, Cas{"abc", "z", "x", "fr_FR", "abc"},
                    Cas{"Été, été", "ÉTÉ", "hiver", "fr_FR", "hiver, hiver"},
                    Cas{"xAy", "a", "", "fr_FR", "xy"},
                    // Turkish: the upper case of "i" is "İ", not "I".
                    Cas{"Ii İ", "i", "-", "tr_TR", "I- -"}, Cas{"Ii İ", "i", "-", "fr_FR", "-- İ"},
                    // "ß" upper-cases to two letters: positions must still match the original.
                    Cas{"Straße x", "X", "y", "de_DE", "Straße y"},
                    Cas{"Straße", "STRASSE", "y", "de_DE", "Straße"},
                    Cas{"a😀b😀", "😀B", "!", "fr_FR", "a!😀"}));

} // namespace
