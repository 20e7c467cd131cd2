#include "page/TexteApercu.h"

QByteArray OctetsApercu(QStringView texte) {
    QString lignes;
    lignes.reserve(texte.size() + texte.size() / 32 + 2);
    qsizetype debut = 0;
    while (debut < texte.size()) {
        qsizetype fin = debut;
        while (fin < texte.size() && texte[fin] != u'\r' && texte[fin] != u'\n')
            ++fin;
        lignes.append(texte.mid(debut, fin - debut)).append(u"\r\n");
        if (fin < texte.size() && texte[fin] == u'\r' && fin + 1 < texte.size() &&
            texte[fin + 1] == u'\n')
            ++fin;
        debut = fin + 1;
    }
    return lignes.toUtf8();
}
