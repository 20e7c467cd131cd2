#pragma once
// Writes running text as the lines of a plain-text message: blanks collapsed as a browser
// does, lines and paragraphs where the caller says, list items with "- ", table cells
// separated by " | ", lines wrapped at 76 columns (a longer word stays whole).
#include <QString>
#include <QStringList>

class RedactionTexte {
public:
    static constexpr qsizetype Largeur = 76;

    // Where a stretch of text begins, to read it back once written.
    struct Marque {
        int vidages;
        qsizetype position;
    };

    void Texte(const QString& texte);
    // Ends the current line.
    void Saut();
    // Ends the current line, and leaves one blank line before the next text.
    void Paragraphe();
    void Cellule();
    void DebutElementListe();
    bool DansListe() const { return niveauListe_ > 0; }
    void FinElementListe();
    // Inside, blanks and line ends are kept as they are.
    void DebutPreforme() { ++preforme_; }
    void FinPreforme();
    Marque DebutLien() const { return {vidages_, ligne_.size()}; }
    // The text written since the mark, trimmed (the current line's when a line ended since).
    QString TexteDepuis(Marque marque) const;

    QStringList Terminer();

private:
    void Ajouter(QChar c);
    void Vider();
    void Emettre(const QString& ligne);

    QStringList lignes_;
    QString ligne_;
    bool espace_ = false;
    bool cellule_ = false;
    bool blanc_ = false;
    int niveauListe_ = 0;
    bool puce_ = false;
    int preforme_ = 0;
    int vidages_ = 0;
};
