#pragma once
// What the window gives a page besides its controls: the handler runner, the status line, the
// dialogs, the active settings and their file, the program's directory and the closing flag.
#include "app/FichierReglages.h"

#include <QString>

class Dialogues;
class Gestionnaires;
class LigneStatut;
struct Reglages;

struct ServicesPage {
    Gestionnaires& gestionnaires;
    LigneStatut& statut;
    Dialogues& dialogues;
    const Reglages& reglages;
    QString cheminParametres;
    QString repertoire;
    // Set when the window closes: a wait in progress gives up.
    const bool& fermeture;
    FichierReglages Fichier() const { return FichierReglages(cheminParametres); }
};
