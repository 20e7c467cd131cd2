#include "sending/RegistreErreurs.h"

QString RegistreErreurs::Echec::Description() const {
    return QStringLiteral("Erreur suivante: ") + message;
}

QString RegistreErreurs::Echec::EntreeRapport() const {
    return adresse + QStringLiteral(" -> ") + Description() + QStringLiteral("\r\n");
}

void RegistreErreurs::Ajouter(const QString& adresse, const QString& message) {
    const std::lock_guard<std::mutex> garde(verrou_);
    echecs_.append({adresse, message});
}

QList<RegistreErreurs::Echec> RegistreErreurs::Prendre() {
    const std::lock_guard<std::mutex> garde(verrou_);
    return std::exchange(echecs_, {});
}
