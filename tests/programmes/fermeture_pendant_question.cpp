// The program as main() starts it, with a scripted user: "Envoyer", the close box while the
// question "Envoyez Le Mail ?" waits, then "Non" if the window can still be seen. A window that
// vanished leaves nothing to click: the process then never ends, as a user would find it.
// Argument: the program's directory, ready to send.
#include "app/VerrouInstance.h"
#include "app/ui/TForm1.h"
#include "tests/support/DialoguesScriptes.h"

#include <QApplication>
#include <QFrame>
#include <QPushButton>
#include <QTest>
#include <QTimer>

int main(int argc, char** argv) {
    VerrouInstance verrou;
    if (!verrou.Prendre() || argc < 2)
        return 2;
    QApplication app(argc, argv);
    DialoguesScriptes dialogues;
    TForm1 fenetre(dialogues, QString::fromLocal8Bit(argv[1]));
    fenetre.show();

    enum class Etape { Envoyer, Fermer, Repondre, Fait } etape = Etape::Envoyer;
    QTimer utilisateur;
    QObject::connect(&utilisateur, &QTimer::timeout, [&] {
        switch (etape) {
        case Etape::Envoyer:
            if (fenetre.SpeedButEnvoyer->isEnabled()) {
                etape = Etape::Fermer;
                // From a timer of its own: this one must keep ticking during the send handler.
                QTimer::singleShot(
                    0, [&] { QTest::mouseClick(fenetre.SpeedButEnvoyer, Qt::LeftButton); });
            }
            break;
        case Etape::Fermer:
            if (fenetre.PanelConfirmeEnvois->isVisible()) {
                etape = Etape::Repondre;
                fenetre.close();
            }
            break;
        case Etape::Repondre:
            if (fenetre.isVisible() && fenetre.PanelConfirmeEnvois->isVisible()) {
                etape = Etape::Fait;
                QTest::mouseClick(fenetre.SpeedButNon, Qt::LeftButton);
            }
            break;
        case Etape::Fait:
            break;
        }
    });
    utilisateur.start(20);
    return app.exec();
}
