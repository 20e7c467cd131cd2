#pragma once
// The SMTP client set up from settings: the campaign and "Tester la connexion" go through
// here, so that a test that works means a campaign that connects.
class ClientSMTP;
class FichierReglages;
struct Reglages;

// Server, port, names, password, TLS, pipelining, and the certificate pinned for that server
// and port in `fichier`. Raises Erreur for a port that is no number.
void ConfigurerClientSMTP(ClientSMTP& client, const Reglages& r, const FichierReglages& fichier);
