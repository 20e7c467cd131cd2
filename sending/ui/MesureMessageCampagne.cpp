#include "sending/ui/MesureMessageCampagne.h"

#include "mail/CodageMessage.h"
#include "mail/MessageCourriel.h"
#include "sending/PreparationCampagne.h"
#include "sending/ui/MessageCampagne.h"

qsizetype MesureMessageCampagne::OctetsParDestinataire(const QString& editeur) {
    const std::unique_ptr<MessageCourriel> message =
        MessageCampagne::Construire(s_, QString(), PreparationCampagne::TextePage(editeur));
    // The headers weigh a few hundred bytes; left out, a sender the settings hold that could not
    // be sent yet does not stop the page from loading.
    message->De.clear();
    message->EntetesSupplementaires.clear();
    return ComposerMessage(*message).size();
}
