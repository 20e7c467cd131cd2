#include "lists/Jokers.h"

bool CorrespondMasque(QStringView texte, QStringView masque) {
    // Two positions walk the text and the pattern; on a mismatch the last star takes one more
    // character and the walk resumes after it. Each star only ever moves forward, so the
    // work is bounded by the product of the lengths.
    const qsizetype n = texte.size();
    const qsizetype m = masque.size();
    qsizetype t = 0;
    qsizetype p = 0;
    qsizetype etoile = -1;
    qsizetype reprise = 0;
    while (t < n) {
        if (p < m && masque[p] == u'*') {
            etoile = p++;
            reprise = t;
        } else if (p < m && (masque[p] == u'?' || masque[p] == texte[t])) {
            ++p;
            ++t;
        } else if (etoile >= 0) {
            p = etoile + 1;
            t = ++reprise;
        } else {
            return false;
        }
    }
    while (p < m && masque[p] == u'*')
        ++p;
    return p == m;
}

bool CompareJokers(QStringView texte, QStringView masque, const std::vector<int>& longueurs) {
    // The candidate is never built: it always equals the text's prefix of its length while
    // the comparison goes on, so only its length and the text position are kept.
    const qsizetype n = texte.size();
    qsizetype position = 0;
    qsizetype candidat = 0;
    std::size_t etoile = 0;
    for (const QChar c : masque) {
        if (c == u'*') {
            const qsizetype l = longueurs[++etoile];
            candidat += std::max<qsizetype>(0, std::min(l, n - position));
            position += l;
        } else {
            if (position >= n || (c != u'?' && texte[position] != c))
                return false;
            ++candidat;
            ++position;
        }
    }
    return candidat == n;
}

int SommeLongueurs(const std::vector<int>& longueurs, int n) {
    int somme = 0;
    for (int i = 1; i <= n; ++i)
        somme += longueurs[static_cast<std::size_t>(i)];
    return somme;
}

bool CorrespondMasqueParEnumeration(QStringView texte, QStringView masque) {
    const int etoiles = static_cast<int>(masque.count(u'*'));
    const int libres = static_cast<int>(texte.size() - (masque.size() - etoiles));
    if (etoiles == 0)
        return CompareJokers(texte, masque, {0});
    if (libres < 0)
        return false;
    // An odometer over the star lengths; cell 0 overflows when every split has been tried.
    std::vector<int> l(static_cast<std::size_t>(etoiles) + 1, 0);
    int k = 0;
    bool trouve = false;
    while (l[0] == 0 && !trouve) {
        ++k;
        if (k != etoiles) {
            l[static_cast<std::size_t>(k)] = 0;
            continue;
        }
        l[static_cast<std::size_t>(etoiles)] = libres - SommeLongueurs(l, etoiles - 1);
        trouve = CompareJokers(texte, masque, l);
        if (!trouve) {
            while (k > 0 && SommeLongueurs(l, k) >= libres)
                --k;
            ++l[static_cast<std::size_t>(k)];
        }
    }
    return trouve;
}
