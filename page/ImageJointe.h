#pragma once
// A picture of the page that travels inside the message, named by the page as "cid:" and its
// identifier.
#include <QByteArray>
#include <QString>

struct ImageJointe {
    // The Content-ID, without its angle brackets.
    QString identifiant;
    // The file's name in plain ASCII, for the part's name.
    QString nom;
    QString typeMime;
    QByteArray octets;
};
