#pragma once
// Where a message's dialogue stood when it ended: the same refusal means another thing after
// MAIL FROM (the sender) than after RCPT TO (the recipient).
enum class EtapeSMTP {
    // Greeting, EHLO, STARTTLS, login: the session as a whole.
    Session,
    // MAIL FROM.
    Expediteur,
    // RCPT TO.
    Destinataire,
    // DATA and the message's text.
    Donnees,
    // The end-of-data line has left: the reply decides the message.
    FinDonnees,
};
