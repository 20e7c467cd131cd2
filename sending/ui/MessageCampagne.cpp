#include "sending/ui/MessageCampagne.h"

#include "app/Reglages.h"
#include "mail/ClientSMTP.h"
#include "mail/MessageCourriel.h"
#include "page/TexteAlternatif.h"
#include "page/ui/TexteEditeur.h"
#include "sending/PreparationCampagne.h"
#include "sending/ui/ServicesEnvoi.h"

namespace MessageCampagne {

QStringList Page(const ServicesEnvoi& s) {
    return PreparationCampagne::TextePage(TexteEditeur(s.page));
}

std::unique_ptr<MessageCourriel> Construire(const ServicesEnvoi& s, const QString& sujet,
                                            const QStringList& page) {
    auto message = std::make_unique<MessageCourriel>();
    PreparationCampagne::ConstruireMessage(
        *message,
        {s.reglages.ValEditMailEXP, s.reglages.ValNomExpediteur, s.reglages.ValDesinscription},
        sujet, page, TexteAlternatif(page.join(u'\n')));
    return message;
}

void ConfigurerClient(ClientSMTP& client, const ServicesEnvoi& s) {
    const Reglages& r = s.reglages;
    client.Hote = r.ValSMTPServeur;
    client.Port = r.ValSMTPPort.Exiger();
    client.NomHelo = r.ValSMTPUser;
    client.Utilisateur = r.ValSMTPUser;
    client.MotDePasse = r.ValSMTPPassword;
    client.DefinirModeTLS(r.ValConnectTlS ? ModeTLS::TLSExplicite : ModeTLS::SansTLS);
    client.Pipelining = r.ValPipelining;
    // The certificate pinned for this server and port, if any: a test send checks it too.
    client.EmpreinteConnue = s.Fichier().Empreinte(client.Hote, client.Port);
}

} // namespace MessageCampagne
