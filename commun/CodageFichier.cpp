#include "commun/CodageFichier.h"

#include "commun/DecodageTexte.h"
#include "commun/Windows1252.h"

#include <QString>

void CodageFichier::Ajouter(QStringView texte) {
    if (!utf8_ && Windows1252::Ajouter(texte, octets_))
        return;
    PasserEnUtf8();
    octets_.append(texte.toUtf8());
}

QByteArray CodageFichier::Prendre() {
    // Code-page text that happens to read as UTF-8 ("Ã©" written as C3 A9), or that begins with
    // the bytes of a byte-order mark ("ï»¿"), would come back changed: our own mark settles it.
    if (!utf8_ && (EstUtf8MultiOctets(octets_) || octets_.startsWith("\xEF\xBB\xBF") ||
                   octets_.startsWith("\xFF\xFE") || octets_.startsWith("\xFE\xFF")))
        PasserEnUtf8();
    utf8_ = false;
    return std::exchange(octets_, {});
}

void CodageFichier::PasserEnUtf8() {
    if (utf8_)
        return;
    octets_ = QByteArray("\xEF\xBB\xBF") + Windows1252::Decoder(octets_).toUtf8();
    utf8_ = true;
}

QByteArray CodageFichier::Coder(QStringView texte) {
    CodageFichier codage;
    codage.Ajouter(texte);
    return codage.Prendre();
}
