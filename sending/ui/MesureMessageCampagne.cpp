#include "sending/ui/MesureMessageCampagne.h"

#include "mail/CodageMessage.h"
#include "mail/MessageCourriel.h"
#include "sending/PreparationCampagne.h"
#include "sending/ui/MessageCampagne.h"

qsizetype MesureMessageCampagne::OctetsParDestinataire(const QString& editeur) {
    // The subject and the recipient weigh a few dozen bytes: left out.
    const std::unique_ptr<MessageCourriel> message =
        MessageCampagne::Construire(s_, QString(), PreparationCampagne::TextePage(editeur));
    return ComposerMessage(*message).size();
}
