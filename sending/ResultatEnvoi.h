#pragma once
// What became of one item of the list in a campaign: accepted by the server, or failed with the
// error's text and, when the server refused it, its reply code and enhanced status code.
#include "sending/Verdict.h"

#include <QString>

struct ResultatEnvoi {
    // The list item, as the list shows it.
    QString adresse = {};
    // The error's text; empty for an accepted message.
    QString message = {};
    // Whose fault, and what next.
    Verdict verdict = Verdict::RefuseAdresse;
    // A refusal that may be one of a run about the sender or the message (Disjoncteur).
    bool enSerie = false;
    bool accepte = false;
    // The end-of-data line left but no reply came (lost connection, time-out): the server may
    // have delivered the message. Never sent again without the user's word.
    bool issueInconnue = false;
    // The server's reply code (the refusal, or 250 for an accepted message); 0 when no reply
    // decided, as for a lost connection.
    int code = 0;
    // "5.1.1" when the reply carried an enhanced status code, else empty.
    QString codeEtendu = {};
    // The accepted message's Message-ID.
    QString identifiant = {};

    // "Erreur suivante: " and the message: the description shown under the list.
    QString Description() const;
    // The report line: the address, " -> Erreur suivante: ", the message, CR LF.
    QString EntreeRapport() const;
};
