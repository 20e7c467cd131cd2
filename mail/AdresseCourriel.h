#pragma once
// One address of a message: display name (may be empty) and the address proper.
#include <QList>
#include <QString>

struct AdresseCourriel {
    QString Nom;
    QString Adresse;

    bool operator==(const AdresseCourriel&) const = default;
};

using AdressesCourriel = QList<AdresseCourriel>;
