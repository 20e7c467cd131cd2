#pragma once
// The loaded address list, in display order (an item, its descendants, then its next sibling).
// Each item has a text, a depth (0 for top-level items), a picture (0 as loaded, 1 added or
// changed since) and an identifier that stays the same while the item lives, so that a search
// or a selection can find it again after other items moved.
//
// A million addresses must stay small and quick: the texts share one buffer, an item takes
// 16 bytes, and the items are kept in a gap buffer, so that removing items one after the other
// while walking the list (the duplicate removal) costs no more than one pass.
#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

class CollationListe;

class ListeAdresses {
public:
    int Nombre() const { return static_cast<int>(elements_.size() - TailleTrou()); }
    bool EstVide() const { return Nombre() == 0; }
    QStringView Texte(int i) const;
    int Niveau(int i) const { return E(i).niveau; }
    int Image(int i) const { return E(i).image; }
    std::uint32_t Id(int i) const { return E(i).id; }
    // Position of the item with that identifier, -1 when it has left the list.
    int Position(std::uint32_t id) const;
    // True when some item is a child: the list is a tree, not a plain list.
    bool Imbriquee() const { return imbriquee_; }
    // Position right after the item's descendants.
    int FinSousArbre(int i) const;

    void Vider();
    // Appends an item at the end of the display order; returns its position.
    int Ajouter(QStringView texte, int niveau, int image);
    void Renommer(int i, QStringView texte, int image);
    // Removes the item and its descendants.
    void Supprimer(int i);
    // Removes the last items while their text is empty.
    void RetirerVidesFinales();
    // Sorts the top level and the children of every item, each ascending.
    void Trier(const CollationListe& collation);

private:
    struct Element {
        std::uint32_t debut; // in texte_
        std::uint32_t longueur;
        std::uint32_t id;
        std::uint16_t niveau;
        std::uint8_t image;
        std::uint8_t ascii; // used while sorting
    };

    std::size_t TailleTrou() const { return finTrou_ - debutTrou_; }
    std::size_t Physique(int i) const {
        const auto p = static_cast<std::size_t>(i);
        return p < debutTrou_ ? p : p + TailleTrou();
    }
    const Element& E(int i) const { return elements_[Physique(i)]; }
    Element& E(int i) { return elements_[Physique(i)]; }
    void DeplacerTrou(std::size_t position);
    void FermerTrou();
    std::uint32_t Stocker(QStringView texte);
    void TrierNiveaux(const CollationListe& collation);

    std::vector<Element> elements_;
    std::size_t debutTrou_ = 0;
    std::size_t finTrou_ = 0;
    std::vector<char16_t> texte_;
    std::uint32_t prochainId_ = 1;
    bool imbriquee_ = false;
};
