#include "lists/ListeAdresses.h"
#include "lists/CollationListe.h"
#include "lists/FichierListe.h"

#include <QCollator>
#include <QLocale>
#include <QRandomGenerator>
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

// A large mixed list comes out in the collator's own order.
TEST(ListeAdresses, TriConformeAuCollateur) {
    CollationListe c;
    QCollator reference(QLocale::system());
    reference.setCaseSensitivity(Qt::CaseSensitive);
    QRandomGenerator hasard(7);
    const QString alphabet = QString::fromUtf8("aAbBeéÉ.-@_0 z");
    ListeAdresses l;
    for (int i = 0; i < 3000; ++i) {
        QString s;
        for (int k = static_cast<int>(hasard.bounded(12)); k > 0; --k)
            s.append(alphabet[static_cast<int>(hasard.bounded(alphabet.size()))]);
        l.Ajouter(s, 0, 0);
    }
    l.Trier(c);
    for (int i = 1; i < l.Nombre(); ++i)
        ASSERT_LE(reference.compare(l.Texte(i - 1), l.Texte(i)), 0)
            << l.Texte(i - 1).toString().toStdString() << " / "
            << l.Texte(i).toString().toStdString();
}
