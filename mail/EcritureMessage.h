#pragma once
// The text of a message between DATA and the end-of-data line: header block, empty line,
// the body as MIME preamble, then a "text/plain" and a "text/html" part in quoted-printable,
// all text in UTF-8.
#include "mail/CanalConnexion.h"
#include "mail/MessageCourriel.h"
#include "mail/SourcesMessage.h"

// Raises Erreur when a header value or an envelope address holds a CR, an LF or a NUL:
// such a message is never written.
void VerifierMessage(const MessageCourriel& message);

// 34 letters and digits holding the pair "=_", which quoted-printable text never holds.
QString GenererFrontiere(const std::function<quint32()>& aleatoire);

// "Sat, 8 Dec 2012 21:15:03 +0100".
QString FormaterDate(const QDateTime& moment);

// "<random.time@domain of the sender>", a fixed domain of ours when the sender has none.
QString GenererIdentifiantMessage(const MessageCourriel& message, const QDateTime& moment,
                                  const std::function<quint32()>& aleatoire);

// The header lines of one transfer, folded; fixes TypeContenu at the first transfer.
QStringList GenererEntetes(MessageCourriel& message, const QString& frontiere,
                           const SourcesMessage& sources);

// Writes the whole text through the channel inside a write-progress bracket. Raises the
// channel's errors unchanged, and the errors of VerifierMessage and CoderMotsEntete before
// anything is written.
void EcrireMessage(MessageCourriel& message, CanalConnexion& canal,
                   const SourcesMessage& sources = SourcesMessage::Systeme());
