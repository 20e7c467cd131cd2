#include "page/ui/SurlignageRecherche.h"

#include "page/RechercheOccurrences.h"

#include <QPlainTextEdit>

SurlignageRecherche& SurlignageRecherche::De(QPlainTextEdit& memo) {
    QTextDocument* document = memo.document();
    if (auto* existant = document->findChild<SurlignageRecherche*>())
        return *existant;
    return *new SurlignageRecherche(document);
}

SurlignageRecherche::SurlignageRecherche(QTextDocument* document) : QSyntaxHighlighter(document) {
    jaune_.setBackground(QColor(255, 255, 0));
}

void SurlignageRecherche::Surligner(const QString& mot) {
    if (mot.isEmpty() && mot_.isEmpty())
        return;
    mot_ = mot;
    rehighlight();
}

void SurlignageRecherche::Effacer() {
    Surligner(QString());
}

void SurlignageRecherche::highlightBlock(const QString& texte) {
    for (const qsizetype p : PositionsOccurrences(texte, mot_))
        setFormat(int(p), int(mot_.size()), jaune_);
}
