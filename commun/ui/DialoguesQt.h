#pragma once
#include "commun/ui/Dialogues.h"

class QWidget;

// The real boxes, parented to the main window.
class DialoguesQt : public Dialogues {
public:
    void DefinirParent(QWidget* parent) { parent_ = parent; }
    void ErreurStandard(const QString& message) override;
    void Message(const QString& texte) override;
    bool Question(const QString& texte) override;
    QString OuvrirFichier(const QString& repertoire) override;
    std::optional<QString> Saisir(const QString& texte, const QString& proposition) override;

private:
    QWidget* parent_ = nullptr;
};
