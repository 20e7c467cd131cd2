#include "page/ui/TexteEditeur.h"

#include "page/ui/SurlignageRecherche.h"

#include <QPlainTextEdit>

void ReecrireEditeur(QPlainTextEdit& memo, const QString& texte) {
    SurlignageRecherche::De(memo).Oublier();
    memo.setPlainText(texte);
}
