#include "returns/DecouverteIMAP.h"

#include "mail/DecouverteServeur.h"

#include <QDnsLookup>

void DecouverteIMAP::Chercher(const QString& adresse) {
    ++generation_;
    domaine_ = DecouverteServeur::Domaine(adresse);
    if (domaine_.isEmpty()) {
        emit Introuvable();
        return;
    }
    Demander(QStringLiteral("_imaps._tcp."));
}

QString DecouverteIMAP::TexteOrigine() {
    return QStringLiteral("Trouvé dans l'annuaire DNS du domaine : vérifiez-le, puis enregistrez.");
}

void DecouverteIMAP::Demander(const QString& service) {
    auto* question = new QDnsLookup(QDnsLookup::SRV, service + domaine_, this);
    if (!ServeurDNS.isNull())
        question->setNameserver(ServeurDNS);
    const bool securise = service.startsWith(QLatin1String("_imaps"));
    connect(question, &QDnsLookup::finished, this,
            [this, question, securise, generation = generation_] {
                question->deleteLater();
                if (generation == generation_)
                    Reponse(question, securise);
            });
    question->lookup();
}

void DecouverteIMAP::Reponse(QDnsLookup* question, bool securise) {
    if (question->error() == QDnsLookup::NoError)
        for (const QDnsServiceRecord& r : question->serviceRecords()) {
            // The reading speaks STARTTLS on 143 only and TLS from the first byte elsewhere.
            if (DecouverteServeur::ServiceOffert(r) && r.port() != 0 &&
                (r.port() == 143) != securise) {
                emit Trouve(r.target(), r.port());
                return;
            }
        }
    if (securise)
        Demander(QStringLiteral("_imap._tcp."));
    else
        emit Introuvable();
}
