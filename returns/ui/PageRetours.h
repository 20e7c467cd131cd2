#pragma once
// The "Retours" page: reads the sender's mailbox on a thread of its own, shows by campaign
// what came back, and acts on it: the definitive failures removed from their list, the
// unsubscribe requests and failures never written to again.
#include "commun/ui/ServicesPage.h"
#include "returns/BilanRetours.h"
#include "returns/ServeurIMAP.h"
#include "returns/ui/ControlesRetours.h"

#include <QString>
#include <functional>

class PageRetours {
public:
    struct Services : ServicesPage {
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
    // `texte` on the page; `resume`, when given, on the status line, which has less room.
    void Etat(const QString& texte, bool echec, const QString& resume = {});

    ControlesRetours c_;
    Services s_;
    BilanRetours bilan_;
    bool enCours_ = false;
};
