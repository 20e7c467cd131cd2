#include "sending/FichierErreurs.h"
#include "commun/Erreur.h"
#include "sending/ResultatEnvoi.h"
#include "tests/support/LimiteTailleFichiers.h"
#include "tests/support/RepertoireTemporaire.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

TEST(FichierErreurs, NomDuSujetDeLaDateEtDeLHeure) {
    const QString rep = QStringLiteral("/prog");
    const QDate jour(2012, 12, 8);
    EXPECT_EQ(FichierErreurs::Nom(rep, "Nouvelles", QDateTime(jour, QTime(21, 15, 3))),
              "/prog/Nouvelles08.12.2012 21.15.03.err");
    EXPECT_EQ(FichierErreurs::Nom(rep, "", QDateTime(QDate(2026, 1, 5), QTime(7, 4, 9))),
              "/prog/05.01.2026 07.04.09.err");
    EXPECT_EQ(FichierErreurs::Nom(rep, "Minuit", QDateTime(jour, QTime(0, 0))),
              "/prog/Minuit08.12.2012.err");
}

TEST(FichierErreurs, RapportSansPerteRemplaceLAncien) {
    RepertoireTemporaire rep;
    const QList<ResultatEnvoi> echecs = {
        {"a@b.fr", "550 Utilisateur inconnu\r\n"},
        {QString::fromUtf8("é@b.fr"),
         QString::fromUtf8("La connexion s'est terminée proprement. ☃")}};
    QString rapport;
    for (const auto& e : echecs)
        rapport += e.EntreeRapport();
    const QString chemin = rep.Fichier("Lettre.err");
    rep.Ecrire("Lettre.err", "ancien contenu plus long que le nouveau .........................");
    FichierErreurs::Enregistrer(chemin, rep.Chemin(), rapport);
    // The snowman has no place in Windows-1252: the report is kept whole, in UTF-8.
    EXPECT_EQ(rep.Lire("Lettre.err"),
              "\xEF\xBB\xBF"
              "a@b.fr -> Erreur suivante: 550 Utilisateur inconnu\r\n\r\n"
              "\xC3\xA9@b.fr -> Erreur suivante: La connexion s'est termin\xC3\xA9"
              "e proprement. \xE2\x98\x83\r\n");
}

TEST(FichierErreurs, EchecsDeCreation) {
    RepertoireTemporaire rep;
    const QString dehors =
        FichierErreurs::Nom(rep.Chemin(), "a/b", QDateTime(QDate(2026, 1, 5), QTime(7, 4, 9)));
    QDir(rep.Chemin()).mkdir("a");
    try {
        FichierErreurs::Enregistrer(dehors, rep.Chemin(), "x\r\n");
        ADD_FAILURE();
    } catch (const Erreur& e) {
        EXPECT_TRUE(e.Message().startsWith(
            QStringLiteral("Impossible de créer le fichier \"%1\". ").arg(dehors)));
    }
    EXPECT_TRUE(QDir(rep.Fichier("a")).isEmpty()) << "nothing written anywhere";

    const QString chemin = rep.Fichier("plein.err");
    rep.Ecrire("plein.err", "ancien\r\n");
    {
        LimiteTailleFichiers limite(4);
        EXPECT_THROW(FichierErreurs::Enregistrer(chemin, rep.Chemin(), "nouveau contenu\r\n"),
                     Erreur);
    }
    EXPECT_EQ(rep.Lire("plein.err"), "ancien\r\n");
}

} // namespace
