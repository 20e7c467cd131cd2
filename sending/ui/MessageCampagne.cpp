#include "sending/ui/MessageCampagne.h"
#include "app/EmpreintesTLS.h"

#include "app/ui/TForm1.h"
#include "mail/ClientSMTP.h"
#include "mail/MessageCourriel.h"
#include "page/TexteAlternatif.h"
#include "page/ui/TexteEditeur.h"
#include "sending/PreparationCampagne.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace MessageCampagne {

QStringList Page(const TForm1& f) {
    return PreparationCampagne::TextePage(TexteEditeur(*f.MemoHtmlBrut));
}

std::unique_ptr<MessageCourriel> Construire(const TForm1& f, const QStringList& page) {
    auto message = std::make_unique<MessageCourriel>();
    PreparationCampagne::ConstruireMessage(
        *message, {f.ValEditMailEXP, f.ValNomExpediteur, f.ValDesinscription},
        f.EditSujetMessage->text(), page, TexteAlternatif(page.join(u'\n')));
    return message;
}

void ConfigurerClient(ClientSMTP& client, const TForm1& f) {
    client.Hote = f.ValSMTPServeur;
    client.Port = PreparationCampagne::Port(f.ValSMTPPort);
    client.NomHelo = f.ValSMTPUser;
    client.Utilisateur = f.ValSMTPUser;
    client.MotDePasse = f.ValSMTPPassword;
    client.DefinirModeTLS(f.ValConnectTlS == QStringLiteral("Oui") ? ModeTLS::TLSExplicite
                                                                   : ModeTLS::SansTLS);
    // The certificate pinned for this server and port, if any: a test send checks it too.
    client.EmpreinteConnue = EmpreintesTLS::Lire(f.CheminParametres(), client.Hote, client.Port);
}

} // namespace MessageCampagne
