#include "app/ui/parametres/BlocIMAP.h"

#include "app/FichierReglages.h"
#include "app/OperationTrousseau.h"
#include "app/Reglages.h"
#include "app/ui/parametres/PageParametres.h"
#include "commun/ui/Fabrique.h"
#include "commun/ui/Gestionnaires.h"
#include "returns/PropositionIMAP.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>

using namespace Fabrique;

BlocIMAP::BlocIMAP(QWidget& page, QTabWidget& onglets, Gestionnaires& gestionnaires,
                   Reglages& actifs, QString cheminParametres, PageParametres& parametres,
                   QPushButton& enregistrer, QPushButton& annuler)
    : actifs_(actifs), cheminParametres_(std::move(cheminParametres)), parametres_(parametres),
      enregistrer_(enregistrer), annuler_(annuler) {
    QWidget* p = &page;
    Police(Etiquette(p, "LabTitreIMAP", QStringLiteral("Boîte des retours (IMAP) :"), 343, 212),
           QStringLiteral("Tahoma"), 8, true);
    Etiquette(p, "", QStringLiteral("Serveur IMAP:"), 343, 238);
    c_.EditIMAPServeur = Champ(p, "EditIMAPServeur", 430, 234, 160, 21);
    Etiquette(p, "", QStringLiteral("Port:"), 598, 238);
    c_.EditIMAPPort = Champ(p, "EditIMAPPort", 630, 234, 53, 21);
    c_.EditIMAPPort->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]*")), c_.EditIMAPPort));
    c_.EditIMAPPort->setToolTip(QStringLiteral("993 : TLS dès la connexion ; 143 : STARTTLS"));
    Etiquette(p, "", QStringLiteral("Utilisateur:"), 343, 264);
    c_.EditIMAPUser = Champ(p, "EditIMAPUser", 430, 260, 253, 21);
    Etiquette(p, "", QStringLiteral("Mot de Passe:"), 343, 290);
    c_.EditIMAPPassword = Champ(p, "EditIMAPPassword", 430, 286, 253, 21);
    c_.EditIMAPPassword->setEchoMode(QLineEdit::Password);
    for (QLineEdit* champ : {c_.EditIMAPUser, c_.EditIMAPPassword})
        champ->setPlaceholderText(QStringLiteral("Celui du SMTP"));
    for (QLineEdit* champ :
         {c_.EditIMAPServeur, c_.EditIMAPPort, c_.EditIMAPUser, c_.EditIMAPPassword})
        gestionnaires.Relier(champ, &QLineEdit::textEdited, [this] { parametres_.Modifie(); });
    // After the page's own handlers: it saved when it left its buttons disabled.
    gestionnaires.Relier(&enregistrer, &QPushButton::clicked, [this] {
        if (!annuler_.isEnabled())
            Enregistrer();
    });
    gestionnaires.Relier(&annuler, &QPushButton::clicked, [this] { Afficher(); });
    QObject::connect(&decouverte_, &DecouverteIMAP::Trouve,
                     [this](const QString& hote, quint16 port) { ServeurTrouve(hote, port); });
    // The guess follows an SMTP server saved meanwhile; what the user typed and did not save
    // yet stays.
    gestionnaires.Relier(&onglets, &QTabWidget::currentChanged, [this, &onglets, &page] {
        if (onglets.currentWidget() == &page && !annuler_.isEnabled())
            Afficher();
    });
}

void BlocIMAP::Afficher() {
    const Reglages& r = actifs_;
    const bool propose = r.ValIMAPServeur.isEmpty();
    c_.EditIMAPServeur->setText(propose ? ProposerServeurIMAP(r.ValSMTPServeur) : r.ValIMAPServeur);
    c_.EditIMAPServeur->setToolTip(
        propose && !c_.EditIMAPServeur->text().isEmpty()
            ? QStringLiteral("Proposé d'après le serveur SMTP : vérifiez-le, puis enregistrez.")
            : QString());
    c_.EditIMAPPort->setText(r.ValIMAPPort.Texte);
    c_.EditIMAPUser->setText(r.ValIMAPUser);
    c_.EditIMAPPassword->setText(r.ValIMAPPassword);
}

