#include "commun/EcritureAtomique.h"
#include "tests/support/RepertoireTemporaire.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(EcritureAtomique, TemporairesAbandonnesSupprimesEtRienDAutre) {
    RepertoireTemporaire rep;
    // What a killed save leaves, in the names mkostemp gives.
    const QStringList abandonnes = {
        QStringLiteral(".membres.list.lettrova-tmp-Ab12Cd"),
        QStringLiteral(".MEMBRES.LIST.lettrova-tmp-x9Y8z7"),
        QStringLiteral(".Lettrova.ini.lettrova-tmp-QWERTY"),
        QStringLiteral(".Lettre de juin10122026.err.lettrova-tmp-a1b2c3")};
    // The user's files, hidden or not, and names that only look alike.
    const QStringList autres = {QStringLiteral("membres.list"),
                                QStringLiteral(".bashrc"),
                                QStringLiteral(".clients.list.backup"),
                                QStringLiteral(".membres.list.Ab12Cd"),
                                QStringLiteral(".notes.txt.lettrova-tmp-abcdef"),
                                QStringLiteral(".membres.list.lettrova-tmp-abc"),
                                QStringLiteral(".membres.list.lettrova-tmp-abc-ef"),
                                QStringLiteral("membres.list.lettrova-tmp-Ab12Cd")};
    for (const QString& nom : abandonnes + autres)
        rep.Ecrire(nom, "x");
    QDir(rep.Chemin()).mkdir(QStringLiteral(".dossier.list.lettrova-tmp-abcdef"));

    EXPECT_EQ(SupprimerTemporairesAbandonnes(
                  rep.Chemin(),
                  {QStringLiteral(".list"), QStringLiteral(".err"), QStringLiteral(".ini")}),
              abandonnes.size());
    QStringList restes =
        QDir(rep.Chemin()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QStringList attendus =
        autres + QStringList{QStringLiteral(".dossier.list.lettrova-tmp-abcdef")};
    restes.sort();
    attendus.sort();
    EXPECT_EQ(restes, attendus);
}
