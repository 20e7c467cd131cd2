#pragma once
// The text alternative of a page: what a reader that shows the "text/plain" part of a
// newsletter (phone previews, screen readers, text-only clients) reads in place of the page.
//
// Headings, paragraphs and line breaks become lines, list items start with "- ", a link reads
// "texte (adresse)", an image its alt text, a table row one line with its cells separated by
// " | "; entities are decoded; scripts, styles, comments and the head are left out; lines are
// wrapped at 76 columns. The page is read by an HTML5 parser, as a browser reads it.
#include <QString>
#include <QStringList>

QStringList TexteAlternatif(const QString& page);
