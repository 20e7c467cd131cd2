#include "app/Reglages.h"

#include "commun/Erreur.h"

PortSMTP PortSMTP::Depuis(const QString& texte) {
    bool ok = false;
    const int valeur = texte.trimmed().toInt(&ok);
    if (!ok)
        return {texte, std::nullopt};
    return {texte, static_cast<quint16>(static_cast<unsigned>(valeur) & 0xFFFFu)};
}

quint16 PortSMTP::Exiger() const {
    if (!Numero)
        throw Erreur(QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(Texte));
    return *Numero;
}
