#include "lists/ListeAdresses.h"

#include "commun/Erreur.h"
#include "lists/CollationListe.h"

#include <algorithm>
#include <limits>

QStringView ListeAdresses::Texte(int i) const {
    const Element& e = E(i);
    return QStringView(texte_.data() + e.debut, static_cast<qsizetype>(e.longueur));
}

int ListeAdresses::Position(std::uint32_t id) const {
    for (int i = 0, n = Nombre(); i < n; ++i)
        if (E(i).id == id)
            return i;
    return -1;
}

int ListeAdresses::FinSousArbre(int i) const {
    const int niveau = Niveau(i);
    int fin = i + 1;
    const int n = Nombre();
    while (fin < n && Niveau(fin) > niveau)
        ++fin;
    return fin;
}

void ListeAdresses::Vider() {
    // The memory goes too: a smaller list may follow a large one.
    elements_ = {};
    texte_ = {};
    debutTrou_ = finTrou_ = 0;
    imbriquee_ = false;
}

void ListeAdresses::Reserver(qsizetype elements, qsizetype caracteres) {
    elements_.reserve(static_cast<std::size_t>(elements));
    texte_.reserve(static_cast<std::size_t>(caracteres));
}

std::uint32_t ListeAdresses::Stocker(QStringView texte) {
    if (texte_.size() + static_cast<std::size_t>(texte.size()) >
        std::numeric_limits<std::uint32_t>::max())
        throw Erreur(QStringLiteral("Liste trop volumineuse"));
    const auto debut = static_cast<std::uint32_t>(texte_.size());
    texte_.insert(texte_.end(), texte.utf16(), texte.utf16() + texte.size());
    return debut;
}

int ListeAdresses::Ajouter(QStringView texte, int niveau, int image) {
    const Element e{Stocker(texte),
                    static_cast<std::uint32_t>(texte.size()),
                    prochainId_++,
                    static_cast<std::uint16_t>(niveau),
                    static_cast<std::uint8_t>(image),
                    0};
    if (niveau > 0)
        imbriquee_ = true;
    DeplacerTrou(elements_.size() - TailleTrou());
    if (TailleTrou() > 0) {
        elements_[debutTrou_++] = e;
    } else {
        elements_.push_back(e);
        debutTrou_ = finTrou_ = elements_.size();
    }
    return Nombre() - 1;
}

void ListeAdresses::Renommer(int i, QStringView texte, int image) {
    Element& e = E(i);
    e.debut = Stocker(texte);
    e.longueur = static_cast<std::uint32_t>(texte.size());
    e.image = static_cast<std::uint8_t>(image);
}

void ListeAdresses::Supprimer(int i) {
    const int fin = FinSousArbre(i);
    DeplacerTrou(static_cast<std::size_t>(i));
    finTrou_ += static_cast<std::size_t>(fin - i);
}

void ListeAdresses::RetirerVidesFinales() {
    while (!EstVide() && Texte(Nombre() - 1).isEmpty())
        Supprimer(Nombre() - 1);
}

void ListeAdresses::DeplacerTrou(std::size_t position) {
    if (position < debutTrou_) {
        const auto n = debutTrou_ - position;
        std::move_backward(elements_.begin() + static_cast<std::ptrdiff_t>(position),
                           elements_.begin() + static_cast<std::ptrdiff_t>(debutTrou_),
                           elements_.begin() + static_cast<std::ptrdiff_t>(finTrou_));
        debutTrou_ -= n;
        finTrou_ -= n;
    } else if (position > debutTrou_) {
        const auto n = position - debutTrou_;
        std::move(elements_.begin() + static_cast<std::ptrdiff_t>(finTrou_),
                  elements_.begin() + static_cast<std::ptrdiff_t>(finTrou_ + n),
                  elements_.begin() + static_cast<std::ptrdiff_t>(debutTrou_));
        debutTrou_ += n;
        finTrou_ += n;
    }
}

void ListeAdresses::FermerTrou() {
    DeplacerTrou(elements_.size() - TailleTrou());
    elements_.resize(debutTrou_);
    finTrou_ = debutTrou_;
}

