#include "commun/DecodageTexte.h"

#include <gtest/gtest.h>

namespace {

TEST(DecodageTexte, Utf8ValideEtMultiOctetsSeulement) {
    const struct {
        QByteArray octets;
        bool utf8;
    } cas[] = {
        {"", false},
        {"ascii seul\r\n", false},
        {"Ch\xC3\xA8res adh\xC3\xA9rentes", true},
        {"\xE2\x82\xAC \xF0\x9F\x93\xAE", true}, // three and four bytes
        {"Ch\xE8res adh\xE9rentes", false},      // Windows-1252
        {"\xC3\xA9 puis \xE9", false},           // UTF-8, then a Windows-1252 byte
        {"\xC0\xA9", false},                     // overlong
        {"\xE0\x80\xA9", false},                 // overlong
        {"\xED\xA0\x80", false},                 // surrogate
        {"\xF4\x90\x80\x80", false},             // past U+10FFFF
        {"fin coup\xC3", false},                 // cut at the end
        {"\xE2\x82", false},                     // cut at the end
        {"\xC3\xA9\x80", false},                 // lone continuation byte
    };
    for (const auto& c : cas)
        EXPECT_EQ(EstUtf8MultiOctets(c.octets), c.utf8) << c.octets.toHex().toStdString();
}

// Lists, pages and import files all read through here: the accented letters right whether the
// file is UTF-8 with or without a mark or Windows-1252.
TEST(DecodageTexte, LesTroisFormesCourantes) {
    const QString attendu = QString::fromUtf8("Chères adhérentes;élodie@exemple.fr\r\n");
    for (const QByteArray& octets :
         {QByteArray("\xEF\xBB\xBF") + attendu.toUtf8(), attendu.toUtf8(), attendu.toLatin1()})
        EXPECT_EQ(DecoderTexteFichier(octets), attendu) << octets.toHex().toStdString();
    EXPECT_EQ(DecoderTexteFichier("\xC3\xA9 \x80"), QString::fromUtf8("Ã© €"))
        << "not valid UTF-8: every byte is one Windows-1252 character";
}

// UTF-16 with half a character (a surrogate without its pair) reads that half as U+FFFD, so that
// the text can be written back whole; a pair stays one character.
TEST(DecodageTexte, Utf16SansDemiCaractere) {
    EXPECT_EQ(DecoderTexteFichier(QByteArray("\xFE\xFF\0a\xD8\xD8\0b\xD8\x3D\xDC\xEE", 12)),
              QString::fromUtf8("a\uFFFDb📮"));
    // Past the mark, a second one is a character of the text.
    EXPECT_EQ(DecoderTexteFichier("\xEF\xBB\xBF\xEF\xBB\xBF"
                                  "a"),
              QString(QChar(0xFEFF)) + u'a');
    EXPECT_EQ(DecoderTexteFichier(QByteArray("\xFF\xFE\xFF\xFE"
                                             "a\0",
                                             6)),
              QString(QChar(0xFEFF)) + u'a');
    EXPECT_EQ(DecoderTexteFichier(QByteArray("\xFF\xFE\x3D\xD8", 4)),
              QString(QChar::ReplacementCharacter));
}

} // namespace
