#pragma once
// The campaigns the journals record (those beside the lists and those ended, in their folder),
// to tie what comes back to one of them: by the returned message's Message-ID, else by the
// address, to the latest campaign that sent to it.
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

class CampagnesEnvoyees {
public:
    struct Campagne {
        QString sujet;
        // The list's file name.
        QString liste;
        QDateTime debut;
    };

    explicit CampagnesEnvoyees(const QString& repertoire);

    // The campaign's position, -1 when none sent that message nor wrote to that address.
    int Trouver(const QString& identifiant, const QString& adresse) const;
    const Campagne& Lire(int i) const { return campagnes_[i]; }

private:
    QList<Campagne> campagnes_;
    QHash<QString, int> parIdentifiant_;
    QHash<QString, int> parAdresse_;
};
