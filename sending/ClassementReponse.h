#pragma once
// Whose fault a server's refusal is. An address is blamed only for a reply about that
// recipient: a refused RCPT TO, or a refusal after the end of data whose enhanced status code
// is X.1.x. A refused MAIL FROM, a 421, or a reply about limits (X.4.5 or X.7.0 to X.7.1 with
// words of limits, in English or French) is about the sender or the session.
#include "mail/EtapeSMTP.h"
#include "sending/Verdict.h"

#include <QString>

struct RefusServeur {
    EtapeSMTP etape = EtapeSMTP::Session;
    int code = 0;
    // "5.1.1", or empty when the reply carried none.
    QString codeEtendu;
    // The reply's lines.
    QString texte;
};

Verdict ClasserReponse(const RefusServeur& refus);

// A refusal that may be about the message or the sender while it reads as about the recipient
// (a relay denied at RCPT TO, a message refused after its end): the same one for several
// different addresses in a row says it is not theirs. An X.1.x code never is.
bool RefusEnSerie(const RefusServeur& refus);

// The reply speaks of a daily quota; used up, it lasts until the next day.
bool LimiteJournaliere(const QString& texte);
