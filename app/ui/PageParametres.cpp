#include "app/ui/PageParametres.h"

#include "app/Version.h"
#include "app/ui/Fabrique.h"
#include "app/ui/TForm1.h"
#include "sending/AdresseDesinscription.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

PageParametres::PageParametres(TForm1& f) : f_(f) {
    for (QLineEdit* champ : {f.EditSMTPServeur, f.EditSMTPPort, f.EditSMTPUser, f.EditSMTPPassword,
                             f.EditMailEXP, f.EditNomExpediteur, f.EditDesinscription})
        f.Relier(champ, &QLineEdit::textChanged, [this] { EditSMTPServeurChange(); });
    // Like the check box's own click, a state set by the program also marks the page changed.
    f.Relier(f.CheckBoxTLS, &QCheckBox::toggled, [this] { CheckBoxTLSClick(); });
    f.Relier(f.CheckBoxChargeHtmlAuto, &QCheckBox::toggled,
             [this] { CheckBoxChargeHtmlAutoClick(); });
    for (QSpinBox* champ :
         {f.SpinEditMessagesMinute, f.SpinEditMessagesConnexion, f.SpinEditConnexions})
        f.Relier(champ, &QSpinBox::valueChanged, [this] { Modifie(); });
    f.Relier(f.CheckBoxPipelining, &QCheckBox::toggled, [this] { Modifie(); });
    f.Relier(f.SpeedButEnrServeur, &QPushButton::clicked, [this] { SpeedButEnrServeurClick(); });
    f.Relier(f.SpeedButAnnulerServeur, &QPushButton::clicked,
             [this] { SpeedButAnnulerServeurClick(); });
    f.Relier(f.SpeedButOublierEmpreinte, &QPushButton::clicked,
             [this] { SpeedButOublierEmpreinteClick(); });
    // A campaign may have pinned a certificate meanwhile.
    f.Relier(f.PageControlPrinc, &QTabWidget::currentChanged, [this] {
        if (f_.PageControlPrinc->currentWidget() == f_.TabSheetParamètres)
            AfficherEmpreinte();
    });
}

void PageParametres::AfficherEmpreinte() {
    const Reglages& r = f_.ReglagesActifs;
    const QString empreinte = r.ValSMTPPort.Numero && !r.ValSMTPServeur.isEmpty()
                                  ? f_.Fichier().Empreinte(r.ValSMTPServeur, *r.ValSMTPPort.Numero)
                                  : QString();
    // Two lines of 16 bytes: the label wraps only at blanks.
    f_.LabEmpreinteTLS->setText(empreinte.isEmpty()
                                    ? QStringLiteral("Aucun certificat épinglé pour ce serveur.")
                                    : empreinte.left(47) + u'\n' + empreinte.mid(48));
    f_.SpeedButOublierEmpreinte->setEnabled(!empreinte.isEmpty());
}

void PageParametres::SpeedButOublierEmpreinteClick() {
    const Reglages& r = f_.ReglagesActifs;
    if (!r.ValSMTPPort.Numero)
        return;
    f_.Fichier().EcrireEmpreinte(r.ValSMTPServeur, *r.ValSMTPPort.Numero, QString());
    AfficherEmpreinte();
    f_.AfficheStatut(QStringLiteral("Empreinte oubliée : la prochaine connexion épinglera le "
                                    "certificat présenté."),
                     Couleur::Vert);
}

void PageParametres::LireDemarrage() {
    FichierReglages fichier = f_.Fichier();
    Reglages& r = f_.ReglagesActifs;
    r = fichier.Lire(motDePasseNonLu_);
    // A hand-edited file cannot put an address in the headers that the page would refuse.
    if (!AdresseDesinscription::Valide(r.ValDesinscription))
        r.ValDesinscription.clear();
    MontrerActifs();
    if (motDePasseNonLu_)
        f_.AfficheStatut(QStringLiteral("Mot de passe non lu : le trousseau du bureau est "
                                        "verrouillé ou ne répond pas."),
                         Couleur::Rouge);
    f_.EditFichierACharger->setText(r.ValDernierFichierCharge);
    if (!QFileInfo(f_.EditFichierACharger->text()).isFile())
        f_.EditFichierACharger->clear();
    f_.EditSujetMessage->setText(r.ValSujet);
    AfficherEmpreinte();
    const QString version = LireVersionFichier();
    if (version != r.ValVersionDemarragePrecedant)
        fichier.EcrireVersion(version);
}

