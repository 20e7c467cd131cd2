#pragma once
// What another page may ask of the list search: find this address in the loaded list.
class QString;

class ChercheAdresse {
public:
    // Puts the address into the pattern box and searches for it; ignored while the list is busy.
    virtual void ChercherAdresse(const QString& adresse) = 0;

protected:
    ~ChercheAdresse() = default;
};
