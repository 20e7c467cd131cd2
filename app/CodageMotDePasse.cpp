#include "app/CodageMotDePasse.h"

QString CodageMotDePasse(const QString& texte, int cle) {
    const char16_t masque = static_cast<char16_t>(((cle >> 8) & 0xFFFF) & 0xFF);
    QString resultat(texte.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < texte.size(); ++i)
        resultat[i] = QChar(static_cast<char16_t>((texte[i].unicode() & 0xFF) ^ masque));
    return resultat;
}
