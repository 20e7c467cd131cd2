#include "page/ui/TexteEditeur.h"

#include <QPlainTextEdit>

QString TexteEditeur(const QPlainTextEdit& memo) {
    QString texte = memo.document()->toRawText();
    texte.replace(QChar::ParagraphSeparator, u'\n');
    return texte;
}

void ReecrireEditeur(QPlainTextEdit& memo, const QString& texte) {
    memo.setExtraSelections({});
    memo.setPlainText(texte);
}
