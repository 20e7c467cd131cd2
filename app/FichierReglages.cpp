#include "app/FichierReglages.h"

#include "app/CodageMotDePasse.h"
#include "app/FichierParametres.h"

#include <QFileInfo>

namespace {

// Both spellings name one section: the program has always written both.
const QString kSection = QStringLiteral("Parametres");
const QString kSectionMinuscule = QStringLiteral("parametres");
const QString kSectionEmpreintes = QStringLiteral("EmpreintesTLS");
const QString kOui = QStringLiteral("Oui");
const QString kNon = QStringLiteral("Non");
struct ClesSecret {
    QString motDePasse;
    // Present and not empty when the password is in the keyring: the name of its entry there.
    QString entree;
    // Added to the settings file's path to name a first entry.
    QString suffixeEntree;
};

const ClesSecret& Cles(FichierReglages::Secret secret) {
    static const ClesSecret smtp{
        QStringLiteral("SMTPPassword"), QStringLiteral("SMTPPasswordTrousseau"), {}};
    static const ClesSecret imap{QStringLiteral("IMAPPassword"),
                                 QStringLiteral("IMAPPasswordTrousseau"),
                                 QStringLiteral(" (IMAP)")};
    return secret == FichierReglages::Secret::SMTP ? smtp : imap;
}

QString OuiNon(bool valeur) {
    return valeur ? kOui : kNon;
}

// Host names compare without case; a character that would end the key ("=") or open a
// section cannot reach the file.
QString CleEmpreinte(const QString& hote, quint16 port) {
    QString cle = hote.trimmed().toLower();
    for (QChar& c : cle)
        if (!(c.isLetterOrNumber() || c == u'.' || c == u'-' || c == u':' || c == u'_'))
            c = u'_';
    return cle + u':' + QString::number(port);
}

// A whole number within its bounds; `defaut` for anything else.
int Entier(const QString& texte, int defaut, int minimum, int maximum) {
    bool ok = false;
    const int valeur = texte.trimmed().toInt(&ok);
    return ok && valeur >= minimum && valeur <= maximum ? valeur : defaut;
}

// "1,5,15": whole minutes, in order; what is not one is left out.
std::vector<std::chrono::minutes> DelaisReprise(const QString& texte) {
    std::vector<std::chrono::minutes> delais;
    for (const QString& partie : texte.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int minutes = partie.trimmed().toInt(&ok);
        if (ok && minutes >= 0)
            delais.emplace_back(minutes);
    }
    return delais;
}

} // namespace

FichierReglages::FichierReglages(QString chemin) : chemin_(std::move(chemin)) {}

Reglages FichierReglages::Lire() const {
    const FichierParametres fichier(chemin_);
    auto lire = [&](const char* cle, const QString& defaut = {}) {
        return fichier.Lire(kSection, QString::fromUtf8(cle), defaut);
    };
    Reglages r;
    r.ValSMTPServeur = lire("SMTPServeur");
    r.ValSMTPPort = PortSMTP::Depuis(lire("SMTPPort", QStringLiteral("25")));
    r.ValSMTPUser = lire("SMTPUser");
    r.ValSMTPPassword = CodageMotDePasse(lire("SMTPPassword"), kCleMotDePasse);
    r.ValEditMailEXP = lire("MailEXP");
    r.ValNomExpediteur = lire("NomExpediteur");
    r.ValDesinscription = lire("Desinscription");
    r.ValConnectTlS = lire("ConnectTlS", kNon) == kOui;
    r.ValChrgtHtmlAuto = lire("ChrgtHtmlAuto", kNon) == kOui;
    r.ValDelaisReprise = DelaisReprise(lire("DelaisReprise", QStringLiteral("1,5,15")));
    r.ValMessagesParMinute = Entier(lire("MessagesParMinute"), 0, 0, 100000);
    r.ValMessagesParHeure = Entier(lire("MessagesParHeure"), 0, 0, 10000000);
    r.ValMessagesParJour = Entier(lire("MessagesParJour"), 0, 0, 100000000);
    r.ValMessagesParConnexion = Entier(lire("MessagesParConnexion"), 0, 0, 1000000);
    r.ValConnexionsSimultanees = Entier(lire("ConnexionsSimultanees"), 1, 1, 8);
    r.ValPipelining = lire("Pipelining", kNon) == kOui;
    r.ValJoindreImages = lire("JoindreImages", kOui) == kOui;
    r.ValIMAPServeur = lire("IMAPServeur");
    r.ValIMAPPort = PortSMTP::Depuis(lire("IMAPPort", QStringLiteral("993")));
    r.ValIMAPUser = lire("IMAPUser");
    r.ValIMAPPassword = CodageMotDePasse(lire("IMAPPassword"), kCleMotDePasse);
    r.ValDernierFichierCharge = lire("DernierFichierChargé");
    r.ValSujet = lire("ValSujet");
    r.valListeFav = lire("ListeFav");
    r.ValVersionDemarragePrecedant = lire("VersionAppli");
    r.ValServeurDNS = lire("ServeurDNS");
    return r;
}

