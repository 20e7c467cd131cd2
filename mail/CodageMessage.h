#pragma once
// The whole text of one transfer of a message, as the bytes that go between DATA and the
// end-of-data line, before dot-stuffing: header block, empty line, a one-line preamble, then
// each part in quoted-printable, the "text/html" one with its pictures in base64 when the
// message has any. Every byte is 7-bit and every line at most 998 octets, so
// that no server has to be asked for 8BITMIME and none refuses a long line.
//
// Made before the transaction starts: whatever can fail here fails before any command.
#include "mail/MessageCourriel.h"
#include "mail/SourcesMessage.h"

#include <QByteArray>

// Raises the errors of VerifierMessage and GenererEntetes, and Erreur "Envoi impossible : un
// en-tête du message a une ligne de plus de 998 caractères." for a header line with no place
// to fold it, or a header text beyond ASCII in a message without SMTPUTF8.
QByteArray ComposerMessage(MessageCourriel& message,
                           const SourcesMessage& sources = SourcesMessage::Systeme());
// The same text written into `texte`, whose room is kept: a client that sends many messages
// reuses one buffer. With `utf8` (a transaction with SMTPUTF8), addresses beyond ASCII go into
// the headers in UTF-8 (RFC 6532); without it, such a mailbox raises ErreurAdresse.
void ComposerMessage(MessageCourriel& message, const SourcesMessage& sources, QByteArray& texte,
                     bool utf8);
