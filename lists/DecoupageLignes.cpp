#include "lists/DecoupageLignes.h"

DecoupageLignes::DecoupageLignes(QStringView texte) : texte_(texte) {
    const qsizetype nul = texte_.indexOf(QChar(0));
    if (nul >= 0)
        texte_ = texte_.first(nul);
}

bool DecoupageLignes::Suivante(QStringView& ligne) {
    const qsizetype n = texte_.size();
    if (position_ >= n)
        return false;
    const char16_t* d = texte_.utf16();
    qsizetype i = position_;
    while (i < n && d[i] != u'\r' && d[i] != u'\n')
        ++i;
    ligne = texte_.sliced(position_, i - position_);
    if (i < n && d[i] == u'\r' && i + 1 < n && d[i + 1] == u'\n')
        ++i;
    position_ = i + 1;
    return true;
}

qsizetype DecoupageLignes::Compter(QStringView texte) {
    DecoupageLignes d(texte);
    QStringView ligne;
    qsizetype n = 0;
    while (d.Suivante(ligne))
        ++n;
    return n;
}
