#pragma once
// The message of a campaign: built once, written once per list item with only its
// recipients changed in between.
#include "mail/AdresseCourriel.h"
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
    QStringList Corps;
    QList<PartieTexte> Parties;
    QString TypeContenu;
    QString JeuCaracteres;
    QString CodageTransfert;

    // The preamble (the body in UTF-8, dot-stuffed, every line ended by CR LF), made once
    // and kept while `Corps` stays the same list.
    const QByteArray& PreambuleCode() const;

private:
    friend QStringList GenererEntetes(MessageCourriel&, const QString&,
                                      const struct SourcesMessage&);
    // The "From" and "Subject" values, kept while De and Objet stay the same.
    struct EntetesFixes {
        AdressesCourriel De;
        QString Objet;
        QString ValeurDe;
        QString ValeurObjet;
        bool Valides = false;
    };
    EntetesFixes entetesFixes_;

    mutable QStringList source_;
    mutable QByteArray code_;
    mutable bool calcule_ = false;
};
