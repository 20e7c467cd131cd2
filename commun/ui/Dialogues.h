#pragma once
// Every message box and file dialog of the program goes through here: production shows real
// boxes, tests answer from a script.
#include <QString>
#include <optional>

class Dialogues {
public:
    virtual ~Dialogues() = default;
    // The standard error box: an error that a handler did not catch, with its message.
    virtual void ErreurStandard(const QString& message) = 0;
    // A plain message box with an OK button.
    virtual void Message(const QString& texte) = 0;
    // A question with a question icon and the buttons "Oui" and "Non"; true for "Oui".
    virtual bool Question(const QString& texte) = 0;
    // The file-open dialog, every file listed, starting in `repertoire`; empty when cancelled.
    virtual QString OuvrirFichier(const QString& repertoire) = 0;
    // A one-line text field under `texte`, holding `proposition` at first, with "OK" and
    // "Annuler"; the text as it stands on "OK", nothing when cancelled.
    virtual std::optional<QString> Saisir(const QString& texte, const QString& proposition) = 0;
};
