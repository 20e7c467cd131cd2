#include "sending/PreparationCampagne.h"

#include "commun/Erreur.h"
#include "mail/LectureAdresses.h"
#include "mail/MessageCourriel.h"

namespace PreparationCampagne {

QStringList TextePage(const QString& editeur) {
    QStringList page{QStringLiteral("<!DOCTYPE html>"), QStringLiteral("<html>"),
                     QStringLiteral("<head>"), QStringLiteral("<meta charset=\"utf-8\" /> ")};
    if (editeur.isEmpty())
        return page;
    QStringList lignes = editeur.split(u'\n');
    // A line break at the very end closes the last line; it opens no new one.
    if (lignes.last().isEmpty())
        lignes.removeLast();
    return page + lignes;
}

quint16 Port(const QString& texte) {
    bool ok = false;
    const int valeur = texte.trimmed().toInt(&ok);
    if (!ok)
        throw Erreur(QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(texte));
    return static_cast<quint16>(static_cast<unsigned>(valeur) & 0xFFFFu);
}

void ConstruireMessage(MessageCourriel& message, const QString& expediteur, const QString& sujet,
                       const QStringList& page) {
    message.De = {LireAdresse(expediteur)};
    message.Objet = sujet;
    message.Corps = page;
    message.Parties = {PartieTexte(QStringLiteral("text/plain"), {QStringLiteral("Newsletter")}),
                       PartieTexte(QStringLiteral("text/html"), page)};
}

} // namespace PreparationCampagne
