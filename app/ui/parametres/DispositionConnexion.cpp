#include "app/ui/parametres/DispositionConnexion.h"
#include "app/ui/parametres/ControlesConnexion.h"
#include "commun/ui/Fabrique.h"

#include <QPushButton>

using namespace Fabrique;

void DisposerConnexion(QWidget* p, ControlesConnexion& f) {
    f.SpeedButTrouverServeur =
        Bouton(p, "SpeedButTrouverServeur", QStringLiteral("Trouver"), 252, 64, 78, 21);
    f.SpeedButTrouverServeur->setToolTip(
        QStringLiteral("Chercher le serveur d'envoi de votre fournisseur d'après l'adresse de "
                       "l'expéditeur"));
    f.SpeedButTesterConnexion = Bouton(p, "SpeedButTesterConnexion",
                                       QStringLiteral("Tester la connexion"), 170, 96, 160, 21);
    f.SpeedButTesterConnexion->setToolTip(
        QStringLiteral("Se connecter au serveur avec ces paramètres, sans envoyer de message"));
}
