#pragma once
// The header block of a message's transfer, and the checks made before anything is sent.
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

// The header lines of one transfer, folded, the extra headers last; fixes TypeContenu at the
// first transfer, and Identifiant at each. Addresses as AdresseTransport::Forme gives them for
// `utf8`. Raises the errors of CoderMotsEntete and of AdresseTransport::Forme.
QStringList GenererEntetes(MessageCourriel& message, const QString& frontiere,
                           const SourcesMessage& sources, bool utf8 = false);
