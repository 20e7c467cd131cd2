#include "app/DossierDonnees.h"
#include "app/VerrouInstance.h"
#include "app/ui/TForm1.h"
#include "commun/EcritureAtomique.h"
#include "commun/ui/DialoguesQt.h"

#include <QApplication>

int main(int argc, char** argv) {
    // A second instance ends here, before any window or any access to the settings file.
    VerrouInstance verrou;
    if (!verrou.Prendre())
        return 0;
    QApplication app(argc, argv);
    // Beside the executable, or in the user's data folder when the program's is read-only.
    const DossierDonnees donnees = DossierDonnees::DuProgramme();
    // This instance alone saves here now: a save that a kill or a power cut stopped may have
    // left its temporary file beside the lists, the error records and the settings.
    SupprimerTemporairesAbandonnes(
        donnees.Chemin(),
        {QStringLiteral(".list"), QStringLiteral(".err"), QStringLiteral(".ini")});
    DialoguesQt dialogues;
    TForm1 Form1(dialogues, donnees.Chemin());
    dialogues.DefinirParent(&Form1);
    Form1.AnnoncerAuDemarrage(donnees.Annonce(), donnees.Echec());
    Form1.show();
    return app.exec();
}
