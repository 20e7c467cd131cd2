#pragma once
// The message of a campaign: built once, written once per list item with only its
// recipients changed in between.
#include "mail/AdresseCourriel.h"
#include "mail/PartieImage.h"
#include "mail/PartieTexte.h"

#include <QByteArray>
#include <QPair>

struct SourcesMessage;

class MessageCourriel {
public:
    AdressesCourriel De;
    AdresseCourriel Expediteur;
    AdressesCourriel Destinataires;
    AdressesCourriel Copies;
    AdressesCourriel CopiesCachees;
    QList<QPair<QString, QString>> EntetesSupplementaires;
    QString Objet;
    // Not sent: the page travels once, in its "text/html" part; the preamble is one fixed line.
    QStringList Corps;
    QList<PartieTexte> Parties;
    // The pictures the "text/html" part names by "cid:": with them, that part and they travel
    // together as one "multipart/related" part.
    QList<PartieImage> Images;
    QString TypeContenu;
    QString JeuCaracteres;
    QString CodageTransfert;
    // The Message-ID of the last transfer written, which ties what comes back to it.
    QString Identifiant;

private:
    friend QStringList GenererEntetes(MessageCourriel&, const QString&,
                                      const struct SourcesMessage&, bool);
    // The "From" and "Subject" values, kept while De and Objet stay the same.
    struct EntetesFixes {
        AdressesCourriel De;
        QString Objet;
        QString ValeurDe;
        QString ValeurObjet;
        QString Jeu;
        bool Utf8 = false;
        bool Valides = false;
    };
    EntetesFixes entetesFixes_;
};
