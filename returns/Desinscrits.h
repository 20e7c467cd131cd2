#pragma once
// The addresses never to write to again ("Désinscrits"): one file beside the lists, which is
// no ".list", so it never shows in the catalogue nor is sent to. Every campaign and every
// resume leaves them out. Addresses are compared without regard to case, whatever the list
// item around them ("Nom <a@b.c>").
#include <QSet>
#include <QStringList>

class Desinscrits {
public:
    static constexpr char kNomFichier[] = "Désinscrits.txt";

    // Reads the file of `repertoire` (none yet: empty). Raises FichierTexte's Erreur.
    explicit Desinscrits(const QString& repertoire);

    const QStringList& Adresses() const { return adresses_; }
    // The address of a list item or of a typed text, as compared.
    static QString Cle(const QString& texte);
    bool Contient(const QString& texte) const { return cles_.contains(Cle(texte)); }
    // The items of `items` whose address is not in the file, in order.
    QStringList Filtrer(const QStringList& items) const;
    // How many items of `items` Filtrer leaves out.
    int Compter(const QStringList& items) const;

    // Each address not yet there is added (an item keeps its address only), then the file is
    // saved; returns how many were added.
    int Ajouter(const QStringList& textes);
    // The file holds exactly these addresses (the page's edit), duplicates dropped.
    void Remplacer(const QStringList& textes);

private:
    int Inserer(const QStringList& textes);
    void Enregistrer();

    QString chemin_;
    QStringList adresses_;
    QSet<QString> cles_;
};
