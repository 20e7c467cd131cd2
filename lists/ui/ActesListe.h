#pragma once
// What one page of "Gestion d'adresses" asks of another, through the window that assembles
// them: no list page holds another.
class ActesListe {
public:
    // Loads again the list its selector shows; a save keeps its own message (`annoncer` false).
    virtual void Recharger(bool annoncer) = 0;
    // Shows the tree's selected address in the edit box and enables what applies to it.
    virtual void RafraichirSelection() = 0;

protected:
    ~ActesListe() = default;
};
