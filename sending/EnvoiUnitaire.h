#pragma once
#include <QString>

class ClientSMTP;
class MessageCourriel;
class RegistreErreurs;

// Sends the message on the worker; a failure of that message never leaves here: it is
// recorded with the address being sent to and the error's text, and the result is false.
// A failure of the whole session (ErreurSession: login refused, certificate changed) is no
// fault of the address: it is not recorded and leaves to the caller, which stops.
bool EnvoiUnitaire(ClientSMTP& client, MessageCourriel& message, const QString& adresseEnCours,
                   RegistreErreurs& registre);
