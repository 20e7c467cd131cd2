#pragma once
// Runs the handlers of the controls: an error escaping one is shown in the standard error box
// and the rest of that handler is skipped. The one place where such errors are caught.
#include "commun/ui/Dialogues.h"

#include <QObject>
#include <exception>
#include <functional>

class QKeyEvent;
class QWidget;

class Gestionnaires {
public:
    Gestionnaires(QObject& contexte, Dialogues& dialogues)
        : contexte_(contexte), dialogues_(dialogues) {}

    void Executer(const std::function<void()>& gestionnaire);
    void AfficherErreur(const std::exception& e);

    // Wires a control's event to a handler run through Executer.
    template <class Emetteur, class Signal>
    void Relier(Emetteur* emetteur, Signal signal, std::function<void()> gestionnaire) {
        QObject::connect(emetteur, signal, &contexte_,
                         [this, g = std::move(gestionnaire)] { Executer(g); });
    }
    // Key presses of a control; the handler returns true when it consumes the key.
    void RelierTouche(QWidget* cible, std::function<bool(QKeyEvent*)> gestionnaire);
    // A click (mouse button released) on a control.
    void RelierClic(QWidget* cible, std::function<void()> gestionnaire);

    // True while a handler runs (one waiting on a question or a connection included).
    bool EnCours() const { return enCours_ > 0; }
    // Runs `suite` once the last running handler has returned.
    void Apres(std::function<void()> suite) { suite_ = std::move(suite); }

private:
    QObject& contexte_;
    Dialogues& dialogues_;
    int enCours_ = 0;
    std::function<void()> suite_;
};
