#include "lists/ListeAdresses.h"
#include "lists/CollationListe.h"
#include "lists/FichierListe.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

QStringList Elements(const ListeAdresses& l) {
    QStringList r;
    for (int i = 0; i < l.Nombre(); ++i)
        r.append(QString(l.Niveau(i), u'\t') + l.Texte(i).toString());
    return r;
}

ListeAdresses Liste(QStringView texte) {
    ListeAdresses l;
    FichierListe::Lire(texte, l);
    return l;
}

} // namespace

TEST(ListeAdresses, TriParNiveau) {
    CollationListe c;
    ListeAdresses l =
        Liste(u"zoe\r\n\tz2\r\n\ta2\r\n\t\tb\r\n\t\ta\r\nAnne\r\nanne\r\nÉric\r\neve");
    l.Trier(c);
    EXPECT_EQ(Elements(l), QStringList({"anne", "Anne", "Éric", "eve", "zoe", "\ta2", "\t\ta",
                                        "\t\tb", "\tz2"}));
}

TEST(ListeAdresses, TriDUneListePlate) {
    CollationListe c;
    ListeAdresses l = Liste(u"b@x.fr\r\nB@x.fr\r\na@x.fr\r\nà@x.fr\r\n");
    l.Trier(c);
    EXPECT_EQ(Elements(l), QStringList({"a@x.fr", "à@x.fr", "b@x.fr", "B@x.fr"}));
}

TEST(ListeAdresses, VidesFinalesRetirees) {
    ListeAdresses l = Liste(u"a\r\nb\r\nc\r\n\r\n\r\n");
    EXPECT_EQ(l.Nombre(), 5);
    l.RetirerVidesFinales();
    EXPECT_EQ(Elements(l), QStringList({"a", "b", "c"}));
    ListeAdresses vide = Liste(u"\r\n\r\n\r\n");
    vide.RetirerVidesFinales();
    EXPECT_TRUE(vide.EstVide());
}

TEST(ListeAdresses, SuppressionAvecDescendantsEtIdentifiantsStables) {
    ListeAdresses l = Liste(u"a\r\n\tb\r\n\t\tc\r\nd\r\ne");
    const auto idD = l.Id(3);
    const auto idB = l.Id(1);
    l.Supprimer(1);
    EXPECT_EQ(Elements(l), QStringList({"a", "d", "e"}));
    EXPECT_EQ(l.Position(idD), 1);
    EXPECT_EQ(l.Position(idB), -1);
    const int f = l.Ajouter(u"f", 0, 1);
    EXPECT_EQ(f, 3);
    EXPECT_EQ(l.Image(f), 1);
    l.Supprimer(0);
    l.Renommer(1, u"E", 1);
    EXPECT_EQ(Elements(l), QStringList({"d", "E", "f"}));
    EXPECT_EQ(l.Image(0), 0);
    EXPECT_EQ(l.Image(1), 1);
    EXPECT_EQ(l.FinSousArbre(0), 1);
}
