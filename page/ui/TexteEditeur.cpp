#include "page/ui/TexteEditeur.h"

#include "page/ui/SurlignageRecherche.h"

#include <QPlainTextEdit>

QString TexteEditeur(const QPlainTextEdit& memo) {
    QString texte = memo.document()->toRawText();
    texte.replace(QChar::ParagraphSeparator, u'\n');
    return texte;
}

void ReecrireEditeur(QPlainTextEdit& memo, const QString& texte) {
    SurlignageRecherche::De(memo).Oublier();
    memo.setPlainText(texte);
}
