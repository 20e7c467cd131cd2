#include "returns/FichierBilan.h"

#include "returns/FichierTexte.h"

#include <QDir>

namespace {
QString Chemin(const QString& repertoire) {
    return QDir(repertoire).filePath(QString::fromLatin1(FichierBilan::kNomFichier));
}

// A tab inside a field would split it in two: it travels as a blank.
QString Champ(QString texte) {
    return texte.replace(u'\t', u' ').replace(u'\r', u' ').replace(u'\n', u' ');
}

QString Ligne(const QString& genre, const QStringList& champs) {
    QStringList tous = {genre};
    for (const QString& c : champs)
        tous << Champ(c);
    return tous.join(u'\t');
}
} // namespace

namespace FichierBilan {

BilanRetours Lire(const QString& repertoire) {
    BilanRetours bilan;
    RetoursCampagne* courante = nullptr;
    for (const QString& ligne : FichierTexte::Lire(Chemin(repertoire))) {
        const QStringList c = ligne.split(u'\t');
        const QString genre = c.value(0);
        if (genre == QLatin1String("campagne")) {
            bilan.campagnes.append(
                {.campagne = {.sujet = c.value(3),
                              .liste = c.value(2),
                              .debut = QDateTime::fromString(c.value(1), Qt::ISODateWithMs)}});
            courante = &bilan.campagnes.last();
        } else if ((genre == QLatin1String("definitif") || genre == QLatin1String("temporaire")) &&
                   courante) {
            (genre == QLatin1String("definitif") ? courante->definitifs : courante->temporaires)
                .append({.adresse = c.value(1), .statut = c.value(2), .diagnostic = c.value(3)});
        } else if (genre == QLatin1String("desinscription")) {
            bilan.desinscriptions << c.value(1);
        } else if (genre == QLatin1String("automatiques")) {
            bilan.reponsesAutomatiques = c.value(1).toInt();
        } else if (genre == QLatin1String("autres")) {
            bilan.autres = c.value(1).toInt();
        }
    }
    return bilan;
}

void Ecrire(const QString& repertoire, const BilanRetours& bilan) {
    QStringList lignes;
    for (const RetoursCampagne& c : bilan.campagnes) {
        lignes << Ligne(QStringLiteral("campagne"), {c.campagne.debut.toString(Qt::ISODateWithMs),
                                                     c.campagne.liste, c.campagne.sujet});
        for (const AdresseEnRetour& a : c.definitifs)
            lignes << Ligne(QStringLiteral("definitif"), {a.adresse, a.statut, a.diagnostic});
        for (const AdresseEnRetour& a : c.temporaires)
            lignes << Ligne(QStringLiteral("temporaire"), {a.adresse, a.statut, a.diagnostic});
    }
    for (const QString& a : bilan.desinscriptions)
        lignes << Ligne(QStringLiteral("desinscription"), {a});
    lignes << Ligne(QStringLiteral("automatiques"), {QString::number(bilan.reponsesAutomatiques)});
    lignes << Ligne(QStringLiteral("autres"), {QString::number(bilan.autres)});
    FichierTexte::Ecrire(Chemin(repertoire), lignes);
}

} // namespace FichierBilan
