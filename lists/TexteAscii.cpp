#include "lists/TexteAscii.h"

namespace TexteAscii {

QString Minuscules(QStringView texte) {
    QString resultat = texte.toString();
    for (QChar& c : resultat)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    return resultat;
}

QString SansBlancsAuxBouts(QStringView texte) {
    qsizetype debut = 0;
    qsizetype fin = texte.size();
    while (debut < fin && texte[debut].unicode() <= 32)
        ++debut;
    while (fin > debut && texte[fin - 1].unicode() <= 32)
        --fin;
    return texte.sliced(debut, fin - debut).toString();
}

bool EstNomListe(QStringView nom) {
    return nom.size() >= 5 && Minuscules(nom.right(5)) == QLatin1String(".list");
}

bool AdresseSembleCorrecte(QStringView adresse) {
    return adresse.contains(u'@') && adresse.contains(u'.');
}

} // namespace TexteAscii
