#include "app/EcritureAtomique.h"
#include "tests/support/RepertoireTemporaire.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(EcritureAtomique, TemporairesAbandonnesSupprimesEtRienDAutre) {
    RepertoireTemporaire rep;
    // What a killed save leaves, in the names mkostemp gives.
    const QStringList abandonnes = {QStringLiteral(".membres.list.Ab12Cd"),
                                    QStringLiteral(".MEMBRES.LIST.x9Y8z7"),
                                    QStringLiteral(".Lettrova.ini.QWERTY"),
                                    QStringLiteral(".Lettre de juin10122026.err.a1b2c3")};
    // The user's files, hidden or not, and names that only look alike.
    const QStringList autres = {
        QStringLiteral("membres.list"),         QStringLiteral(".bashrc"),
        QStringLiteral(".notes.txt.abcdef"),    QStringLiteral(".membres.list.abc"),
        QStringLiteral(".membres.list.abc-ef"), QStringLiteral("membres.list.Ab12Cd")};
    for (const QString& nom : abandonnes + autres)
        rep.Ecrire(nom, "x");
    QDir(rep.Chemin()).mkdir(QStringLiteral(".dossier.list.abcdef"));

    EXPECT_EQ(SupprimerTemporairesAbandonnes(
                  rep.Chemin(),
                  {QStringLiteral(".list"), QStringLiteral(".err"), QStringLiteral(".ini")}),
              abandonnes.size());
    QStringList restes =
        QDir(rep.Chemin()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QStringList attendus = autres + QStringList{QStringLiteral(".dossier.list.abcdef")};
    restes.sort();
    attendus.sort();
    EXPECT_EQ(restes, attendus);
}
