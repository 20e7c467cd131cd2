#include "sending/ui/MessageCampagne.h"

#include "app/ConfigurationClient.h"
#include "app/Reglages.h"
#include "commun/ui/LectureEditeur.h"
#include "mail/MessageCourriel.h"
#include "page/CompositionPage.h"
#include "page/TexteAlternatif.h"
#include "sending/PreparationCampagne.h"
#include "sending/ui/ServicesEnvoi.h"

namespace MessageCampagne {

QStringList Page(const ServicesEnvoi& s) {
    return PreparationCampagne::TextePage(TexteEditeur(s.page));
}

PageComposee Composer(const ServicesEnvoi& s, const QStringList& page) {
    return ComposerPage(page.join(u'\n'), s.dossierPage, s.reglages.ValJoindreImages);
}

std::unique_ptr<MessageCourriel> Construire(const ServicesEnvoi& s, const QString& sujet,
                                            const QStringList& page) {
    // The pictures are read here, and encoded below, once for the whole campaign.
    return Construire(s, sujet, page, Composer(s, page));
}

std::unique_ptr<MessageCourriel> Construire(const ServicesEnvoi& s, const QString& sujet,
                                            const QStringList& page, const PageComposee& composee) {
    auto message = std::make_unique<MessageCourriel>();
    const QString html = page.join(u'\n');
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
    ConfigurerClientSMTP(client, s.reglages, s.Fichier());
}

} // namespace MessageCampagne
