#pragma once
// What "Charger" tells of a page besides its tags: the fault that stops it (a local picture
// that is not there), the warnings of what recipients would miss or what the message costs
// them, and every remark at length for the raw HTML tools.
//
// The figures: a large webmail (Gmail) shows only the beginning of a message whose HTML
// passes about 102 KB, so a page above 100 Ko is warned of; large mail services refuse
// messages above 10 to 25 MB (and small ones from 10 MB), so a message above 10 Mo per
// recipient is warned of. Ko and Mo are thousands and millions of bytes.
#include "page/PageComposee.h"

#include <QString>
#include <QStringList>

struct RemarquesPage {
    static constexpr qsizetype HtmlMax = 100'000;
    static constexpr qsizetype MessageMax = 10'000'000;

    // Empty when the page may go.
    QString faute;
    QStringList avertissements;
    // The fault, the warnings and what was done, one line each, the size last.
    QStringList details;
};

// `octetsMessage`: the size of the message each recipient gets.
RemarquesPage EvaluerPage(const PageComposee& page, qsizetype octetsMessage);

// "850 octets", "12 Ko", "1,2 Mo".
QString TexteTaille(qsizetype octets);
