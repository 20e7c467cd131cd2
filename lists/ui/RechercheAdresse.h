#pragma once
// The behaviour of the wildcard search in the loaded list: each search selects the next item
// after the last hit whose text, ASCII letters lowered, contains the pattern ("?" one
// character, "*" any run).
#include "commun/ui/ChercheAdresse.h"

#include <QString>
#include <cstdint>

class Gestionnaires;
class LigneStatut;
class ListeChargee;
class QKeyEvent;
struct ControlesListes;

class RechercheAdresse final : public ChercheAdresse {
public:
    // `fermeture` is set when the window closes: a running search stops then.
    RechercheAdresse(ControlesListes& c, ListeChargee& liste, Gestionnaires& gestionnaires,
                     LigneStatut& statut, const bool& fermeture);
    void EditFindAdresseChange();
    void EditFindAdresseClick();
    // True when the key is consumed.
    bool EditFindAdresseKeyPress(QKeyEvent* e);
    // The search itself. A request while a search runs is ignored.
    void SpeedButFindAdresseClick();
    void ChercherAdresse(const QString& adresse) override;
    void SpeedButArreterRechercheClick();

    static QString Indication() {
        return QStringLiteral("[option:  ? = 1 joker | * = multi joker]");
    }

    // Set by a hit: the next search goes on after it; cleared at the end of the list or by
    // the stop button.
    bool RechercheEnSuite = false;

private:
    ControlesListes& c_;
    ListeChargee& liste_;
    LigneStatut& statut_;
    const bool& fermeture_;
    bool arret_ = false;
    // Identifier of the item of the last hit (0: none).
    std::uint32_t CurseurRecherche = 0;
};
