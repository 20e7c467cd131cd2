#pragma once
// "Tester la connexion" on "Paramètres": the fields as they stand (saved or not) go to a client
// set up as the campaign's, which opens its session on a thread of its own and says goodbye.
// The button stops a test under way. The outcome goes to the status line and a box.
#include "app/ui/parametres/ServicesConnexion.h"
#include "mail/ResultatEssai.h"

#include <QString>
#include <memory>

class EssaiConnexion;

class EssaiParametres {
public:
    // A certificate trusted on its first use is pinned in the settings file at
    // `cheminParametres`, as the campaign pins it.
    EssaiParametres(const ServicesConnexion& s, QString cheminParametres);
    ~EssaiParametres();

    void SpeedButTesterConnexionClick();
    bool EnCours() const { return essai_ != nullptr; }

private:
    void Termine(const ResultatEssai& r);

    ServicesConnexion s_;
    ControlesParametres& c_;
    QString cheminParametres_;
    std::unique_ptr<EssaiConnexion> essai_;
    QString hote_;
    quint16 port_ = 0;
};
