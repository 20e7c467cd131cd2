#pragma once
// What a campaign builds before it connects: the page text, the port, the message.
#include <QString>
#include <QStringList>

class MessageCourriel;

namespace PreparationCampagne {

// The four fixed lines of the page, then every line of the editor's text.
QStringList TextePage(const QString& editeur);

// The saved port as a 16-bit number (a whole number outside 0..65535 is taken modulo 65536).
// Raises Erreur "'<texte>' n'est pas une valeur entière correcte" when it is no whole number.
quint16 Port(const QString& texte);

// The message of the campaign: the sender, the subject, the page as preamble, then a
// "text/plain" part "Newsletter" and a "text/html" part holding the page.
void ConstruireMessage(MessageCourriel& message, const QString& expediteur, const QString& sujet,
                       const QStringList& page);

} // namespace PreparationCampagne
