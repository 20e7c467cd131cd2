#include "returns/Desinscrits.h"

#include "mail/LectureAdresses.h"
#include "returns/FichierTexte.h"

#include <algorithm>

#include <QDir>

Desinscrits::Desinscrits(const QString& repertoire)
    : chemin_(QDir(repertoire).filePath(QString::fromUtf8(kNomFichier))) {
    for (const QString& ligne : FichierTexte::Lire(chemin_)) {
        const QString cle = Cle(ligne);
        if (!cle.isEmpty() && !cles_.contains(cle)) {
            cles_.insert(cle);
            adresses_ << ligne.trimmed();
        }
    }
}

QString Desinscrits::Cle(const QString& texte) {
    return LireAdresse(texte).Adresse.trimmed().toCaseFolded();
}

QStringList Desinscrits::Filtrer(const QStringList& items) const {
    if (cles_.isEmpty())
        return items;
    QStringList gardes;
    gardes.reserve(items.size());
    for (const QString& item : items)
        if (!Contient(item))
            gardes << item;
    return gardes;
}

int Desinscrits::Compter(const QStringList& items) const {
    return cles_.isEmpty()
               ? 0
               : int(std::count_if(items.cbegin(), items.cend(),
                                   [this](const QString& item) { return Contient(item); }));
}

int Desinscrits::Inserer(const QStringList& textes) {
    int ajoutees = 0;
    for (const QString& texte : textes) {
        const QString cle = Cle(texte);
        if (cle.isEmpty() || cles_.contains(cle))
            continue;
        cles_.insert(cle);
        adresses_ << LireAdresse(texte).Adresse.trimmed();
        ++ajoutees;
    }
    return ajoutees;
}

int Desinscrits::Ajouter(const QStringList& textes) {
    const int ajoutees = Inserer(textes);
    if (ajoutees > 0)
        Enregistrer();
    return ajoutees;
}

void Desinscrits::Remplacer(const QStringList& textes) {
    adresses_.clear();
    cles_.clear();
    Inserer(textes);
    Enregistrer();
}

void Desinscrits::Enregistrer() {
    FichierTexte::Ecrire(chemin_, adresses_);
}
