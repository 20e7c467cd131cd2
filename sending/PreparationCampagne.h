#pragma once
// What a campaign builds before it connects: the page text and the message.
#include "mail/PartieImage.h"

#include <QList>
#include <QString>
#include <QStringList>

class MessageCourriel;

namespace PreparationCampagne {

// The five fixed lines of the page (a head holding the charset), then every line of the
// editor's text.
QStringList TextePage(const QString& editeur);

// What the settings say of the sender and the list.
struct ReglagesMessage {
    // "Adresse EXP.".
    QString Expediteur;
    // "Nom de l'expéditeur": shown with the address in "From" when not empty.
    QString NomExpediteur;
    // "Adresse de désinscription": a valid one, or empty for no unsubscribe header.
    QString Desinscription;
};

// The message of the campaign: the sender, the subject, the unsubscribe headers, then a
// "text/plain" part holding the page's text alternative and a "text/html" part holding the
// page, with the pictures it names by "cid:".
void ConstruireMessage(MessageCourriel& message, const ReglagesMessage& reglages,
                       const QString& sujet, const QStringList& page, const QStringList& texte,
                       QList<PartieImage> images = {});

} // namespace PreparationCampagne
