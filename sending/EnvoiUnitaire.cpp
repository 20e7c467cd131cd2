#include "sending/EnvoiUnitaire.h"

#include "commun/Erreur.h"
#include "mail/ClientSMTP.h"
#include "mail/ErreurSession.h"
#include "mail/ErreursTransport.h"

namespace {
bool ConnexionPerdue(ClientSMTP& client) {
    try {
        return !client.Canal().EstConnecte();
    } catch (const std::exception&) {
        return true;
    }
}
} // namespace

ResultatEnvoi EnvoiUnitaire(ClientSMTP& client, MessageCourriel& message,
                            const QString& adresseEnCours) {
    ResultatEnvoi r{adresseEnCours};
    try {
        client.Envoyer(message);
        r.accepte = true;
        r.code = client.DerniereReponse().CodeNumerique();
        r.codeEtendu = client.DerniereReponse().CodeEtendu.Texte();
    } catch (const ErreurSession&) {
        throw;
    } catch (const ErreurReponseSMTP& e) {
        r.message = e.Message();
        r.code = e.Code();
        r.codeEtendu = e.Etendu().Texte();
        r.temporaire = r.code / 100 == 4;
    } catch (const Erreur& e) {
        r.message = e.Message();
        // The connection is gone (closed, reset, silent): no fault of the address.
        r.temporaire = dynamic_cast<const ErreurSocket*>(&e) ||
                       dynamic_cast<const ErreurConnexionFermee*>(&e) || ConnexionPerdue(client);
        r.issueInconnue = client.FinDeDonneesPartie();
    } catch (const std::exception& e) {
        r.message = QString::fromLocal8Bit(e.what());
    }
    return r;
}