void PageParametres::MontrerActifs() {
    const Reglages& r = f_.ReglagesActifs;
    f_.EditSMTPServeur->setText(r.ValSMTPServeur);
    f_.EditSMTPPort->setText(r.ValSMTPPort.Texte);
    f_.EditSMTPUser->setText(r.ValSMTPUser);
    f_.EditSMTPPassword->setText(r.ValSMTPPassword);
    f_.EditMailEXP->setText(r.ValEditMailEXP);
    f_.EditNomExpediteur->setText(r.ValNomExpediteur);
    f_.EditDesinscription->setText(r.ValDesinscription);
    f_.CheckBoxTLS->setChecked(r.ValConnectTlS);
    f_.CheckBoxChargeHtmlAuto->setChecked(r.ValChrgtHtmlAuto);
    f_.SpinEditMessagesMinute->setValue(r.ValMessagesParMinute);
    f_.SpinEditMessagesConnexion->setValue(r.ValMessagesParConnexion);
    f_.SpinEditConnexions->setValue(r.ValConnexionsSimultanees);
    f_.CheckBoxPipelining->setChecked(r.ValPipelining);
}

void PageParametres::Modifie() {
    f_.SpeedButAnnulerServeur->setEnabled(true);
    f_.SpeedButEnrServeur->setEnabled(true);
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
    const QString desinscription = f_.EditDesinscription->text().trimmed();
    if (!AdresseDesinscription::Valide(desinscription)) {
        Fabrique::Couleurs(f_.EditDesinscription, Qt::red);
        f_.AfficheStatut(QStringLiteral("Adresse de désinscription incorrecte : une adresse "
                                        "mailto: ou https:// est attendue."),
                         Couleur::Rouge);
        return;
    }
    Fabrique::Couleurs(f_.EditDesinscription, QColor(0, 0, 128));
    f_.SpeedButAnnulerServeur->setEnabled(false);
    f_.SpeedButEnrServeur->setEnabled(false);
    Reglages saisis;
    saisis.ValSMTPServeur = f_.EditSMTPServeur->text();
    saisis.ValSMTPPort = PortSMTP::Depuis(f_.EditSMTPPort->text());
    saisis.ValSMTPUser = f_.EditSMTPUser->text();
    saisis.ValSMTPPassword = f_.EditSMTPPassword->text();
    saisis.ValEditMailEXP = f_.EditMailEXP->text();
    saisis.ValNomExpediteur = f_.EditNomExpediteur->text().trimmed();
    saisis.ValDesinscription = desinscription;
    saisis.ValConnectTlS = f_.CheckBoxTLS->isChecked();
    saisis.ValChrgtHtmlAuto = f_.CheckBoxChargeHtmlAuto->isChecked();
    saisis.ValMessagesParMinute = f_.SpinEditMessagesMinute->value();
    saisis.ValMessagesParConnexion = f_.SpinEditMessagesConnexion->value();
    saisis.ValConnexionsSimultanees = f_.SpinEditConnexions->value();
    saisis.ValPipelining = f_.CheckBoxPipelining->isChecked();
    // A password the keyring kept back at start-up and that was not typed again stays there.
    const bool avecMotDePasse = !motDePasseNonLu_ || !saisis.ValSMTPPassword.isEmpty();
    if (avecMotDePasse)
        motDePasseNonLu_ = false;
    const bool refuse = f_.Fichier().EcrireServeur(f_.ReglagesActifs, saisis, avecMotDePasse) ==
                        FichierReglages::LieuMotDePasse::FichierApresRefus;
    AfficherEmpreinte();
    if (refuse)
        f_.AfficheStatut(QStringLiteral("Paramètres Enregistrés, mais le trousseau du bureau est "
                                        "verrouillé ou refuse : mot de passe gardé dans le "
                                        "fichier de paramètres."),
                         Couleur::Orange);
    else
        f_.AfficheStatut(QStringLiteral("Paramètres Enregistrés Avec Succes."), Couleur::Vert);
}

void PageParametres::SpeedButAnnulerServeurClick() {
    MontrerActifs();
    Fabrique::Couleurs(f_.EditDesinscription, QColor(0, 0, 128));
    f_.AfficheStatut(QStringLiteral("Paramètres Rechargés Avec Succes."), Couleur::Vert);
    f_.SpeedButAnnulerServeur->setEnabled(false);
    f_.SpeedButEnrServeur->setEnabled(false);
}
