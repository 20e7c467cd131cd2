#pragma once
// The real main window, shown, with a few steps of the page's tests.
#include "app/FichierParametres.h"
#include "tests/support/FenetreDeTest.h"
#include "tests/support/ImpressionQt.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

class FenetrePage : public testing::Test, protected FenetreDeTest {
protected:
    void SetUp() override { Ouvrir(true); }

    // Writes a file of the program's directory and returns its path.
    QString Fichier(const QString& nom, const QByteArray& octets) {
        rep.Ecrire(nom, octets);
        return rep.Fichier(nom);
    }
    // Chooses the file with "..." (which enables "Charger"), then loads it.
    void Charger(const QString& chemin) {
        boites.fichiers << chemin;
        QTest::mouseClick(f->SpeedButton2, Qt::LeftButton);
        QTest::mouseClick(f->SpeedButCharger, Qt::LeftButton);
    }
    QString Parametre(const QString& cle) const {
        return FichierParametres(rep.Fichier("Lettrova.ini"))
            .Lire(QStringLiteral("Parametres"), cle, QStringLiteral("<absent>"));
    }

    static constexpr const char* kPageCorrecte = "<html><head></head><body>Bonjour</body></html>";
};
