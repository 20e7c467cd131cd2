#pragma once
// The page as it travels, and what its recipients would miss.
#include "page/ImageJointe.h"

#include <QList>
#include <QString>
#include <QStringList>

struct PageComposee {
    // The page with its local pictures named "cid:" and its local style sheets inside it;
    // the text given when nothing changes.
    QString html;
    // Each picture once, in the order of its first mention.
    QList<ImageJointe> images;
    // Local pictures that are not there, as the page names them.
    QStringList introuvables;
    // Local pictures that stay on the sender's disk: joining is off.
    QStringList localesNonJointes;
    // Local files named where a picture goes, that are no picture.
    QStringList nonImages;
    // Local style sheets put into the page.
    QStringList feuillesIntegrees;
    // Style sheets by link or @import that recipients will not get.
    QStringList feuillesLiees;
    int imagesData = 0;
    int scripts = 0;
};
