#include "page/LecturePage.h"
#include "commun/Erreur.h"
#include "tests/support/RepertoireTemporaire.h"

#include <gtest/gtest.h>

namespace {

struct Cas {
    QByteArray octets;
    const char* texte;
};

class LecturePage : public testing::TestWithParam<Cas> {};

TEST_P(LecturePage, DecodeSelonLaMarque) {
    RepertoireTemporaire rep;
    rep.Ecrire("page.html", GetParam().octets);
    EXPECT_EQ(LireFichierPage(rep.Fichier("page.html")), QString::fromUtf8(GetParam().texte));
}

INSTANTIATE_TEST_SUITE_P(Cas, LecturePage,
                         testing::Values(Cas{QByteArray("\xEF\xBB\xBF"
                                                        "d\xC3\xA9j\xC3\xA0"),
                                             "déjà"},
                                         Cas{QByteArray("d\xC3\xA9j\xC3\xA0"), "déjà"},
                                         Cas{QByteArray("d\xE9j\xE0 \x80"), "déjà €"},
                                         Cas{QByteArray("\xFF\xFE"
                                                        "\xE9\0\r\0\n\0",
                                                        8),
                                             "é\r\n"},
                                         Cas{QByteArray("\xFE\xFF"
                                                        "\0\xE9\0a",
                                                        6),
                                             "éa"},
                                         Cas{QByteArray(), ""}));

TEST(LecturePageAbsente, PasDeFichierDonneUnTexteVide) {
    RepertoireTemporaire rep;
    EXPECT_EQ(LireFichierPage(rep.Fichier("absent.html")), "");
    EXPECT_EQ(LireFichierPage(rep.Chemin()), "") << "a directory is no file";
    EXPECT_EQ(LireFichierPage(""), "");
}

TEST(LecturePageIllisible, LeveUneErreurAvecLeChemin) {
    // A regular file that exists but whose reading fails, even for root.
    const QString chemin = "/proc/self/mem";
    try {
        LireFichierPage(chemin);
        FAIL() << "no error raised";
    } catch (const Erreur& e) {
        EXPECT_EQ(e.Message(), "Impossible de lire le fichier \"/proc/self/mem\".");
    }
}

} // namespace
