#include "sending/EnvoiUnitaire.h"

#include "commun/Erreur.h"
#include "mail/AdresseTransport.h"
#include "mail/ClientSMTP.h"
#include "mail/ErreurSession.h"
#include "mail/ErreursTransport.h"
#include "sending/ClassementReponse.h"

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
        r.identifiant = message.Identifiant;
        r.verdict = Verdict::Accepte;
        r.code = client.DerniereReponse().CodeNumerique();
        r.codeEtendu = client.DerniereReponse().CodeEtendu.Texte();
    } catch (const ErreurSession& e) {
        // The login refused, or the certificate changed: no address is at fault.
        r.message = e.Message();
        r.verdict = Verdict::Arreter;
    } catch (const ErreurAdresse& e) {
        // The address cannot travel as it stands (accents the server does not take, a domain
        // IDNA refuses): nothing of the message left, and the fault is the address's.
        r.message = e.Message();
        r.verdict = Verdict::RefuseAdresse;
    } catch (const ErreurReponseSMTP& e) {
        r.message = e.Message();
        r.code = e.Code();
        r.codeEtendu = e.Etendu().Texte();
        const RefusServeur refus{client.Etape(), r.code, r.codeEtendu, r.message};
        r.verdict = ClasserReponse(refus);
        r.enSerie = RefusEnSerie(refus);
    } catch (const Erreur& e) {
        r.message = e.Message();
        const bool connexion =
            dynamic_cast<const ErreurSocket*>(&e) || dynamic_cast<const ErreurConnexionFermee*>(&e);
        // TLS refused or failed before any transaction: the session, not the address.
        if (!connexion && client.Etape() == EtapeSMTP::Session)
            r.verdict = Verdict::Arreter;
        // The connection is gone (closed, reset, silent): no fault of the address.
        else if (connexion || ConnexionPerdue(client)) {
            r.issueInconnue =
                client.Etape() == EtapeSMTP::FinDonnees && client.FinDeDonneesPartie();
            r.verdict = r.issueInconnue ? Verdict::IssueInconnue : Verdict::SessionPerdue;
        }
    } catch (const std::exception& e) {
        r.message = QString::fromLocal8Bit(e.what());
    }
    return r;
}
