#include "lists/FichierListe.h"
#include "commun/DecodageTexte.h"
#include "commun/Erreur.h"
#include "lists/ListeAdresses.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// "niveau:texte" for every item, in display order.
QStringList Elements(const ListeAdresses& l) {
    QStringList r;
    for (int i = 0; i < l.Nombre(); ++i)
        r.append(QString::number(l.Niveau(i)) + ":" + l.Texte(i).toString());
    return r;
}

QStringList Lire(const QByteArray& octets) {
    ListeAdresses l;
    FichierListe::Lire(DecoderTexteFichier(octets), l);
    return Elements(l);
}

} // namespace

TEST(FichierListe, FinsDeLigneEtLignesVides) {
    const struct {
        QByteArray octets;
        QStringList elements;
    } cas[] = {
        {"", {}},
        {"a@b.fr", {"0:a@b.fr"}},
        {"a@b.fr\r\n", {"0:a@b.fr"}},
        {"a\r\nb\nc\rd", {"0:a", "0:b", "0:c", "0:d"}},
        {"a\n\rb", {"0:a", "0:", "0:b"}},
        {"a\r\n\r\n", {"0:a", "0:"}},
        {"\r\n", {"0:"}},
        {"a \r\n", {"0:a "}},
        {QByteArray("a\r\nb\0c\r\nd", 9), {"0:a", "0:b"}},
        {QByteArray("\0a", 2), {}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(Lire(c.octets), c.elements) << c.octets.toStdString();
}

TEST(FichierListe, ProfondeurParBlancsEtTabulations) {
    EXPECT_EQ(Lire("a\r\n\tb\r\n\t\tc\r\nd\r\n"), QStringList({"0:a", "1:b", "2:c", "0:d"}));
    EXPECT_EQ(Lire("a\r\n b\r\n \tc\r\n\td\r\ne"),
              QStringList({"0:a", "1:b", "2:c", "1:d", "0:e"}));
    EXPECT_EQ(Lire("\t\ta\r\n\tb"), QStringList({"0:a", "1:b"}))
        << "the first line is a top-level item whatever its depth";
}

TEST(FichierListe, SautDeDeuxNiveauxGardeLesElementsPrecedents) {
    ListeAdresses l;
    try {
        FichierListe::Lire(u"a\r\n\t\tb\r\nc", l);
        FAIL() << "no error";
    } catch (const Erreur& e) {
        EXPECT_EQ(e.Message(), u"Niveau incorrect (2) pour l'élément \"b\"");
    }
    EXPECT_EQ(Elements(l), QStringList({"0:a"}));
}

TEST(FichierListe, MarquesDOrdreDesOctets) {
    const QString attendu = QString::fromUtf16(u"élodie@exemple.fr");
    const struct {
        QByteArray octets;
        QString texte;
    } cas[] = {
        {"\xEF\xBB\xBF\xC3\xA9lodie@exemple.fr\r\n", attendu},
        {QByteArray("\xFF\xFE\xE9\0l\0", 6), QString::fromUtf16(u"él")},
        {QByteArray("\xFE\xFF\0\xE9\0l", 6), QString::fromUtf16(u"él")},
        {"\xE9lodie@exemple.fr", attendu},
        {"\xC3\xA9lodie@exemple.fr", attendu},
        {"\xC3\xA9\xE9", QString::fromUtf16(u"Ã©é")},
    };
    for (const auto& c : cas)
        EXPECT_EQ(Lire(c.octets), QStringList({"0:" + c.texte})) << c.octets.toStdString();
}

TEST(FichierListe, EcritureEnWindows1252AvecCrLf) {
    ListeAdresses l;
    EXPECT_TRUE(FichierListe::Ecrire(l).isEmpty()) << "an empty list is a 0-byte file";
    FichierListe::Lire(
        DecoderTexteFichier("\xEF\xBB\xBF\xC3\xA9l@x.fr\r\n\t\xE2\x82\xAC\xE4\xB8\xAD"
                            "\r\nb"),
        l);
    EXPECT_EQ(FichierListe::Ecrire(l), QByteArray("\xE9l@x.fr\r\n\t\x80?\r\nb\r\n"));
}
