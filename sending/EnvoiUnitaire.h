#pragma once
#include "sending/ResultatEnvoi.h"

class ClientSMTP;
class MessageCourriel;

// Sends the message on the worker; no failure leaves here: the result holds the address being
// sent to, the error's text, the server's codes and whose fault it is (ClasserReponse).
ResultatEnvoi EnvoiUnitaire(ClientSMTP& client, MessageCourriel& message,
                            const QString& adresseEnCours);
