#pragma once
// What a campaign and its test send both take from the window before they connect: the page,
// the message, and the client's settings, all from the saved settings.
#include <QStringList>
#include <memory>

class ClientSMTP;
class MessageCourriel;
class TForm1;

namespace MessageCampagne {

// The page text of the raw editor, with its fixed head.
QStringList Page(const TForm1& f);

// The message for that page: sender, subject, unsubscribe headers, text and HTML parts.
std::unique_ptr<MessageCourriel> Construire(const TForm1& f, const QStringList& page);

// Server, port, names, password and TLS mode. Raises Erreur for a saved port that is no
// number, and the errors of DefinirModeTLS.
void ConfigurerClient(ClientSMTP& client, const TForm1& f);

} // namespace MessageCampagne
