#include "mail/ReponseSMTP.h"

#include "commun/Erreur.h"
#include "mail/CanalConnexion.h"

namespace {
// White space and control characters at both ends.
QString Nettoyer(const QString& ligne) {
    qsizetype debut = 0, fin = ligne.size();
    while (debut < fin && ligne[debut].unicode() <= 32)
        ++debut;
    while (fin > debut && ligne[fin - 1].unicode() <= 32)
        --fin;
    return ligne.mid(debut, fin - debut);
}

bool EntierNonVide(const QString& texte) {
    if (texte.isEmpty())
        return false;
    for (QChar c : texte)
        if (!c.isDigit())
            return false;
    return true;
}

// "x.y.z" with x starting with 2, 4 or 5 and y, z whole numbers.
bool FormeCodeEtendu(const QString& mot, CodeEtendu& code) {
    if (mot.isEmpty() || !mot.contains(QLatin1Char('.')))
        return false;
    const QStringList parties = mot.split(QLatin1Char('.'));
    if (parties.size() != 3 || parties[0].isEmpty())
        return false;
    const QChar classe = parties[0][0];
    if (classe != QLatin1Char('2') && classe != QLatin1Char('4') && classe != QLatin1Char('5'))
        return false;
    if (!EntierNonVide(parties[1]) || !EntierNonVide(parties[2]))
        return false;
    code = {classe.digitValue(), parties[1].toInt(), parties[2].toInt(), true};
    return true;
}
} // namespace

ReponseSMTP ReponseSMTP::Lire(CanalConnexion& canal) {
    QStringList lignes;
    for (;;) {
        const QString ligne = Nettoyer(canal.LireLigne());
        if (ligne.isEmpty())
            continue;
        lignes << ligne;
        if (ligne.size() < 4 || ligne[3] == QLatin1Char(' '))
            return Analyser(lignes);
    }
}

ReponseSMTP ReponseSMTP::Analyser(const QStringList& lignes) {
    ReponseSMTP reponse;
    if (lignes.isEmpty())
        return reponse;
    QString code = lignes.first().left(4).trimmed();
    if (code.size() == 4 && code[3] == QLatin1Char('-'))
        code.truncate(3);
    bool nombre = EntierNonVide(code);
    const int valeur = code.toInt();
    if (!code.isEmpty() && (!nombre || valeur < 100 || valeur > 999))
        throw Erreur(QStringLiteral("Le code de réponse n'est pas valide : %1").arg(code));
    reponse.Code = code;
    for (const QString& ligne : lignes) {
        QString texte = ligne.mid(4);
        const QString premierMot = texte.left(texte.indexOf(QLatin1Char(' ')));
        ::CodeEtendu etendu;
        if (texte.trimmed().isEmpty()) {
            reponse.CodeEtendu = ::CodeEtendu();
        } else if (FormeCodeEtendu(premierMot, etendu)) {
            reponse.CodeEtendu = etendu;
            texte = texte.mid(premierMot.size() + 1);
        }
        reponse.Texte << texte;
    }
    return reponse;
}
