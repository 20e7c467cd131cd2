#include "sending/PreparationCampagne.h"

#include "commun/Erreur.h"
#include "mail/LectureAdresses.h"
#include "mail/MessageCourriel.h"
#include "sending/AdresseDesinscription.h"

namespace PreparationCampagne {

QStringList TextePage(const QString& editeur) {
    // The head is closed at once: the page brings its own, and two heads opened for one closed
    // is an unbalanced page to readers and spam filters.
    QStringList page{QStringLiteral("<!DOCTYPE html>"), QStringLiteral("<html>"),
                     QStringLiteral("<head>"), QStringLiteral("<meta charset=\"utf-8\" /> "),
                     QStringLiteral("</head>")};
    if (editeur.isEmpty())
        return page;
    QStringList lignes = editeur.split(u'\n');
    // A line break at the very end closes the last line; it opens no new one.
    if (lignes.last().isEmpty())
        lignes.removeLast();
    return page + lignes;
}

void ConstruireMessage(MessageCourriel& message, const ReglagesMessage& reglages,
                       const QString& sujet, const QStringList& page, const QStringList& texte,
                       QList<PartieImage> images) {
    AdresseCourriel de = LireAdresse(reglages.Expediteur);
    const QString nom = reglages.NomExpediteur.trimmed();
    if (!nom.isEmpty())
        de.Nom = nom;
    message.De = {de};
    message.Objet = sujet;
    message.EntetesSupplementaires = AdresseDesinscription::Entetes(reglages.Desinscription);
    message.Parties = {PartieTexte(QStringLiteral("text/plain"), texte),
                       PartieTexte(QStringLiteral("text/html"), page)};
    message.Images = std::move(images);
}

} // namespace PreparationCampagne
