#pragma once
// The "Retours" page: reads the sender's mailbox on a thread of its own, shows by campaign
// what came back, and acts on it: the definitive failures removed from their list, the
// unsubscribe requests and failures never written to again.
#include "returns/BilanRetours.h"
#include "returns/ServeurIMAP.h"
#include "returns/ui/ControlesRetours.h"

#include <QString>
#include <functional>

class Dialogues;
class Gestionnaires;
class LigneStatut;
struct Reglages;

class PageRetours {
public:
    struct Services {
        Gestionnaires& gestionnaires;
        LigneStatut& statut;
        Dialogues& dialogues;
        const Reglages& reglages;
        QString cheminParametres;
        // The folder of the lists, their journals and the "Désinscrits" file.
        QString repertoire;
        // Set when the window closes: a reading in progress stops.
        const bool& fermeture;
        // Lists were saved here: the loaded one is read again.
        std::function<void()> listesModifiees;
    };
    PageRetours(QWidget& page, Services services);

    void SpeedButReleverClick();
    void SpeedButRetirerListeClick();
    void SpeedButNePlusEcrireClick();

    const ControlesRetours& Controles() const { return c_; }
    // The mailbox of the active settings, its pinned certificate included.
    ServeurIMAP Serveur() const;

private:
    void Afficher();
    void Etat(const QString& texte, bool echec);

    ControlesRetours c_;
    Services s_;
    BilanRetours bilan_;
    bool enCours_ = false;
};