void ListeAdresses::Trier(const CollationListe& collation) {
    FermerTrou();
    for (Element& e : elements_)
        e.ascii = CollationListe::Ascii(
            QStringView(texte_.data() + e.debut, static_cast<qsizetype>(e.longueur)));
    if (imbriquee_) {
        TrierNiveaux(collation);
        return;
    }
    // Most comparisons are settled by a key of the first characters held beside the item;
    // only equal keys or non-ASCII texts go to the full comparison.
    struct Cle {
        std::uint64_t debut;
        std::uint64_t suite;
        std::uint32_t index;
    };
    std::vector<Cle> cles(elements_.size());
    for (std::size_t i = 0; i < elements_.size(); ++i) {
        const Element& e = elements_[i];
        const QStringView t(texte_.data() + e.debut, static_cast<qsizetype>(e.longueur));
        cles[i] = {e.ascii ? collation.Cle(t, 0) : 0, e.ascii ? collation.Cle(t, 9) : 0,
                   static_cast<std::uint32_t>(i)};
    }
    std::stable_sort(cles.begin(), cles.end(), [&](const Cle& a, const Cle& b) {
        const Element& ea = elements_[a.index];
        const Element& eb = elements_[b.index];
        if (ea.ascii && eb.ascii) {
            if (a.debut != b.debut)
                return a.debut < b.debut;
            if (a.suite != b.suite)
                return a.suite < b.suite;
        }
        const QStringView ta(texte_.data() + ea.debut, static_cast<qsizetype>(ea.longueur));
        const QStringView tb(texte_.data() + eb.debut, static_cast<qsizetype>(eb.longueur));
        if (ea.ascii && eb.ascii)
            return collation.ComparerAscii(ta, tb) < 0;
        return collation.Comparer(ta, tb) < 0;
    });
    std::vector<Element> trie;
    trie.reserve(elements_.size());
    for (const Cle& c : cles)
        trie.push_back(elements_[c.index]);
    elements_ = std::move(trie);
    debutTrou_ = finTrou_ = elements_.size();
}

void ListeAdresses::TrierNiveaux(const CollationListe& collation) {
    // Each item with its descendants is a block; the blocks of one level are sorted among
    // themselves, then laid out again in display order. No recursion: a hand-made file may
    // nest very deep.
    const int n = Nombre();
    std::vector<int> fin(static_cast<std::size_t>(n));
    std::vector<int> ouverts;
    for (int i = 0; i < n; ++i) {
        while (!ouverts.empty() && Niveau(ouverts.back()) >= Niveau(i)) {
            fin[static_cast<std::size_t>(ouverts.back())] = i;
            ouverts.pop_back();
        }
        ouverts.push_back(i);
    }
    for (int i : ouverts)
        fin[static_cast<std::size_t>(i)] = n;

    const auto freresTries = [&](int debut, int limite) {
        std::vector<int> freres;
        for (int i = debut; i < limite; i = fin[static_cast<std::size_t>(i)])
            freres.push_back(i);
        std::stable_sort(freres.begin(), freres.end(),
                         [&](int a, int b) { return collation.Comparer(Texte(a), Texte(b)) < 0; });
        return freres;
    };
    struct Cadre {
        std::vector<int> freres;
        std::size_t suivant = 0;
    };
    std::vector<Element> trie;
    trie.reserve(elements_.size());
    std::vector<Cadre> pile;
    pile.push_back({freresTries(0, n)});
    while (!pile.empty()) {
        Cadre& cadre = pile.back();
        if (cadre.suivant == cadre.freres.size()) {
            pile.pop_back();
            continue;
        }
        const int i = cadre.freres[cadre.suivant++];
        trie.push_back(elements_[static_cast<std::size_t>(i)]);
        if (i + 1 < fin[static_cast<std::size_t>(i)])
            pile.push_back({freresTries(i + 1, fin[static_cast<std::size_t>(i)])});
    }
    elements_ = std::move(trie);
    debutTrou_ = finTrou_ = elements_.size();
}
