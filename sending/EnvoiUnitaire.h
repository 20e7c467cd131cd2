#pragma once
#include <QString>

class ClientSMTP;
class MessageCourriel;
class RegistreErreurs;

// Sends the message on the worker; a failure never leaves here: it is recorded with the
// address being sent to and the error's text, and the result is false.
bool EnvoiUnitaire(ClientSMTP& client, MessageCourriel& message, const QString& adresseEnCours,
                   RegistreErreurs& registre);
