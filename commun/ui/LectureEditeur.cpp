#include "commun/ui/LectureEditeur.h"

#include <QPlainTextEdit>

QString TexteEditeur(const QPlainTextEdit& memo) {
    QString texte = memo.document()->toRawText();
    texte.replace(QChar::ParagraphSeparator, u'\n');
    return texte;
}
