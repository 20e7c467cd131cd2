#include "app/ui/parametres/PageParametres.h"

#include "app/Version.h"
#include "app/ui/parametres/ControlesParametres.h"
#include "commun/ui/Fabrique.h"
#include "commun/ui/Gestionnaires.h"
#include "commun/ui/LigneStatut.h"
#include "sending/AdresseDesinscription.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

namespace {
const QString texteEnregistres = QStringLiteral("Paramètres Enregistrés Avec Succes.");
} // namespace

PageParametres::PageParametres(ControlesParametres& c, ChampsDemarrage envois,
                               Gestionnaires& gestionnaires, LigneStatut& statut, Reglages& actifs,
                               QString cheminParametres, QTabWidget& onglets, QWidget& page)
    : c_(c), envois_(envois), gestionnaires_(gestionnaires), statut_(statut), actifs_(actifs),
      cheminParametres_(std::move(cheminParametres)) {
    Gestionnaires& g = gestionnaires;
    for (QLineEdit* champ : {c.EditSMTPServeur, c.EditSMTPPort, c.EditSMTPUser, c.EditSMTPPassword,
                             c.EditMailEXP, c.EditNomExpediteur, c.EditDesinscription})
        g.Relier(champ, &QLineEdit::textChanged, [this] { EditSMTPServeurChange(); });
    // Like the check box's own click, a state set by the program also marks the page changed.
    g.Relier(c.CheckBoxTLS, &QCheckBox::toggled, [this] { CheckBoxTLSClick(); });
    g.Relier(c.CheckBoxChargeHtmlAuto, &QCheckBox::toggled,
             [this] { CheckBoxChargeHtmlAutoClick(); });
    for (QSpinBox* champ :
         {c.SpinEditMessagesMinute, c.SpinEditMessagesHeure, c.SpinEditMessagesJour,
          c.SpinEditMessagesConnexion, c.SpinEditConnexions})
        g.Relier(champ, &QSpinBox::valueChanged, [this] { Modifie(); });
    g.Relier(c.CheckBoxPipelining, &QCheckBox::toggled, [this] { Modifie(); });
    g.Relier(c.CheckBoxJoindreImages, &QCheckBox::toggled, [this] { Modifie(); });
    g.Relier(c.SpeedButEnrServeur, &QPushButton::clicked, [this] { SpeedButEnrServeurClick(); });
    g.Relier(c.SpeedButAnnulerServeur, &QPushButton::clicked,
             [this] { SpeedButAnnulerServeurClick(); });
    g.Relier(c.SpeedButOublierEmpreinte, &QPushButton::clicked,
             [this] { SpeedButOublierEmpreinteClick(); });
    // A campaign may have pinned a certificate meanwhile.
    g.Relier(&onglets, &QTabWidget::currentChanged, [this, &onglets, &page] {
        if (onglets.currentWidget() == &page)
            AfficherEmpreinte();
    });
}

void PageParametres::AfficherEmpreinte() {
    const Reglages& r = actifs_;
    const QString empreinte = r.ValSMTPPort.Numero && !r.ValSMTPServeur.isEmpty()
                                  ? Fichier().Empreinte(r.ValSMTPServeur, *r.ValSMTPPort.Numero)
                                  : QString();
    // Two lines of 16 bytes: the label wraps only at blanks.
    c_.LabEmpreinteTLS->setText(empreinte.isEmpty()
                                    ? QStringLiteral("Aucun certificat épinglé pour ce serveur.")
                                    : empreinte.left(47) + u'\n' + empreinte.mid(48));
    c_.SpeedButOublierEmpreinte->setEnabled(!empreinte.isEmpty());
}

void PageParametres::SpeedButOublierEmpreinteClick() {
    const Reglages& r = actifs_;
    if (!r.ValSMTPPort.Numero)
        return;
    Fichier().EcrireEmpreinte(r.ValSMTPServeur, *r.ValSMTPPort.Numero, QString());
    AfficherEmpreinte();
    statut_.AfficheStatut(QStringLiteral("Empreinte oubliée : la prochaine connexion épinglera le "
                                         "certificat présenté."),
                          Couleur::Vert);
}

void PageParametres::LireDemarrage() {
    FichierReglages fichier = Fichier();
    Reglages& r = actifs_;
    r = fichier.Lire();
    // A hand-edited file cannot put an address in the headers that the page would refuse.
    if (!AdresseDesinscription::Valide(r.ValDesinscription))
        r.ValDesinscription.clear();
    MontrerActifs();
    if (fichier.AuTrousseau(FichierReglages::Secret::SMTP)) {
        if (OperationTrousseau::SansBus()) {
            motDePasseNonLu_ = true;
            MontrerNonLu(QStringLiteral("Mot de passe"));
        } else {
            AttendreTrousseau(
                [entree = fichier.EntreeTrousseau(FichierReglages::Secret::SMTP)] {
                    return OperationTrousseau::Lire(entree);
                },
                [this](OperationTrousseau& op) { MotDePasseLu(op); });
        }
    }
    envois_.EditFichierACharger->setText(r.ValDernierFichierCharge);
    if (!QFileInfo(envois_.EditFichierACharger->text()).isFile())
        envois_.EditFichierACharger->clear();
    envois_.EditSujetMessage->setText(r.ValSujet);
    AfficherEmpreinte();
    const QString version = LireVersionFichier();
    if (version != r.ValVersionDemarragePrecedant)
        fichier.EcrireVersion(version);
}

