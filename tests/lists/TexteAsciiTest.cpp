#include "lists/TexteAscii.h"

#include <gtest/gtest.h>

TEST(TexteAscii, NomsDeListes) {
    const struct {
        const char16_t* nom;
        bool liste;
    } cas[] = {{u"A.LIST", true}, {u"b.List", true},      {u"c.list", true},
               {u".list", true},  {u"d.list.bak", false}, {u"list", false},
               {u"e.lis", false}, {u"f.lİst", false},     {u"", false}};
    for (const auto& c : cas)
        EXPECT_EQ(TexteAscii::EstNomListe(QStringView(c.nom)), c.liste)
            << QString::fromUtf16(c.nom).toStdString();
}

TEST(TexteAscii, SeulesLesLettresAsciiChangentDeCasse) {
    EXPECT_EQ(TexteAscii::Minuscules(u"JEAN.DUPONT@EXEMPLE.FR"), "jean.dupont@exemple.fr");
    EXPECT_EQ(TexteAscii::Minuscules(u"ÉLODIE@X.FR"), u"Élodie@x.fr");
}

TEST(TexteAscii, BlancsEtControlesRetiresAuxBouts) {
    EXPECT_EQ(TexteAscii::SansBlancsAuxBouts(u"\t a b \r\n\x01"), "a b");
    EXPECT_EQ(TexteAscii::SansBlancsAuxBouts(u" \u00A0x\u00A0 "), u"\u00A0x\u00A0");
    EXPECT_EQ(TexteAscii::SansBlancsAuxBouts(u"   "), "");
}

TEST(TexteAscii, ControleDAdresse) {
    const struct {
        const char16_t* adresse;
        bool correcte;
    } cas[] = {{u"a@b.fr", true}, {u"a.b@fr", true},  {u"a@@b..", true}, {u". @", true},
               {u"a@bfr", false}, {u"a.b.fr", false}, {u"", false}};
    for (const auto& c : cas)
        EXPECT_EQ(TexteAscii::AdresseSembleCorrecte(QStringView(c.adresse)), c.correcte)
            << QString::fromUtf16(c.adresse).toStdString();
}