void FichierReglages::EcrireServeur(Reglages& actifs, const Reglages& saisis,
                                    bool motDePasseDansFichier) {
    FichierParametres fichier(chemin_);
    auto ecrire = [&](const char* cle, const QString& valeur) {
        fichier.Ecrire(kSection, QString::fromUtf8(cle), valeur);
    };
    actifs.ValSMTPServeur = saisis.ValSMTPServeur;
    ecrire("SMTPServeur", actifs.ValSMTPServeur);
    actifs.ValSMTPPort = saisis.ValSMTPPort;
    ecrire("SMTPPort", actifs.ValSMTPPort.Texte);
    actifs.ValSMTPUser = saisis.ValSMTPUser;
    ecrire("SMTPUser", actifs.ValSMTPUser);
    actifs.ValSMTPPassword = saisis.ValSMTPPassword;
    if (motDePasseDansFichier)
        EcrireMotDePasseDansFichier(Secret::SMTP, actifs.ValSMTPPassword);
    // The password's writes went through a file object of their own.
    fichier = FichierParametres(chemin_);
    actifs.ValEditMailEXP = saisis.ValEditMailEXP;
    ecrire("MailEXP", actifs.ValEditMailEXP);
    actifs.ValNomExpediteur = saisis.ValNomExpediteur;
    ecrire("NomExpediteur", actifs.ValNomExpediteur);
    actifs.ValDesinscription = saisis.ValDesinscription;
    ecrire("Desinscription", actifs.ValDesinscription);
    actifs.ValConnectTlS = saisis.ValConnectTlS;
    ecrire("ConnectTlS", OuiNon(actifs.ValConnectTlS));
    actifs.ValChrgtHtmlAuto = saisis.ValChrgtHtmlAuto;
    ecrire("ChrgtHtmlAuto", OuiNon(actifs.ValChrgtHtmlAuto));
    actifs.ValMessagesParMinute = saisis.ValMessagesParMinute;
    ecrire("MessagesParMinute", QString::number(actifs.ValMessagesParMinute));
    actifs.ValMessagesParHeure = saisis.ValMessagesParHeure;
    ecrire("MessagesParHeure", QString::number(actifs.ValMessagesParHeure));
    actifs.ValMessagesParJour = saisis.ValMessagesParJour;
    ecrire("MessagesParJour", QString::number(actifs.ValMessagesParJour));
    actifs.ValMessagesParConnexion = saisis.ValMessagesParConnexion;
    ecrire("MessagesParConnexion", QString::number(actifs.ValMessagesParConnexion));
    actifs.ValConnexionsSimultanees = saisis.ValConnexionsSimultanees;
    ecrire("ConnexionsSimultanees", QString::number(actifs.ValConnexionsSimultanees));
    actifs.ValPipelining = saisis.ValPipelining;
    ecrire("Pipelining", OuiNon(actifs.ValPipelining));
    actifs.ValJoindreImages = saisis.ValJoindreImages;
    ecrire("JoindreImages", OuiNon(actifs.ValJoindreImages));
}

