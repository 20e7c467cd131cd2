#include "mail/DecouverteServeur.h"

#include "commun/DomaineAscii.h"
#include "mail/AnnuaireFournisseurs.h"

#include <QDnsLookup>
#include <QTcpSocket>
#include <QTimer>

DecouverteServeur::DecouverteServeur(QObject* parent)
    : QObject(parent), minuterie_(new QTimer(this)) {
    minuterie_->setSingleShot(true);
    connect(minuterie_, &QTimer::timeout, this,
            [this] { FinSonde(false, SecuriteServeur::Aucune); });
}

DecouverteServeur::~DecouverteServeur() = default;

QString DecouverteServeur::Domaine(const QString& adresse) {
    const qsizetype arobase = adresse.lastIndexOf(QLatin1Char('@'));
    if (arobase < 0)
        return {};
    QString domaine = adresse.mid(arobase + 1).trimmed();
    if (domaine.endsWith(QLatin1Char('>')))
        domaine.chop(1);
    domaine = domaine.trimmed();
    if (domaine.isEmpty() || domaine.startsWith(QLatin1Char('[')))
        return {};
    return DomaineAscii(domaine).toLower();
}

void DecouverteServeur::Chercher(const QString& adresse) {
    Annuler();
    domaine_ = Domaine(adresse);
    const auto fournisseur = AnnuaireFournisseurs::Integre().ParDomaine(domaine_);
    if (domaine_.contains(QLatin1Char('.')) && !fournisseur)
        return Demander(Etape::SRVSecurise, QDnsLookup::SRV,
                        QStringLiteral("_submissions._tcp.") + domaine_);
    // Answered from the event loop, as every other outcome.
    etape_ = Etape::Table;
    QTimer::singleShot(0, this, [this, generation = generation_, fournisseur] {
        if (generation != generation_)
            return;
        if (!fournisseur) {
            Annuler();
            emit Introuvable(QStringLiteral("L'adresse de l'expéditeur n'a pas de domaine "
                                            "valide après « @ »."));
            return;
        }
        Terminer({fournisseur->Serveur, fournisseur->Port, fournisseur->Securite,
                  ServeurTrouve::Origine::Annuaire, fournisseur});
    });
}

void DecouverteServeur::Annuler() {
    etape_ = Etape::Repos;
    ++generation_;
    Liberer();
}

void DecouverteServeur::Liberer() {
    minuterie_->stop();
    if (question_) {
        question_->disconnect(this);
        question_->abort();
        question_->deleteLater();
        question_ = nullptr;
    }
    if (sonde_) {
        sonde_->disconnect(this);
        sonde_->abort();
        sonde_->deleteLater();
        sonde_ = nullptr;
    }
}

void DecouverteServeur::Demander(Etape etape, int type, const QString& nom) {
    Liberer();
    etape_ = etape;
    question_ = new QDnsLookup(QDnsLookup::Type(type), nom, this);
    if (!ServeurDNS.isNull())
        question_->setNameserver(ServeurDNS);
    connect(question_, &QDnsLookup::finished, this, &DecouverteServeur::Reponse);
    question_->lookup();
}

bool DecouverteServeur::ServiceOffert(const QDnsServiceRecord& r) {
    // A target "." (dnsmasq gives it empty).
    return !r.target().isEmpty() && r.target() != QLatin1String(".");
}

