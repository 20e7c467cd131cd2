#pragma once
#include "sending/ResultatEnvoi.h"

class ClientSMTP;
class MessageCourriel;

// Sends the message on the worker; a failure of that message never leaves here: the result
// holds the address being sent to, the error's text and the server's codes.
// A failure of the whole session (ErreurSession: login refused, certificate changed) is no
// fault of the address: it leaves to the caller, which stops.
ResultatEnvoi EnvoiUnitaire(ClientSMTP& client, MessageCourriel& message,
                            const QString& adresseEnCours);
