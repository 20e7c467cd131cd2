#pragma once
// Dialogs answered from a script: every box shown is recorded, questions take the next
// scripted answer ("Oui" when none is left) and file dialogs the next scripted path
// (cancelled when none is left); text fields take the next scripted text (std::nullopt:
// cancelled), the proposed text when none is left.
#include "commun/ui/Dialogues.h"

#include <QList>
#include <QStringList>
#include <optional>

class DialoguesScriptes : public Dialogues {
public:
    struct Boite {
        enum Genre { Erreur, Message, Question, Fichier, Saisie } genre;
        QString texte;
    };

    void ErreurStandard(const QString& message) override { Noter(Boite::Erreur, message); }
    void Message(const QString& texte) override { Noter(Boite::Message, texte); }
    bool Question(const QString& texte) override {
        Noter(Boite::Question, texte);
        return reponses.isEmpty() ? true : reponses.takeFirst();
    }
    QString OuvrirFichier(const QString& repertoire) override {
        Noter(Boite::Fichier, repertoire);
        return fichiers.isEmpty() ? QString() : fichiers.takeFirst();
    }

    std::optional<QString> Saisir(const QString& texte, const QString& proposition) override {
        Noter(Boite::Saisie, texte + QLatin1Char('\n') + proposition);
        return saisies.isEmpty() ? proposition : saisies.takeFirst();
    }

    // The texts of the boxes of one kind, in order.
    QStringList Textes(Boite::Genre genre) const {
        QStringList t;
        for (const Boite& b : boites)
            if (b.genre == genre)
                t << b.texte;
        return t;
    }

    QList<bool> reponses;
    QStringList fichiers;
    QList<std::optional<QString>> saisies;
    QList<Boite> boites;

private:
    void Noter(Boite::Genre genre, const QString& texte) { boites.append({genre, texte}); }
};
