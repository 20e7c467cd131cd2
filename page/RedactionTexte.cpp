#include "page/RedactionTexte.h"

namespace {
bool Blanc(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f' || c == 0xA0;
}

// Zero-width characters and soft hyphens: newsletter builders pad their hidden preview text
// with them, and they have no place in plain text.
bool Invisible(char16_t c) {
    return (c >= 0x200B && c <= 0x200D) || c == 0x2060 || c == 0xFEFF || c == 0x00AD || c == 0x034F;
}

QStringList Plier(const QString& texte, const QString& premier, const QString& suite) {
    QStringList lignes;
    QString ligne = premier;
    bool vide = true;
    for (const QString& mot : texte.split(u' ', Qt::SkipEmptyParts)) {
        if (!vide && ligne.size() + 1 + mot.size() > RedactionTexte::Largeur) {
            lignes << ligne;
            ligne = suite;
            vide = true;
        }
        if (!vide)
            ligne += u' ';
        ligne += mot;
        vide = false;
    }
    lignes << ligne;
    return lignes;
}
} // namespace

void RedactionTexte::Texte(const QString& texte) {
    for (QChar c : texte)
        Ajouter(c);
}

void RedactionTexte::Ajouter(QChar c) {
    const char16_t u = c.unicode();
    if (Invisible(u))
        return;
    if (preforme_ > 0) {
        if (u == u'\n')
            Emettre(ligne_), ligne_.clear(), ++vidages_;
        else if (u != u'\r')
            ligne_ += c;
        return;
    }
    if (Blanc(u)) {
        espace_ = !ligne_.isEmpty();
        return;
    }
    if (cellule_ && !ligne_.isEmpty())
        ligne_ += QStringLiteral(" | ");
    else if (espace_ && !ligne_.isEmpty())
        ligne_ += u' ';
    cellule_ = espace_ = false;
    ligne_ += c;
}

void RedactionTexte::Saut() {
    Vider();
}

void RedactionTexte::Paragraphe() {
    Vider();
    blanc_ = true;
}

void RedactionTexte::Cellule() {
    cellule_ = true;
}

void RedactionTexte::DebutElementListe() {
    Vider();
    ++niveauListe_;
    puce_ = true;
}

void RedactionTexte::FinElementListe() {
    Vider();
    --niveauListe_;
    puce_ = false;
}

void RedactionTexte::FinPreforme() {
    Vider();
    --preforme_;
}

QString RedactionTexte::TexteDepuis(Marque marque) const {
    if (marque.vidages != vidages_)
        return ligne_.trimmed();
    return ligne_.mid(marque.position).trimmed();
}

void RedactionTexte::Vider() {
    espace_ = cellule_ = false;
    if (ligne_.isEmpty())
        return;
    ++vidages_;
    if (preforme_ > 0) {
        Emettre(ligne_);
        ligne_.clear();
        return;
    }
    const QString retrait(2 * qMax(0, niveauListe_ - 1), u' ');
    const QString premier = puce_ ? retrait + QStringLiteral("- ") : retrait;
    const QString suite = niveauListe_ > 0 ? retrait + QStringLiteral("  ") : retrait;
    puce_ = false;
    for (const QString& l : Plier(ligne_, premier, suite))
        Emettre(l);
    ligne_.clear();
}

void RedactionTexte::Emettre(const QString& ligne) {
    if (blanc_ && !lignes_.isEmpty() && !lignes_.last().isEmpty())
        lignes_ << QString();
    blanc_ = false;
    // Nothing but blank lines from a preformatted text: one is enough.
    if (ligne.trimmed().isEmpty() && (lignes_.isEmpty() || lignes_.last().isEmpty()))
        return;
    QString l = ligne;
    while (!l.isEmpty() && l.back().isSpace())
        l.chop(1);
    lignes_ << l;
}

QStringList RedactionTexte::Terminer() {
    Vider();
    while (!lignes_.isEmpty() && lignes_.last().isEmpty())
        lignes_.removeLast();
    return lignes_;
}