void DecouverteServeur::Reponse() {
    QDnsLookup* q = question_;
    // A failed question (no such name, no answer) only sends the search to its next step.
    const bool repondu = q->error() == QDnsLookup::NoError;
    switch (etape_) {
    case Etape::SRVSecurise:
        // The client speaks TLS from the first byte on port 465 only.
        for (const QDnsServiceRecord& r : q->serviceRecords())
            if (repondu && ServiceOffert(r) && r.port() == 465)
                return Terminer({r.target(), r.port(), SecuriteServeur::TLSImplicite,
                                 ServeurTrouve::Origine::EnregistrementSRV, std::nullopt});
        return Demander(Etape::SRV, QDnsLookup::SRV,
                        QStringLiteral("_submission._tcp.") + domaine_);
    case Etape::SRV:
        for (const QDnsServiceRecord& r : q->serviceRecords())
            if (repondu && ServiceOffert(r) && r.port() != 0)
                return Terminer({r.target(), r.port(), SecuriteServeur::STARTTLS,
                                 ServeurTrouve::Origine::EnregistrementSRV, std::nullopt});
        return Demander(Etape::MX, QDnsLookup::MX, domaine_);
    case Etape::MX:
        for (const QDnsMailExchangeRecord& r : q->mailExchangeRecords())
            if (const auto f = AnnuaireFournisseurs::Integre().ParHoteMX(r.exchange()))
                return Terminer(
                    {f->Serveur, f->Port, f->Securite, ServeurTrouve::Origine::HebergeurMX, f});
        return Demander(Etape::AdresseSonde, QDnsLookup::A, QStringLiteral("smtp.") + domaine_);
    case Etape::AdresseSonde: {
        const auto adresses = q->hostAddressRecords();
        if (!repondu || adresses.isEmpty())
            return Echouer();
        adresseSonde_ = adresses.first().value();
        return Sonder(0);
    }
    case Etape::Table:
    case Etape::Sonde:
    case Etape::Repos:
        return;
    }
}

void DecouverteServeur::Sonder(qsizetype indexPort) {
    Liberer();
    if (indexPort >= PortsSonde.size())
        return Echouer();
    etape_ = Etape::Sonde;
    indexPort_ = indexPort;
    recu_.clear();
    ehloEnvoye_ = false;
    starttls_ = false;
    sonde_ = new QTcpSocket(this);
    connect(sonde_, &QTcpSocket::connected, this, [this] {
        // TLS from the first byte: the server says nothing before the handshake.
        if (PortsSonde[indexPort_].TLSImplicite)
            FinSonde(true, SecuriteServeur::TLSImplicite);
    });
    connect(sonde_, &QTcpSocket::readyRead, this, &DecouverteServeur::LireSonde);
    connect(sonde_, &QTcpSocket::errorOccurred, this,
            [this] { FinSonde(false, SecuriteServeur::Aucune); });
    minuterie_->start(DelaiSonde);
    sonde_->connectToHost(adresseSonde_, PortsSonde[indexPort].Port);
}

// Reads the greeting, then the reply to EHLO, which says whether STARTTLS is offered.
void DecouverteServeur::LireSonde() {
    recu_ += sonde_->readAll();
    for (;;) {
        const qsizetype fin = recu_.indexOf("\r\n");
        if (fin < 0)
            return;
        const QByteArray ligne = recu_.left(fin);
        recu_.remove(0, fin + 2);
        if (ehloEnvoye_ && ligne.mid(4).trimmed().toUpper() == "STARTTLS")
            starttls_ = true;
        if (ligne.size() < 4 || ligne[3] == '-')
            continue;
        if (!ehloEnvoye_) {
            if (!ligne.startsWith("220"))
                return FinSonde(false, SecuriteServeur::Aucune);
            ehloEnvoye_ = true;
            sonde_->write("EHLO [" + sonde_->localAddress().toString().toLatin1() + "]\r\n");
            continue;
        }
        sonde_->write("QUIT\r\n");
        sonde_->flush();
        return FinSonde(ligne.startsWith("250"),
                        starttls_ ? SecuriteServeur::STARTTLS : SecuriteServeur::Aucune);
    }
}

void DecouverteServeur::FinSonde(bool repondu, SecuriteServeur securite) {
    if (etape_ != Etape::Sonde)
        return;
    if (!repondu)
        return Sonder(indexPort_ + 1);
    Terminer({QStringLiteral("smtp.") + domaine_, PortsSonde[indexPort_].Port, securite,
              ServeurTrouve::Origine::Sonde, std::nullopt});
}

void DecouverteServeur::Terminer(const ServeurTrouve& serveur) {
    Annuler();
    emit Trouve(serveur);
}

void DecouverteServeur::Echouer() {
    Annuler();
    emit Introuvable(QStringLiteral("Aucun serveur d'envoi trouvé pour %1 : saisissez celui que "
                                    "votre fournisseur indique.")
                         .arg(domaine_));
}
