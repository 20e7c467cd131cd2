#include "page/TexteApercu.h"

#include <gtest/gtest.h>

namespace {

struct Cas {
    const char* texte;
    QByteArray octets;
};

class TexteApercu : public testing::TestWithParam<Cas> {};

TEST_P(TexteApercu, LignesFinissantParCrLfEnUtf8) {
    EXPECT_EQ(OctetsApercu(QString::fromUtf8(GetParam().texte)), GetParam().octets);
}

INSTANTIATE_TEST_SUITE_P(Cas, TexteApercu,
                         testing::Values(Cas{"", ""}, Cas{"a", "a\r\n"}, Cas{"a\n", "a\r\n"},
                                         Cas{"a\nb\r\nc\rd", "a\r\nb\r\nc\r\nd\r\n"},
                                         Cas{"\n\r\n", "\r\n\r\n"}, Cas{"\r\r\n", "\r\n\r\n"},
                                         Cas{"é€", "\xC3\xA9\xE2\x82\xAC\r\n"}));

} // namespace
