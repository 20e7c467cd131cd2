#pragma once
// A real main window in a fresh program directory, with scripted dialogs, for the tests of
// the page's behaviour.
#include "app/FichierParametres.h"
#include "app/ui/TForm1.h"
#include "tests/support/DialoguesScriptes.h"
#include "tests/support/RepertoireTemporaire.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Readable failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

class FenetrePage : public testing::Test {
protected:
    void SetUp() override { Ouvrir(); }

    void Ouvrir() {
        f.reset();
        f = std::make_unique<TForm1>(boites, rep.Chemin());
        f->show();
        f->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(f.get()));
    }
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

    RepertoireTemporaire rep;
    DialoguesScriptes boites;
    std::unique_ptr<TForm1> f;
};
