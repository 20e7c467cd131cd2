// The program's own start: the window is created (start-up sequence included) and shown;
// the process ends as soon as the window is exposed.
#include "app/VerrouInstance.h"
#include "app/ui/TForm1.h"
#include "commun/ui/DialoguesQt.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    VerrouInstance verrou;
    if (!verrou.Prendre())
        return 1;
    QApplication app(argc, argv);
    DialoguesQt dialogues;
    TForm1 fenetre(dialogues, QCoreApplication::applicationDirPath());
    fenetre.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
