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
    FichierListe::Lire(DecoderTexteFichier("\xEF\xBB\xBF\xC3\xA9l@x.fr\r\n\t\xE2\x82\xAC\r\nb"), l);
    EXPECT_EQ(FichierListe::Ecrire(l), QByteArray("\xE9l@x.fr\r\n\t\x80\r\nb\r\n"));
}

// A list saved and read again is the same list: a code-page file stays byte for byte what it
// was, a list with a character the code page lacks is kept whole (UTF-8 behind a mark).
TEST(FichierListe, EnregistrerPuisRelireGardeChaqueCaractere) {
    const struct {
        QByteArray fichier;
        bool memesOctets;
    } cas[] = {
        {"jean@caf\xE9.fr\r\n\tz\xF6"
         "e@exemple.fr\r\n\x80"
         "uro@x.fr\r\n",
         true},
        {"\xEF\xBB\xBFivan@\xD0\xBF\xD1\x80\xD0\xB8\xD0\xBC\xD0\xB5\xD1\x80.\xD1\x80\xD1\x84\r\n"
         "jean@caf\xC3\xA9.fr\r\n",
         true},
        // A list read from a UTF-8 file without a mark comes back with one.
        {"\xE7\x8E\x8B@\xE4\xBE\x8B\xE5\xAD\x90.\xE4\xB8\xAD\xE5\x9B\xBD\r\n", false},
    };
    for (const auto& c : cas) {
        ListeAdresses l;
        FichierListe::Lire(DecoderTexteFichier(c.fichier), l);
        const QByteArray ecrit = FichierListe::Ecrire(l);
        if (c.memesOctets) {
            EXPECT_EQ(ecrit, c.fichier);
        }
        ListeAdresses relue;
        FichierListe::Lire(DecoderTexteFichier(ecrit), relue);
        ASSERT_EQ(relue.Nombre(), l.Nombre());
        for (int i = 0; i < l.Nombre(); ++i) {
            EXPECT_EQ(relue.Texte(i), l.Texte(i));
            EXPECT_EQ(relue.Niveau(i), l.Niveau(i));
        }
    }
}
