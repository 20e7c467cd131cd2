#include "lists/NomListe.h"

#include "tests/support/ImpressionQt.h"

#include <gtest/gtest.h>

TEST(NomListe, CompleterEtRefuser) {
    const QString interdit = QStringLiteral(" contient un caractère interdit dans un nom de "
                                            "fichier (/ \\ : * ? \" < > | ou un caractère de "
                                            "contrôle).");
    const QString vide =
        QStringLiteral("Le nom de la liste est vide : indiquez un nom avant \".list\".");
    const struct {
        QString saisie, nom, refus;
    } cas[] = {
        {"relance", "relance.list", ""},
        {"  Relance 2026.LIST ", "Relance 2026.LIST", ""},
        {"Nouvelles08.12.2012 21.15.03.list", "Nouvelles08.12.2012 21.15.03.list", ""},
        {"été", "été.list", ""},
        {"", "", vide},
        {" .list", ".list", vide},
        {"   ", "", vide},
        {".cachee", ".cachee.list",
         "Le nom de liste \".cachee.list\" ne peut pas commencer "
         "par un point."},
        {"mars/avril", "mars/avril.list", "Le nom de liste \"mars/avril.list\"" + interdit},
        {"a\\b", "a\\b.list", "Le nom de liste \"a\\b.list\"" + interdit},
        {"quoi?", "quoi?.list", "Le nom de liste \"quoi?.list\"" + interdit},
        {"ligne\tdeux", "ligne\tdeux.list", "Le nom de liste \"ligne\tdeux.list\"" + interdit},
        // The save's temporary file is 21 bytes longer, and a file name has 255 at most.
        {QString(229, 'a'), QString(229, 'a') + ".list", ""},
        {QString(230, 'a'), QString(230, 'a') + ".list",
         "Le nom de liste est trop long (234 octets au plus)."},
        {QString(115, u'é'), QString(115, u'é') + ".list",
         "Le nom de liste est trop long (234 octets au plus)."},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.saisie.toStdString());
        const QString nom = NomListe::Completer(c.saisie);
        EXPECT_EQ(nom, c.nom);
        EXPECT_EQ(NomListe::Refus(nom), c.refus);
    }
}
