#include "commun/ui/Gestionnaires.h"

#include "commun/Erreur.h"
#include "commun/ui/FiltreEvenements.h"

#include <QKeyEvent>
#include <QWidget>

void Gestionnaires::Executer(const std::function<void()>& gestionnaire) {
    ++enCours_;
    try {
        gestionnaire();
    } catch (const std::exception& e) {
        AfficherErreur(e);
    }
    if (--enCours_ == 0 && suite_) {
        const auto suite = std::move(suite_);
        suite_ = nullptr;
        suite();
    }
}

void Gestionnaires::AfficherErreur(const std::exception& e) {
    const auto* erreur = dynamic_cast<const Erreur*>(&e);
    dialogues_.ErreurStandard(erreur ? erreur->Message() : QString::fromLocal8Bit(e.what()));
}

void Gestionnaires::RelierTouche(QWidget* cible, std::function<bool(QKeyEvent*)> gestionnaire) {
    FiltreEvenements::Installer(cible, QEvent::KeyPress,
                                [this, g = std::move(gestionnaire)](QEvent* e) {
                                    bool consomme = false;
                                    Executer([&] { consomme = g(static_cast<QKeyEvent*>(e)); });
                                    return consomme;
                                });
}

void Gestionnaires::RelierClic(QWidget* cible, std::function<void()> gestionnaire) {
    FiltreEvenements::Installer(cible, QEvent::MouseButtonRelease,
                                [this, g = std::move(gestionnaire)](QEvent*) {
                                    Executer(g);
                                    return false;
                                });
}
