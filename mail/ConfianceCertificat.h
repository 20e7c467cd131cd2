#pragma once
// Whether a server's certificate may carry the session on. One that verifies always may (an
// authority-signed certificate renewed every few weeks goes on working, nothing pinned). One
// that does not verify (self-signed, unknown authority, wrong name, expired) is trusted on
// first use: its fingerprint is pinned for that server and port; later it must match.
#include "mail/CertificatServeur.h"

namespace ConfianceCertificat {
// The fingerprint to pin, or empty when nothing is to be pinned. Raises ErreurSession, naming
// the server and both fingerprints, when the certificate does not verify and is not the one
// pinned as `empreinteConnue`.
QString Controler(const CertificatServeur& certificat, const QString& empreinteConnue,
                  const QString& hote, quint16 port);
} // namespace ConfianceCertificat