void FichierReglages::EcrireIMAP(Reglages& actifs, const Reglages& saisis,
                                 bool motDePasseDansFichier) {
    FichierParametres fichier(chemin_);
    auto ecrire = [&](const char* cle, const QString& valeur) {
        fichier.Ecrire(kSection, QString::fromUtf8(cle), valeur);
    };
    actifs.ValIMAPServeur = saisis.ValIMAPServeur;
    ecrire("IMAPServeur", actifs.ValIMAPServeur);
    actifs.ValIMAPPort = saisis.ValIMAPPort;
    ecrire("IMAPPort", actifs.ValIMAPPort.Texte);
    actifs.ValIMAPUser = saisis.ValIMAPUser;
    ecrire("IMAPUser", actifs.ValIMAPUser);
    actifs.ValIMAPPassword = saisis.ValIMAPPassword;
    if (motDePasseDansFichier)
        EcrireMotDePasseDansFichier(Secret::IMAP, actifs.ValIMAPPassword);
}

bool FichierReglages::AuTrousseau(Secret secret) const {
    return !FichierParametres(chemin_).Lire(kSection, Cles(secret).entree, {}).isEmpty();
}

QString FichierReglages::EntreeTrousseau(Secret secret) const {
    const ClesSecret& cles = Cles(secret);
    const QString entree = FichierParametres(chemin_).Lire(kSection, cles.entree, {});
    return entree.isEmpty() ? QFileInfo(chemin_).absoluteFilePath() + cles.suffixeEntree : entree;
}

void FichierReglages::NoterMotDePasseAuTrousseau(Secret secret, const QString& entree) {
    const ClesSecret& cles = Cles(secret);
    FichierParametres fichier(chemin_);
    // The marker first: at no moment does the file lose the way to the password.
    fichier.Ecrire(kSection, cles.entree, entree);
    fichier.Ecrire(kSection, cles.motDePasse, {});
}

void FichierReglages::EcrireMotDePasseDansFichier(Secret secret, const QString& motDePasse) {
    const ClesSecret& cles = Cles(secret);
    FichierParametres fichier(chemin_);
    fichier.Ecrire(kSection, cles.motDePasse, CodageMotDePasse(motDePasse, kCleMotDePasse));
    if (!fichier.Lire(kSection, cles.entree, {}).isEmpty())
        fichier.Ecrire(kSection, cles.entree, {});
}

FichierReglages::LieuMotDePasse
FichierReglages::ApresEcritureTrousseau(Secret secret, OperationTrousseau::Etat etat,
                                        const QString& entree, const QString& motDePasse) {
    if (etat == OperationTrousseau::Etat::Reussie) {
        NoterMotDePasseAuTrousseau(secret, entree);
        return LieuMotDePasse::Trousseau;
    }
    EcrireMotDePasseDansFichier(secret, motDePasse);
    return etat == OperationTrousseau::Etat::Refusee ? LieuMotDePasse::FichierApresRefus
                                                     : LieuMotDePasse::Fichier;
}

void FichierReglages::EcrireVersion(const QString& version) {
    FichierParametres(chemin_).Ecrire(kSectionMinuscule, QStringLiteral("VersionAppli"), version);
}

void FichierReglages::EcrireSujet(const QString& sujet) {
    FichierParametres(chemin_).Ecrire(kSection, QStringLiteral("ValSujet"), sujet);
}

void FichierReglages::EcrireDernierFichier(const QString& chemin) {
    FichierParametres(chemin_).Ecrire(kSection, QStringLiteral("DernierFichierChargé"), chemin);
}

void FichierReglages::EcrireListeFav(const QString& nom) {
    FichierParametres(chemin_).Ecrire(kSectionMinuscule, QStringLiteral("ListeFav"), nom);
}

QString FichierReglages::Empreinte(const QString& hote, quint16 port) const {
    return FichierParametres(chemin_).Lire(kSectionEmpreintes, CleEmpreinte(hote, port), {});
}

void FichierReglages::EcrireEmpreinte(const QString& hote, quint16 port, const QString& empreinte) {
    FichierParametres(chemin_).Ecrire(kSectionEmpreintes, CleEmpreinte(hote, port), empreinte);
}