void PageParametres::MontrerActifs() {
    const Reglages& r = actifs_;
    c_.EditSMTPServeur->setText(r.ValSMTPServeur);
    c_.EditSMTPPort->setText(r.ValSMTPPort.Texte);
    c_.EditSMTPUser->setText(r.ValSMTPUser);
    c_.EditSMTPPassword->setText(r.ValSMTPPassword);
    c_.EditMailEXP->setText(r.ValEditMailEXP);
    c_.EditNomExpediteur->setText(r.ValNomExpediteur);
    c_.EditDesinscription->setText(r.ValDesinscription);
    c_.CheckBoxTLS->setChecked(r.ValConnectTlS);
    c_.CheckBoxChargeHtmlAuto->setChecked(r.ValChrgtHtmlAuto);
    c_.SpinEditMessagesMinute->setValue(r.ValMessagesParMinute);
    c_.SpinEditMessagesHeure->setValue(r.ValMessagesParHeure);
    c_.SpinEditMessagesJour->setValue(r.ValMessagesParJour);
    c_.SpinEditMessagesConnexion->setValue(r.ValMessagesParConnexion);
    c_.SpinEditConnexions->setValue(r.ValConnexionsSimultanees);
    c_.CheckBoxPipelining->setChecked(r.ValPipelining);
    c_.CheckBoxJoindreImages->setChecked(r.ValJoindreImages);
}

void PageParametres::Modifie() {
    if (remplissage_)
        return;
    c_.SpeedButAnnulerServeur->setEnabled(true);
    c_.SpeedButEnrServeur->setEnabled(!AttendTrousseau());
    modifieEnAttente_ = AttendTrousseau();
}

void PageParametres::AttendreTrousseau(DemarrageTrousseau demarrer,
                                       std::function<void(OperationTrousseau&)> suite) {
    // Queued behind the one waited for, or behind the answer being handled.
    const bool libre = !AttendTrousseau() && !enReponse_;
    etapes_.push_back({std::move(demarrer), std::move(suite)});
    if (!libre)
        return;
    modifieEnAttente_ = false;
    c_.SpeedButEnrServeur->setEnabled(false);
    statut_.AfficheStatutFixe(QStringLiteral("En attente du trousseau du bureau…"), Couleur::Noir);
    EtapeSuivante();
}

void PageParametres::EtapeSuivante() {
    EtapeTrousseau etape = std::move(etapes_.front());
    etapes_.pop_front();
    operation_ = etape.demarrer();
    OperationTrousseau* op = operation_.get();
    QObject::connect(op, &OperationTrousseau::Terminee, op,
                     [this, op, suite = std::move(etape.suite)] {
                         operation_.release();
                         op->deleteLater();
                         enReponse_ = true;
                         gestionnaires_.Executer([&] { suite(*op); });
                         enReponse_ = false;
                         if (!etapes_.empty())
                             EtapeSuivante();
                         else
                             c_.SpeedButEnrServeur->setEnabled(modifieEnAttente_);
                     });
}

void PageParametres::RemplirDepuisTrousseau(QLineEdit& champ, const QString& motDePasse) {
    remplissage_ = true;
    champ.setText(motDePasse);
    remplissage_ = false;
    statut_.AfficheStatut(QStringLiteral("Mot de passe lu dans le trousseau du bureau."),
                          Couleur::Vert);
}

void PageParametres::MontrerNonLu(const QString& quoi) {
    statut_.AfficheStatut(quoi + QStringLiteral(" non lu : le trousseau du bureau est "
                                                "verrouillé ou ne répond pas."),
                          Couleur::Rouge);
}

void PageParametres::MotDePasseLu(OperationTrousseau& op) {
    if (op.EtatActuel() != OperationTrousseau::Etat::Reussie) {
        motDePasseNonLu_ = true;
        MontrerNonLu(QStringLiteral("Mot de passe"));
        return;
    }
    actifs_.ValSMTPPassword = op.MotDePasse();
    RemplirDepuisTrousseau(*c_.EditSMTPPassword, actifs_.ValSMTPPassword);
}

