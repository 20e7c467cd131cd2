#include "lists/CatalogueListes.h"
#include "lists/Corbeille.h"
#include "tests/support/RepertoireTemporaire.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(CatalogueListes, FichiersDontLeNomFinitParList) {
    RepertoireTemporaire rep;
    for (const char* nom : {"A.LIST", "b.List", "c.list", "d.list.bak", ".list", "list", "x.txt"})
        rep.Ecrire(nom, "");
    QDir(rep.Chemin()).mkdir("e.list");
    QDir(rep.Chemin()).mkpath("sous/f.list");
    EXPECT_EQ(CatalogueListes(rep.Chemin()), QStringList({".list", "A.LIST", "b.List", "c.list"}));
}

TEST(CatalogueListes, RepertoireVide) {
    RepertoireTemporaire rep;
    EXPECT_TRUE(CatalogueListes(rep.Chemin()).isEmpty());
}

// The file goes to the freedesktop trash (the user's data directory made if missing), with the entry that lets the user restore it.
TEST(Corbeille, EnvoiDansLaCorbeilleRestaurable) {
    RepertoireTemporaire rep;
    const QByteArray ancien = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(rep.Fichier("donnees")));
    QDir(rep.Chemin()).mkdir("programme");
    rep.Ecrire("programme/clients.list", "a@b.fr\r\n");
    const bool envoye = EnvoiCorbeille(rep.Fichier("programme/clients.list"));
    qputenv("XDG_DATA_HOME", ancien);
    ASSERT_TRUE(envoye);
    EXPECT_FALSE(QFile::exists(rep.Fichier("programme/clients.list")));
    EXPECT_EQ(rep.Lire("donnees/Trash/files/clients.list"), "a@b.fr\r\n");
    const QByteArray info = rep.Lire("donnees/Trash/info/clients.list.trashinfo");
    EXPECT_TRUE(info.contains("Path=" + QFile::encodeName(rep.Fichier("programme/clients.list"))))
        << info.toStdString();
}

TEST(Corbeille, FichierAbsent) {
    RepertoireTemporaire rep;
    EXPECT_FALSE(EnvoiCorbeille(rep.Fichier("absent.list")));
}
