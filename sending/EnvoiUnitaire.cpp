#include "sending/EnvoiUnitaire.h"

#include "commun/Erreur.h"
#include "mail/ClientSMTP.h"
#include "mail/ErreurSession.h"
#include "sending/RegistreErreurs.h"

bool EnvoiUnitaire(ClientSMTP& client, MessageCourriel& message, const QString& adresseEnCours,
                   RegistreErreurs& registre) {
    try {
        client.Envoyer(message);
        return true;
    } catch (const ErreurSession&) {
        throw;
    } catch (const Erreur& e) {
        registre.Ajouter(adresseEnCours, e.Message());
    } catch (const std::exception& e) {
        registre.Ajouter(adresseEnCours, QString::fromLocal8Bit(e.what()));
    }
    return false;
}
