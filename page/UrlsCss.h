#pragma once
// The addresses a style sheet names: every url() token, and the string of an @import rule.
// A scanner after the tokenizer of CSS (comments, strings, escapes, the two forms of url()),
// small enough to test case by case; it never changes the text it reads.
#include <QList>
#include <QString>
#include <QStringView>

struct UrlCss {
    // The token's place in the text: "url(...)" whole, or the @import's string or url().
    qsizetype debut = 0;
    qsizetype fin = 0;
    // The address, its escapes decoded and its blanks trimmed.
    QString adresse;
    // Named by @import: a style sheet, not a picture.
    bool import = false;
};

// In the order they stand. A bad url() (a quote or a parenthesis inside an unquoted one, an
// unclosed string) is left out, as browsers leave it.
QList<UrlCss> UrlsCss(QStringView css);
