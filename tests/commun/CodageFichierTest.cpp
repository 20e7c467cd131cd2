// The encoding of the files the program writes: the code page while it can hold every character,
// UTF-8 behind a mark as soon as it cannot, and what is written always reads back the same.
#include "commun/CodageFichier.h"
#include "commun/DecodageTexte.h"
#include "tests/support/ImpressionQt.h"

#include <gtest/gtest.h>

TEST(CodageFichier, CodePageOuUtf8SelonLeTexte) {
    const struct {
        const char* texte;
        QByteArray attendu;
    } cas[] = {
        {"jean@exemple.fr\r\n", "jean@exemple.fr\r\n"},
        {"élodie@exemple.fr\r\n€\r\n", "\xE9lodie@exemple.fr\r\n\x80\r\n"},
        {"ivan@пример.рф\r\n", "\xEF\xBB\xBFivan@\xD0\xBF\xD1\x80\xD0\xB8\xD0\xBC\xD0\xB5\xD1\x80."
                               "\xD1\x80\xD1\x84\r\n"},
        // Code-page bytes that would read as UTF-8 get the mark.
        {"Ã©\r\n", "\xEF\xBB\xBF\xC3\x83\xC2\xA9\r\n"},
        // Code-page bytes that would read as a byte-order mark too.
        {"ï»¿¿\r\n", "\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBF\xC2\xBF\r\n"},
        {"ÿþa\r\n", "\xEF\xBB\xBF\xC3\xBF\xC3\xBE"
                    "a\r\n"},
        {"", ""},
    };
    for (const auto& c : cas) {
        const QString texte = QString::fromUtf8(c.texte);
        const QByteArray octets = CodageFichier::Coder(texte);
        EXPECT_EQ(octets, c.attendu) << c.texte;
        EXPECT_EQ(DecoderTexteFichier(octets), texte) << c.texte;
    }
}

TEST(CodageFichier, UnCaractereHorsCodePageEnCoursDeRoutePasseToutEnUtf8) {
    CodageFichier codage;
    codage.Ajouter(u"zoé@exemple.fr\r\n");
    codage.Ajouter(u"王@例子.中国\r\n");
    codage.Ajouter(u"éa\r\n");
    const QByteArray octets = codage.Prendre();
    EXPECT_TRUE(octets.startsWith("\xEF\xBB\xBFzo\xC3\xA9@"));
    EXPECT_EQ(DecoderTexteFichier(octets),
              QStringLiteral("zoé@exemple.fr\r\n王@例子.中国\r\néa\r\n"));
    // Emptied: the next file starts again in the code page.
    codage.Ajouter(u"é");
    EXPECT_EQ(codage.Prendre(), QByteArray("\xE9"));
}
