#include "sending/ui/MesureMessageCampagne.h"

#include "mail/CodageMessage.h"
#include "mail/MessageCourriel.h"
#include "sending/PreparationCampagne.h"
#include "sending/ui/MessageCampagne.h"

MesureMessage::Mesure MesureMessageCampagne::MesurerPage(const QString& editeur) {
    const QStringList page = PreparationCampagne::TextePage(editeur);
    Mesure mesure{MessageCampagne::Composer(s_, page), 0};
    const std::unique_ptr<MessageCourriel> message =
        MessageCampagne::Construire(s_, QString(), page, mesure.page);
    // The headers weigh a few hundred bytes; left out, a sender the settings hold that could not
    // be sent yet does not stop the page from loading.
    message->De.clear();
    message->EntetesSupplementaires.clear();
    mesure.octets = ComposerMessage(*message).size();
    return mesure;
}