void PageParametres::MontrerEnregistrement(FichierReglages::LieuMotDePasse lieu) {
    if (lieu == FichierReglages::LieuMotDePasse::FichierApresRefus)
        statut_.AfficheStatut(
            QStringLiteral("Paramètres Enregistrés, mais le trousseau du bureau est "
                           "verrouillé ou refuse : mot de passe gardé dans le "
                           "fichier de paramètres."),
            Couleur::Orange);
    else
        statut_.AfficheStatut(texteEnregistres, Couleur::Vert);
}

void PageParametres::MotDePasseEcrit(OperationTrousseau& op, const QString& entree) {
    MontrerEnregistrement(Fichier().ApresEcritureTrousseau(
        FichierReglages::Secret::SMTP, op.EtatActuel(), entree, actifs_.ValSMTPPassword));
}

void PageParametres::EditSMTPServeurChange() {
    Modifie();
}
void PageParametres::CheckBoxTLSClick() {
    Modifie();
}
void PageParametres::CheckBoxChargeHtmlAutoClick() {
    Modifie();
}

void PageParametres::SpeedButEnrServeurClick() {
    // Pressed once: the keyring's answer to the last save is still awaited.
    if (AttendTrousseau())
        return;
    const QString desinscription = c_.EditDesinscription->text().trimmed();
    if (!AdresseDesinscription::Valide(desinscription)) {
        Fabrique::Couleurs(c_.EditDesinscription, Qt::red);
        statut_.AfficheStatut(QStringLiteral("Adresse de désinscription incorrecte : une adresse "
                                             "mailto: ou https:// est attendue."),
                              Couleur::Rouge);
        return;
    }
    Fabrique::Couleurs(c_.EditDesinscription, QColor(0, 0, 128));
    c_.SpeedButAnnulerServeur->setEnabled(false);
    c_.SpeedButEnrServeur->setEnabled(false);
    Reglages saisis;
    saisis.ValSMTPServeur = c_.EditSMTPServeur->text();
    saisis.ValSMTPPort = PortSMTP::Depuis(c_.EditSMTPPort->text());
    saisis.ValSMTPUser = c_.EditSMTPUser->text();
    saisis.ValSMTPPassword = c_.EditSMTPPassword->text();
    saisis.ValEditMailEXP = c_.EditMailEXP->text();
    saisis.ValNomExpediteur = c_.EditNomExpediteur->text().trimmed();
    saisis.ValDesinscription = desinscription;
    saisis.ValConnectTlS = c_.CheckBoxTLS->isChecked();
    saisis.ValChrgtHtmlAuto = c_.CheckBoxChargeHtmlAuto->isChecked();
    saisis.ValMessagesParMinute = c_.SpinEditMessagesMinute->value();
    saisis.ValMessagesParHeure = c_.SpinEditMessagesHeure->value();
    saisis.ValMessagesParJour = c_.SpinEditMessagesJour->value();
    saisis.ValMessagesParConnexion = c_.SpinEditMessagesConnexion->value();
    saisis.ValConnexionsSimultanees = c_.SpinEditConnexions->value();
    saisis.ValPipelining = c_.CheckBoxPipelining->isChecked();
    saisis.ValJoindreImages = c_.CheckBoxJoindreImages->isChecked();
    // A password the keyring kept back at start-up and that was not typed again stays there.
    const bool avecMotDePasse = !motDePasseNonLu_ || !saisis.ValSMTPPassword.isEmpty();
    if (avecMotDePasse)
        motDePasseNonLu_ = false;
    // Without a session bus there is no keyring to wait for: the file, as before there were.
    const bool trousseau = avecMotDePasse && !OperationTrousseau::SansBus();
    FichierReglages fichier = Fichier();
    fichier.EcrireServeur(actifs_, saisis, avecMotDePasse && !trousseau);
    AfficherEmpreinte();
    if (!trousseau) {
        statut_.AfficheStatut(texteEnregistres, Couleur::Vert);
        return;
    }
    const QString entree = fichier.EntreeTrousseau(FichierReglages::Secret::SMTP);
    AttendreTrousseau(
        [entree, motDePasse = actifs_.ValSMTPPassword] {
            return OperationTrousseau::Ecrire(entree, motDePasse);
        },
        [this, entree](OperationTrousseau& op) { MotDePasseEcrit(op, entree); });
}

void PageParametres::SpeedButAnnulerServeurClick() {
    MontrerActifs();
    Fabrique::Couleurs(c_.EditDesinscription, QColor(0, 0, 128));
    statut_.AfficheStatut(QStringLiteral("Paramètres Rechargés Avec Succes."), Couleur::Vert);
    c_.SpeedButAnnulerServeur->setEnabled(false);
    c_.SpeedButEnrServeur->setEnabled(false);
}

bool PageParametres::ParametresRemplis() const {
    for (const QLineEdit* champ : {c_.EditSMTPServeur, c_.EditSMTPPort, c_.EditSMTPUser,
                                   c_.EditSMTPPassword, c_.EditMailEXP})
        if (champ->text().isEmpty())
            return false;
    return true;
}
