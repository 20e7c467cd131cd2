// The addresses never to write to again: compared without case whatever the item around them,
// kept once, saved whole and read back in any encoding; the campaign's filter.
#include "returns/Desinscrits.h"
#include "tests/support/ImpressionQt.h"
#include "tests/support/RepertoireTemporaire.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(Desinscrits, AjouterFiltrerRemplacer) {
    RepertoireTemporaire rep;
    {
        Desinscrits d(rep.Chemin());
        EXPECT_TRUE(d.Adresses().isEmpty());
        EXPECT_EQ(d.Ajouter({"Jean Martin <Jean.Martin@Exemple.fr>", "zoé@exemple.fr",
                             "jean.martin@exemple.fr", " "}),
                  2);
        EXPECT_EQ(d.Ajouter({"ZOÉ@EXEMPLE.FR"}), 0);
    }
    // Beside the lists, and no list.
    EXPECT_TRUE(QFile::exists(rep.Fichier("Désinscrits.txt")));
    const Desinscrits relu(rep.Chemin());
    EXPECT_EQ(relu.Adresses(), QStringList({"Jean.Martin@Exemple.fr", "zoé@exemple.fr"}));
    const struct {
        const char* item;
        bool contenu;
    } cas[] = {
        {"jean.martin@exemple.fr", true}, {"\"Martin, Jean\" <JEAN.MARTIN@exemple.fr>", true},
        {"Zoé@Exemple.FR", true},         {"jean.martine@exemple.fr", false},
        {"zoe@exemple.fr", false},        {"", false},
    };
    for (const auto& c : cas)
        EXPECT_EQ(relu.Contient(QString::fromUtf8(c.item)), c.contenu) << c.item;
    EXPECT_EQ(relu.Filtrer({"a@b.fr", "Jean <jean.martin@exemple.fr>", "c@d.fr", "zoé@exemple.fr"}),
              QStringList({"a@b.fr", "c@d.fr"}));

    Desinscrits edite(rep.Chemin());
    edite.Remplacer({"c@d.fr", "C@D.fr", "e@f.fr"});
    EXPECT_EQ(Desinscrits(rep.Chemin()).Adresses(), QStringList({"c@d.fr", "e@f.fr"}));
    edite.Remplacer({});
    EXPECT_TRUE(Desinscrits(rep.Chemin()).Adresses().isEmpty());
}

TEST(Desinscrits, LuDansSonCodageQuelQuIlSoit) {
    RepertoireTemporaire rep;
    // Windows-1252 as the program writes it, UTF-8 as an editor would, blank lines, LF only.
    rep.Ecrire("Désinscrits.txt", "a@b.fr\r\n\r\nz\xe9@c.fr\n  \nx@y.fr");
    EXPECT_EQ(Desinscrits(rep.Chemin()).Adresses(), QStringList({"a@b.fr", "zé@c.fr", "x@y.fr"}));
    rep.Ecrire("Désinscrits.txt", "zé@c.fr\r\n");
    EXPECT_EQ(Desinscrits(rep.Chemin()).Adresses(), QStringList({"zé@c.fr"}));
}
