#pragma once
// The failures of a campaign as the send worker meets them: the worker adds, the window's
// thread takes them out in order once the worker has ended and shows them.
#include <QList>
#include <QString>
#include <mutex>

class RegistreErreurs {
public:
    struct Echec {
        QString adresse;
        QString message;
        // "Erreur suivante: " and the message: the description shown under the list.
        QString Description() const;
        // The report line: the address, " -> Erreur suivante: ", the message, CR LF.
        QString EntreeRapport() const;
    };

    void Ajouter(const QString& adresse, const QString& message);
    QList<Echec> Prendre();

private:
    std::mutex verrou_;
    QList<Echec> echecs_;
};
