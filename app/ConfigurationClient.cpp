#include "app/ConfigurationClient.h"

#include "app/FichierReglages.h"
#include "app/Reglages.h"
#include "mail/ClientSMTP.h"

void ConfigurerClientSMTP(ClientSMTP& client, const Reglages& r, const FichierReglages& fichier) {
    client.Hote = r.ValSMTPServeur;
    client.Port = r.ValSMTPPort.Exiger();
    client.NomHelo = r.ValSMTPUser;
    client.Utilisateur = r.ValSMTPUser;
    client.MotDePasse = r.ValSMTPPassword;
    client.DefinirModeTLS(r.ValConnectTlS ? ModeTLS::TLSExplicite : ModeTLS::SansTLS);
    client.Pipelining = r.ValPipelining;
    // The certificate pinned for this server and port, if any: a test checks it too.
    client.EmpreinteConnue = fichier.Empreinte(client.Hote, client.Port);
}
