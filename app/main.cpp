#include "app/VerrouInstance.h"
#include "app/ui/DialoguesQt.h"
#include "app/ui/TForm1.h"
#include "commun/EcritureAtomique.h"

#include <QApplication>

int main(int argc, char** argv) {
    // A second instance ends here, before any window or any access to the settings file.
    VerrouInstance verrou;
    if (!verrou.Prendre())
        return 0;
    QApplication app(argc, argv);
    // This instance alone saves here now: a save that a kill or a power cut stopped may have
    // left its temporary file beside the lists, the error records and the settings.
    SupprimerTemporairesAbandonnes(
        QCoreApplication::applicationDirPath(),
        {QStringLiteral(".list"), QStringLiteral(".err"), QStringLiteral(".ini")});
    DialoguesQt dialogues;
    TForm1 Form1(dialogues, QCoreApplication::applicationDirPath());
    dialogues.DefinirParent(&Form1);
    Form1.show();
    return app.exec();
}
