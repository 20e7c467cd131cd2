#include "page/VerificationBalises.h"

#include <gtest/gtest.h>

namespace {

struct Cas {
    const char* texte;
    const char* manquante;
};

class VerificationBalises : public testing::TestWithParam<Cas> {};

TEST_P(VerificationBalises, DonneLaPremiereBaliseManquante) {
    EXPECT_EQ(BaliseManquante(QString::fromUtf8(GetParam().texte)),
              QString::fromUtf8(GetParam().manquante));
}

INSTANTIATE_TEST_SUITE_P(Cas, VerificationBalises,
                         testing::Values(Cas{"<html><head></head><body></body></html>", ""},
                                         Cas{"", "</html>"},
                                         Cas{"<HTML><HEAD></HEAD><BODY></BODY></HTML>", "</html>"},
                                         Cas{"<html><head></HEAD><body></body></html>", "</head>"},
                                         Cas{"</html></head>", "</body>"},
                                         Cas{"<!-- </body> </head> </html> -->", ""},
                                         Cas{"</html>x</body>y</head>", ""}));

} // namespace
