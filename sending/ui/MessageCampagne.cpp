#include "sending/ui/MessageCampagne.h"

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
        *message,
        {f.ReglagesActifs.ValEditMailEXP, f.ReglagesActifs.ValNomExpediteur,
         f.ReglagesActifs.ValDesinscription},
        f.EditSujetMessage->text(), page, TexteAlternatif(page.join(u'\n')));
    return message;
}

void ConfigurerClient(ClientSMTP& client, const TForm1& f) {
    const Reglages& r = f.ReglagesActifs;
    client.Hote = r.ValSMTPServeur;
    client.Port = r.ValSMTPPort.Exiger();
    client.NomHelo = r.ValSMTPUser;
    client.Utilisateur = r.ValSMTPUser;
    client.MotDePasse = r.ValSMTPPassword;
    client.DefinirModeTLS(r.ValConnectTlS ? ModeTLS::TLSExplicite : ModeTLS::SansTLS);
    client.Pipelining = r.ValPipelining;
    // The certificate pinned for this server and port, if any: a test send checks it too.
    client.EmpreinteConnue = f.Fichier().Empreinte(client.Hote, client.Port);
}

} // namespace MessageCampagne
