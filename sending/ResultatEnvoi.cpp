#include "sending/ResultatEnvoi.h"

QString ResultatEnvoi::Description() const {
    return QStringLiteral("Erreur suivante: ") + message;
}

QString ResultatEnvoi::EntreeRapport() const {
    return adresse + QStringLiteral(" -> ") + Description() + QStringLiteral("\r\n");
}
