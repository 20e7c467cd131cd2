#pragma once
// Makes the page ready to travel. Its pictures are found by an HTML5 parser, as a browser finds
// them: <img src>, <input type="image" src>, the background attribute, and url() in the page's
// own style (<style> elements and style attributes). A picture that names a file on the
// sender's disk (a path from the page's folder, or from its <base href>, or file:) is read, and
// with `joindre` its address becomes "cid:" and its identifier; the same file, or the same bytes,
// travels once. With `joindre`, a local style sheet by <link> is put into a <style> element in its
// place. The rest of the text is kept as it is, byte for byte.
#include "page/PageComposee.h"

// `dossier`: the folder the page's relative addresses start from, unless it says otherwise.
PageComposee ComposerPage(const QString& page, const QString& dossier, bool joindre);
