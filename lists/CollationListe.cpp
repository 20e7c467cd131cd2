#include "lists/CollationListe.h"

#include <QString>
#include <algorithm>
#include <vector>

namespace {
QLocale LocaleDeCollation(const QLocale& locale) {
    // English has no tailoring of its own: its collation is the root one.
    return locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates)
                                           : locale;
}
} // namespace

CollationListe::CollationListe(const QLocale& locale) : collateur_(LocaleDeCollation(locale)) {
    collateur_.setCaseSensitivity(Qt::CaseSensitive);
    collateur_.setNumericMode(false);
    collateur_.setIgnorePunctuation(false);

    // Rank the printable characters with a collator that ignores case: characters it finds
    // equal (a letter and its capital) share a weight.
    QCollator sansCasse(collateur_);
    sansCasse.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QString> caracteres;
    for (char16_t c = 0x20; c < 0x7F; ++c)
        caracteres.emplace_back(QChar(c));
    std::stable_sort(caracteres.begin(), caracteres.end(), [&](const QString& a, const QString& b) {
        return sansCasse.compare(a, b) < 0;
    });
    std::uint8_t rang = 1;
    for (std::size_t i = 0; i < caracteres.size(); ++i) {
        if (i > 0 && sansCasse.compare(caracteres[i - 1], caracteres[i]) != 0)
            ++rang;
        poids_[caracteres[i][0].unicode()] = rang;
    }
}

bool CollationListe::Ascii(QStringView texte) {
    for (QChar c : texte)
        if (c.unicode() < 0x20 || c.unicode() >= 0x7F)
            return false;
    return true;
}

int CollationListe::ComparerAscii(QStringView a, QStringView b) const {
    const qsizetype n = std::min(a.size(), b.size());
    const char16_t* pa = a.utf16();
    const char16_t* pb = b.utf16();
    for (qsizetype i = 0; i < n; ++i) {
        if (pa[i] == pb[i])
            continue;
        const int wa = poids_[pa[i]];
        const int wb = poids_[pb[i]];
        if (wa != wb)
            return wa < wb ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    // Same letters, case apart: the first difference decides, lower case first.
    for (qsizetype i = 0; i < n; ++i)
        if (pa[i] != pb[i])
            return pa[i] > pb[i] ? -1 : 1;
    return 0;
}

std::uint64_t CollationListe::Cle(QStringView texte, qsizetype debut) const {
    // Weights take 7 bits; a text that ends first pads with 0, below every weight.
    std::uint64_t cle = 0;
    for (qsizetype i = debut; i < debut + 9; ++i)
        cle = (cle << 7) | (i < texte.size() ? poids_[texte[i].unicode()] : 0u);
    return cle;
}

int CollationListe::Comparer(QStringView a, QStringView b) const {
    if (Ascii(a) && Ascii(b))
        return ComparerAscii(a, b);
    return collateur_.compare(a, b);
}
