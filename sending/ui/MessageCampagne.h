#pragma once
// What a campaign and its test send both take before they connect: the page, the message, and
// the client's settings, all from the saved settings.
#include "page/PageComposee.h"

#include <QStringList>
#include <memory>

class ClientSMTP;
class MessageCourriel;
struct ServicesEnvoi;

namespace MessageCampagne {

// The page text of the raw editor, with its fixed head.
QStringList Page(const ServicesEnvoi& s);

// The message for that page: sender, subject, unsubscribe headers, text and HTML parts, and
// the page's local pictures when the settings join them.
std::unique_ptr<MessageCourriel> Construire(const ServicesEnvoi& s, const QString& sujet,
                                            const QStringList& page);
// The same, for the page as `Composer` made it.
std::unique_ptr<MessageCourriel> Construire(const ServicesEnvoi& s, const QString& sujet,
                                            const QStringList& page, const PageComposee& composee);
// The page with its local pictures read, from the page's folder, as the settings join them.
PageComposee Composer(const ServicesEnvoi& s, const QStringList& page);

// Server, port, names, password and TLS mode. Raises Erreur for a saved port that is no
// number, and the errors of DefinirModeTLS.
void ConfigurerClient(ClientSMTP& client, const ServicesEnvoi& s);

} // namespace MessageCampagne
