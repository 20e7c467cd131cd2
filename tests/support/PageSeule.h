#pragma once
// What a page built alone, without the main window, is given besides its controls: the
// window's pictures, scripted dialogs, a handler runner, a noting status line and a directory
// of its own.
#include "commun/ui/Gestionnaires.h"
#include "commun/ui/ImagesFenetre.h"
#include "commun/ui/Pictogrammes.h"
#include "tests/support/DialoguesScriptes.h"
#include "tests/support/RepertoireTemporaire.h"
#include "tests/support/StatutNote.h"

#include <QObject>

struct PageSeule {
    PageSeule() {
        images.ImageList1 = Pictogrammes::CreerImageList1(&fenetre);
        images.ImageList24x24 = Pictogrammes::CreerImageList24x24(&fenetre);
        images.ImageListTreeview = Pictogrammes::CreerImageListTreeview(&fenetre);
    }

    QObject fenetre;
    ImagesFenetre images;
    DialoguesScriptes dialogues;
    Gestionnaires gestionnaires{fenetre, dialogues};
    StatutNote statut;
    RepertoireTemporaire rep;
};
