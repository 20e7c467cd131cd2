#pragma once
// What the page loading may ask of the sending: the size of the message each recipient would
// get for a page, pictures included.
#include <QtGlobal>

class QString;

class MesureMessage {
public:
    // `editeur`: the page as the raw editor holds it.
    virtual qsizetype OctetsParDestinataire(const QString& editeur) = 0;

protected:
    ~MesureMessage() = default;
};
