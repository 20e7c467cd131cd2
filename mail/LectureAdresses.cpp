#include "mail/LectureAdresses.h"

namespace {
bool EstBlanc(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// The text without its comments; quoted text and escaped characters are kept as they are.
QString SansCommentaires(const QString& texte) {
    QString resultat;
    int profondeur = 0;
    bool guillemets = false;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte[i];
        if (c == QLatin1Char('\\') && i + 1 < texte.size()) {
            if (profondeur == 0)
                resultat += QString(c) + texte[i + 1];
            ++i;
        } else if (guillemets) {
            resultat += c;
            if (c == QLatin1Char('"'))
                guillemets = false;
        } else if (c == QLatin1Char('(')) {
            ++profondeur;
        } else if (c == QLatin1Char(')') && profondeur > 0) {
            --profondeur;
        } else if (profondeur == 0) {
            resultat += c;
            if (c == QLatin1Char('"'))
                guillemets = true;
        }
    }
    return resultat;
}

QString SansBlancsAutour(const QString& texte) {
    qsizetype debut = 0, fin = texte.size();
    while (debut < fin && EstBlanc(texte[debut]))
        ++debut;
    while (fin > debut && EstBlanc(texte[fin - 1]))
        --fin;
    return texte.mid(debut, fin - debut);
}

// A name: the text between double quotes with its escapes resolved, or the text itself.
QString LireNom(const QString& texte) {
    const QString brut = SansBlancsAutour(texte);
    QString nom;
    for (qsizetype i = 0; i < brut.size(); ++i) {
        if (brut[i] == QLatin1Char('\\') && i + 1 < brut.size())
            nom += brut[++i];
        else if (brut[i] != QLatin1Char('"'))
            nom += brut[i];
    }
    return nom;
}

// Blanks and tabs around the dots of an address are dropped.
QString LireAdresseEntreChevrons(const QString& texte) {
    QStringList parties = SansBlancsAutour(texte).split(QLatin1Char('.'));
    for (QString& p : parties)
        p = SansBlancsAutour(p);
    return parties.join(QLatin1Char('.'));
}

qsizetype ChevronHorsGuillemets(const QString& texte) {
    bool guillemets = false;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        if (texte[i] == QLatin1Char('\\'))
            ++i;
        else if (texte[i] == QLatin1Char('"'))
            guillemets = !guillemets;
        else if (!guillemets && texte[i] == QLatin1Char('<'))
            return i;
    }
    return -1;
}
} // namespace

AdresseCourriel LireAdresse(const QString& texte) {
    const QString propre = SansCommentaires(texte.trimmed()).trimmed();
    AdresseCourriel a;
    const qsizetype ouvrant = ChevronHorsGuillemets(propre);
    if (ouvrant < 0) {
        a.Adresse = propre;
        return a;
    }
    a.Nom = LireNom(propre.left(ouvrant));
    qsizetype fermant = propre.indexOf(QLatin1Char('>'), ouvrant + 1);
    if (fermant < 0)
        fermant = propre.size();
    a.Adresse = LireAdresseEntreChevrons(propre.mid(ouvrant + 1, fermant - ouvrant - 1));
    return a;
}

void LireListeAdresses(const QString& texte, AdressesCourriel& liste) {
    liste.clear();
    QStringList morceaux;
    QString courant;
    int profondeur = 0;
    bool guillemets = false;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte[i];
        if (c == QLatin1Char('\\') && i + 1 < texte.size()) {
            courant += QString(c) + texte[++i];
            continue;
        }
        if (c == QLatin1Char('"') && profondeur == 0)
            guillemets = !guillemets;
        else if (!guillemets && c == QLatin1Char('('))
            ++profondeur;
        else if (!guillemets && c == QLatin1Char(')') && profondeur > 0)
            --profondeur;
        if (!guillemets && profondeur == 0) {
            if (c == QLatin1Char(',') || c == QLatin1Char(';')) {
                morceaux << courant;
                courant.clear();
                continue;
            }
            if (c == QLatin1Char(':')) {
                courant.clear();
                continue;
            }
        }
        courant += c;
    }
    morceaux << courant;
    for (const QString& m : std::as_const(morceaux)) {
        if (m.trimmed().isEmpty())
            continue;
        const AdresseCourriel a = LireAdresse(m);
        if (!a.Nom.isEmpty() || !a.Adresse.isEmpty())
            liste << a;
    }
}
