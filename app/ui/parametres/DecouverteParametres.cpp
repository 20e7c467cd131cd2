#include "app/ui/parametres/DecouverteParametres.h"

#include "app/Reglages.h"
#include "app/ui/parametres/ControlesConnexion.h"
#include "app/ui/parametres/ControlesParametres.h"
#include "commun/ui/Dialogues.h"
#include "commun/ui/Gestionnaires.h"
#include "commun/ui/LigneStatut.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {
QString TexteSecurite(SecuriteServeur s) {
    switch (s) {
    case SecuriteServeur::TLSImplicite:
        return QStringLiteral("connexion sécurisée TLS dès le premier octet");
    case SecuriteServeur::STARTTLS:
        return QStringLiteral("connexion sécurisée TLS (STARTTLS)");
    case SecuriteServeur::Aucune:
        break;
    }
    return QStringLiteral("sans connexion sécurisée");
}
} // namespace

DecouverteParametres::DecouverteParametres(const ServicesConnexion& s, const Reglages& actifs)
    : s_(s), c_(s.c), actifs_(actifs) {
    s.gestionnaires.Relier(s.connexion.SpeedButTrouverServeur, &QPushButton::clicked,
                           [this] { SpeedButTrouverServeurClick(); });
    s.gestionnaires.Relier(s.c.EditMailEXP, &QLineEdit::editingFinished,
                           [this] { EditMailEXPExit(); });
    QObject::connect(&decouverte_, &DecouverteServeur::Trouve, &decouverte_,
                     [this](const ServeurTrouve& trouve) {
                         s_.gestionnaires.Executer([&] { Trouve(trouve); });
                     });
    QObject::connect(
        &decouverte_, &DecouverteServeur::Introuvable, &decouverte_,
        [this](const QString& t) { s_.gestionnaires.Executer([&] { Introuvable(t); }); });
}

void DecouverteParametres::SpeedButTrouverServeurClick() {
    if (DecouverteServeur::Domaine(c_.EditMailEXP->text()).isEmpty()) {
        s_.statut.AfficheStatut(QStringLiteral("Saisissez d'abord l'adresse de l'expéditeur "
                                               "(« Adresse EXP. ») : son domaine dit où chercher."),
                                Couleur::Rouge);
        return;
    }
    Chercher(true);
}

void DecouverteParametres::EditMailEXPExit() {
    const QString adresse = c_.EditMailEXP->text().trimmed();
    if (!c_.EditSMTPServeur->text().trimmed().isEmpty() || adresse == derniereAdresse_ ||
        DecouverteServeur::Domaine(adresse).isEmpty() || decouverte_.EnCours())
        return;
    derniereAdresse_ = adresse;
    Chercher(false);
}

void DecouverteParametres::Chercher(bool demande) {
    demande_ = demande;
    s_.connexion.SpeedButTrouverServeur->setEnabled(false);
    s_.statut.AfficheStatutFixe(QStringLiteral("Recherche du serveur d'envoi de %1…")
                                    .arg(DecouverteServeur::Domaine(c_.EditMailEXP->text())),
                                Couleur::Noir);
    // Read at each search: the settings are read after the page is made.
    decouverte_.ServeurDNS = QHostAddress(actifs_.ValServeurDNS);
    decouverte_.Chercher(c_.EditMailEXP->text());
}

void DecouverteParametres::Trouve(const ServeurTrouve& s) {
    s_.connexion.SpeedButTrouverServeur->setEnabled(true);
    // Found by itself while the user typed a server meanwhile: the user's stands.
    if (!demande_ && !c_.EditSMTPServeur->text().trimmed().isEmpty()) {
        s_.statut.ViderStatut(true);
        return;
    }
    QString question = QStringLiteral("Serveur d'envoi trouvé : %1, port %2, %3.\n%4")
                           .arg(s.Hote)
                           .arg(s.Port)
                           .arg(TexteSecurite(s.Securite), s.TexteOrigine());
    if (!s.TexteConnexion().isEmpty())
        question += QStringLiteral("\n\n") + s.TexteConnexion();
    question += QStringLiteral("\n\nRemplir « Serveur: », « Port: » et la case TLS avec ces "
                               "valeurs ?");
    if (!s_.dialogues.Question(question)) {
        s_.statut.AfficheStatut(QStringLiteral("Serveur trouvé non retenu."), Couleur::Noir);
        return;
    }
    c_.EditSMTPServeur->setText(s.Hote);
    c_.EditSMTPPort->setText(QString::number(s.Port));
    c_.CheckBoxTLS->setChecked(s.Securite != SecuriteServeur::Aucune);
    // Most providers take the whole address as the user name.
    if (c_.EditSMTPUser->text().isEmpty())
        c_.EditSMTPUser->setText(c_.EditMailEXP->text().trimmed());
    s_.statut.AfficheStatut(QStringLiteral("Serveur d'envoi rempli : %1, port %2. Vérifiez-le avec "
                                           "« Tester la connexion », puis « Enregistrer ».")
                                .arg(s.Hote)
                                .arg(s.Port),
                            Couleur::Vert);
    ProposerLimites(s);
}

void DecouverteParametres::ProposerLimites(const ServeurTrouve& s) {
    if (s.TexteLimites().isEmpty())
        return;
    if (!s_.dialogues.Question(s.TexteLimites() +
                               QStringLiteral("\n\nLes reprendre dans « Par heure: » et « Par "
                                              "jour: » ?")))
        return;
    if (s.Fournisseur->MessagesParHeure > 0)
        c_.SpinEditMessagesHeure->setValue(s.Fournisseur->MessagesParHeure);
    if (s.Fournisseur->MessagesParJour > 0)
        c_.SpinEditMessagesJour->setValue(s.Fournisseur->MessagesParJour);
}

void DecouverteParametres::Introuvable(const QString& texte) {
    s_.connexion.SpeedButTrouverServeur->setEnabled(true);
    s_.statut.AfficheStatut(texte, demande_ ? Couleur::Rouge : Couleur::Noir);
}
