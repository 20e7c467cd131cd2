#pragma once
// The certificate fingerprints pinned on first use, one per server and port, in a section of
// their own of the settings file ("EmpreintesTLS", key "host:port").
#include <QString>

namespace EmpreintesTLS {
// The pinned fingerprint, or empty.
QString Lire(const QString& cheminParametres, const QString& hote, quint16 port);
// An empty fingerprint forgets the pin: the next connection pins again. Raises Erreur
// "Impossible d'écrire dans <chemin>" when the file cannot be written.
void Ecrire(const QString& cheminParametres, const QString& hote, quint16 port,
            const QString& empreinte);
} // namespace EmpreintesTLS
