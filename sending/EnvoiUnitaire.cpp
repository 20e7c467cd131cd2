#include "sending/EnvoiUnitaire.h"

#include "commun/Erreur.h"
#include "mail/ClientSMTP.h"
#include "mail/ErreurSession.h"
#include "mail/ErreursTransport.h"

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
    } catch (const Erreur& e) {
        r.message = e.Message();
    } catch (const std::exception& e) {
        r.message = QString::fromLocal8Bit(e.what());
    }
    return r;
}
