#pragma once
// What the page loading may ask of the sending: the page as its message would carry it, and
// the size of that message for each recipient, pictures included.
#include "page/PageComposee.h"

#include <QtGlobal>

class QString;

class MesureMessage {
public:
    struct Mesure {
        PageComposee page;
        qsizetype octets = 0;
    };

    // `editeur`: the page as the raw editor holds it.
    virtual Mesure MesurerPage(const QString& editeur) = 0;

protected:
    ~MesureMessage() = default;
};
