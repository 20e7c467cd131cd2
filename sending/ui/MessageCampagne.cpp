#include "sending/ui/MessageCampagne.h"

#include "app/Reglages.h"
#include "mail/ClientSMTP.h"
#include "mail/MessageCourriel.h"
#include "page/CompositionPage.h"
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
    const QString html = page.join(u'\n');
    // The pictures are read and encoded here, once for the whole campaign.
    const PageComposee composee = ComposerPage(html, s.dossierPage, s.reglages.ValJoindreImages);
    QList<PartieImage> images;
    for (const ImageJointe& i : composee.images)
        images += PartieImage(i.typeMime, i.identifiant, i.nom, i.octets);
    PreparationCampagne::ConstruireMessage(
        *message,
        {s.reglages.ValEditMailEXP, s.reglages.ValNomExpediteur, s.reglages.ValDesinscription},
        sujet, composee.html == html ? page : composee.html.split(u'\n'), TexteAlternatif(html),
        std::move(images));
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
