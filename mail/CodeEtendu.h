#pragma once
// An enhanced status code (RFC 3463) as a server reply carries it, for example 5.1.1.
#include <QString>

struct CodeEtendu {
    int Classe = 2;
    int Sujet = 0;
    int Detail = 0;
    bool Disponible = false;

    // "classe.sujet.detail", each part cut to 1, 3 and 3 characters; empty when unavailable.
    QString Texte() const {
        if (!Disponible)
            return {};
        return QString::number(Classe).left(1) + QLatin1Char('.') + QString::number(Sujet).left(3) +
               QLatin1Char('.') + QString::number(Detail).left(3);
    }
};
