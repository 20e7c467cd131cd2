#pragma once
// The real main window, offscreen, in a directory of its own, its dialogs answered by script.
#include "app/ui/TForm1.h"
#include "tests/support/DialoguesScriptes.h"
#include "tests/support/RepertoireTemporaire.h"

#include <QApplication>
#include <QTest>
#include <memory>

struct FenetreDeTest {
    RepertoireTemporaire rep;
    DialoguesScriptes boites;
    std::unique_ptr<TForm1> f;

    // Creates the window (start-up sequence included); `montrer` also shows and activates it.
    TForm1& Ouvrir(bool montrer = false) {
        f = std::make_unique<TForm1>(boites, rep.Chemin());
        if (montrer) {
            f->show();
            QApplication::setActiveWindow(f.get());
            (void)QTest::qWaitForWindowActive(f.get());
        }
        return *f;
    }
    QString Parametres() const { return QString::fromLatin1(rep.Lire("Lettrova.ini")); }
};
