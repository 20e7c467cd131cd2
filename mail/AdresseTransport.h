#pragma once
// How an address of a list travels in the envelope and in the headers: the domain in its ASCII
// form (IDNA, UTS #46) so that every server reads it, the mailbox as the user wrote it. A mailbox
// with letters beyond ASCII can only travel to a server that announces SMTPUTF8 (RFC 6531); the
// whole address then travels in UTF-8. Nothing is ever sent with a character replaced.
//
// Raises ErreurAdresse, with a French text naming the address as the user wrote it.
#include "commun/Erreur.h"

#include <QString>

// An address that cannot be sent as it stands: the fault is the address's, not the server's.
class ErreurAdresse : public Erreur {
public:
    using Erreur::Erreur;
};

namespace AdresseTransport {

// True when the mailbox (the part before the last "@") holds a character beyond ASCII.
bool BoiteAccentuee(const QString& adresse);

// The form that travels: the domain in ASCII (an ASCII domain unchanged), the mailbox as it is;
// with `utf8`, a domain beyond ASCII travels as written (RFC 6531 lets the whole address be
// UTF-8). Raises ErreurAdresse for a domain IDNA refuses, a control character anywhere, and a
// mailbox beyond ASCII without `utf8`.
QString Forme(const QString& adresse, bool utf8);

} // namespace AdresseTransport
