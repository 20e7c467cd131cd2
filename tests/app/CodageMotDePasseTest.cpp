#include "app/CodageMotDePasse.h"
#include "app/FichierParametres.h"
#include "tests/support/RepertoireTemporaire.h"

#include <gtest/gtest.h>

TEST(CodageMotDePasse, ChaqueCaractereImprimableSurvitAuFichier) {
    RepertoireTemporaire rep;
    QString tous;
    for (char16_t c = 0x20; c < 0x7F; ++c)
        tous += QChar(c);
    // Each character alone, at both ends of the value, and all of them together.
    QStringList motsDePasse{tous};
    for (const QChar c : tous)
        motsDePasse << QString(c) << QString(c) + "x" + QString(c);
    for (const QString& mdp : motsDePasse) {
        FichierParametres(rep.Fichier("p.ini"))
            .Ecrire("Parametres", "SMTPPassword", CodageMotDePasse(mdp, kCleMotDePasse));
        const QString lu =
            FichierParametres(rep.Fichier("p.ini")).Lire("parametres", "SMTPPassword", "");
        EXPECT_EQ(CodageMotDePasse(lu, kCleMotDePasse), mdp);
        EXPECT_NE(lu, mdp);
    }
}

TEST(CodageMotDePasse, GardeLOctetBasEtSeulLOctetHautDeLaCle) {
    EXPECT_EQ(CodageMotDePasse("", kCleMotDePasse), "");
    EXPECT_EQ(CodageMotDePasse("AZ", 0x00FF), "AZ");
    EXPECT_EQ(CodageMotDePasse(QString(QChar(0x2603)), 0), QString(QChar(0x03)));
    EXPECT_EQ(CodageMotDePasse("A", 0x0100), "@");
}