void BlocIMAP::Enregistrer() {
    Reglages saisis = actifs_;
    saisis.ValIMAPServeur = c_.EditIMAPServeur->text().trimmed();
    saisis.ValIMAPPort = PortSMTP::Depuis(c_.EditIMAPPort->text());
    saisis.ValIMAPUser = c_.EditIMAPUser->text().trimmed();
    saisis.ValIMAPPassword = c_.EditIMAPPassword->text();
    // A file without the block stays so while the block is left as it was.
    if (saisis.ValIMAPServeur == actifs_.ValIMAPServeur &&
        saisis.ValIMAPPort.Texte == actifs_.ValIMAPPort.Texte &&
        saisis.ValIMAPUser == actifs_.ValIMAPUser &&
        saisis.ValIMAPPassword == actifs_.ValIMAPPassword)
        return;
    FichierReglages fichier(cheminParametres_);
    const bool nouveauMotDePasse = saisis.ValIMAPPassword != actifs_.ValIMAPPassword;
    const QString ancienneEntree = fichier.AuTrousseau(FichierReglages::Secret::IMAP)
                                       ? fichier.EntreeTrousseau(FichierReglages::Secret::IMAP)
                                       : QString();
    // Without a session bus there is no keyring to wait for: the file, as before there were.
    const bool trousseau = !OperationTrousseau::SansBus();
    fichier.EcrireIMAP(actifs_, saisis,
                       nouveauMotDePasse && (!trousseau || saisis.ValIMAPPassword.isEmpty()));
    c_.EditIMAPServeur->setToolTip(QString());
    if (nouveauMotDePasse && trousseau)
        EnregistrerMotDePasse(ancienneEntree);
}

void BlocIMAP::EnregistrerMotDePasse(const QString& ancienneEntree) {
    using Secret = FichierReglages::Secret;
    const QString motDePasse = actifs_.ValIMAPPassword;
    if (motDePasse.isEmpty()) {
        // The file no longer names the entry: removing it is only tidying.
        if (!ancienneEntree.isEmpty())
            parametres_.AttendreTrousseau(
                [ancienneEntree] { return OperationTrousseau::Effacer(ancienneEntree); },
                [](OperationTrousseau&) {});
        return;
    }
    const QString entree = FichierReglages(cheminParametres_).EntreeTrousseau(Secret::IMAP);
    parametres_.AttendreTrousseau(
        [entree, motDePasse] { return OperationTrousseau::Ecrire(entree, motDePasse); },
        [this, entree, motDePasse](OperationTrousseau& op) {
            parametres_.MontrerEnregistrement(
                FichierReglages(cheminParametres_)
                    .ApresEcritureTrousseau(Secret::IMAP, op.EtatActuel(), entree, motDePasse));
        });
}

void BlocIMAP::LireMotDePasse() {
    const FichierReglages fichier(cheminParametres_);
    if (!fichier.AuTrousseau(FichierReglages::Secret::IMAP))
        return;
    if (OperationTrousseau::SansBus()) {
        parametres_.MontrerNonLu(QStringLiteral("Mot de passe IMAP"));
        return;
    }
    parametres_.AttendreTrousseau(
        [entree = fichier.EntreeTrousseau(FichierReglages::Secret::IMAP)] {
            return OperationTrousseau::Lire(entree);
        },
        [this](OperationTrousseau& op) { MotDePasseLu(op); });
}

void BlocIMAP::MotDePasseLu(OperationTrousseau& op) {
    if (op.EtatActuel() != OperationTrousseau::Etat::Reussie) {
        parametres_.MontrerNonLu(QStringLiteral("Mot de passe IMAP"));
        return;
    }
    actifs_.ValIMAPPassword = op.MotDePasse();
    parametres_.RemplirDepuisTrousseau(*c_.EditIMAPPassword, actifs_.ValIMAPPassword);
}

void BlocIMAP::ChercherServeur(const QString& adresse) {
    if (!actifs_.ValIMAPServeur.isEmpty())
        return;
    devine_ = c_.EditIMAPServeur->text();
    decouverte_.ServeurDNS = QHostAddress(actifs_.ValServeurDNS);
    decouverte_.Chercher(adresse);
}

void BlocIMAP::ServeurTrouve(const QString& hote, quint16 port) {
    // The answer replaces the guess only while the user has not typed over it.
    if (!actifs_.ValIMAPServeur.isEmpty() || c_.EditIMAPServeur->text() != devine_)
        return;
    c_.EditIMAPServeur->setText(hote);
    c_.EditIMAPPort->setText(QString::number(port));
    c_.EditIMAPServeur->setToolTip(DecouverteIMAP::TexteOrigine());
    enregistrer_.setEnabled(true);
    annuler_.setEnabled(true);
}
