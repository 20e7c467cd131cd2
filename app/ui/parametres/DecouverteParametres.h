#pragma once
// Finds the sender's submission server for "Paramètres": on "Trouver", or by itself when the
// sender's address is left with "Serveur:" empty. What is found, and where from, is asked
// about first; the fields are filled only on "Oui", and the provider's published limits are
// proposed for "Par heure" and "Par jour".
#include "app/ui/parametres/ServicesConnexion.h"
#include "mail/DecouverteServeur.h"

struct Reglages;

class DecouverteParametres {
public:
    // `actifs` gives the DNS server the tests point the search at.
    DecouverteParametres(const ServicesConnexion& s, const Reglages& actifs);

    void SpeedButTrouverServeurClick();
    // The sender's address was left: a search when "Serveur:" is empty.
    void EditMailEXPExit();

private:
    void Chercher(bool demande);
    void Trouve(const ServeurTrouve& s);
    void Introuvable(const QString& texte);
    void ProposerLimites(const ServeurTrouve& s);

    ServicesConnexion s_;
    ControlesParametres& c_;
    const Reglages& actifs_;
    DecouverteServeur decouverte_;
    // The search under way was asked with "Trouver" (not started by leaving the address).
    bool demande_ = false;
    // The address of the last search started by leaving the field: not searched twice.
    QString derniereAdresse_;
};
