// Addresses in definitive failure taken out of a list file: the list saved without them, and
// they kept in the ".retirees" file beside it, one removal after the other.
#include "returns/RetraitListe.h"
#include "commun/Erreur.h"
#include "returns/FichierTexte.h"
#include "tests/support/ImpressionQt.h"
#include "tests/support/RepertoireTemporaire.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(RetraitListe, ListeEnregistreeSansEllesEtRetireesGardees) {
    RepertoireTemporaire rep;
    rep.Ecrire("clients.list", "a@x.fr\r\nJean <B@x.fr>\r\nc@x.fr\r\nd@x.fr\r\n");
    const QString liste = rep.Fichier("clients.list");
    EXPECT_EQ(RetraitListe::CheminRetirees(liste), rep.Fichier("clients.retirees"));

    EXPECT_EQ(RetraitListe::Retirer(liste, {"b@x.fr", "d@X.FR", "absente@x.fr"}),
              QStringList({"Jean <B@x.fr>", "d@x.fr"}));
    EXPECT_EQ(rep.Lire("clients.list"), "a@x.fr\r\nc@x.fr\r\n");
    EXPECT_EQ(rep.Lire("clients.retirees"), "Jean <B@x.fr>\r\nd@x.fr\r\n");

    // Nothing to remove: neither file touched.
    EXPECT_TRUE(RetraitListe::Retirer(liste, {"z@x.fr"}).isEmpty());
    EXPECT_EQ(RetraitListe::Retirer(liste, {"a@x.fr"}), QStringList({"a@x.fr"}));
    EXPECT_EQ(rep.Lire("clients.list"), "c@x.fr\r\n");
    EXPECT_EQ(FichierTexte::Lire(rep.Fichier("clients.retirees")),
              QStringList({"Jean <B@x.fr>", "d@x.fr", "a@x.fr"}));
    // No temporary file left behind.
    EXPECT_EQ(QDir(rep.Chemin()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"clients.list", "clients.retirees"}));
}

TEST(RetraitListe, ListeIntrouvableDitPourquoi) {
    RepertoireTemporaire rep;
    try {
        RetraitListe::Retirer(rep.Fichier("absente.list"), {"a@x.fr"});
        ADD_FAILURE();
    } catch (const Erreur& e) {
        EXPECT_TRUE(
            e.Message().startsWith(QStringLiteral("Impossible de lire %1.")
                                       .arg(QDir::toNativeSeparators(rep.Fichier("absente.list")))))
            << e.Message().toStdString();
    }
    EXPECT_FALSE(QFile::exists(rep.Fichier("absente.retirees")));
}
