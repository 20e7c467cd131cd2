#pragma once
// The mailbox's server guessed from the SMTP one, shown for the user to confirm: providers
// name them alike ("smtp.exemple.fr" and "imap.exemple.fr"); a host without "smtp" in its
// first label usually serves both.
#include <QString>

QString ProposerServeurIMAP(const QString& serveurSMTP);
