#pragma once
// How far a client's session has gone. Connecter walks them in order; a failure leaves the
// last state reached readable until the next Connecter, so that a caller can say which step
// failed.
enum class EtatSessionSMTP {
    // No connection.
    Fermee,
    // The greeting read and EHLO (or HELO) answered.
    Accueillie,
    // TLS up (STARTTLS or from the first byte) and the certificate accepted.
    Securisee,
    // The login accepted, or none was asked for: messages may go.
    Authentifiee,
};
