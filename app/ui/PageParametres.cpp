#include "app/ui/PageParametres.h"

#include "app/EmpreintesTLS.h"
#include "app/FichierParametres.h"
#include "app/MotDePasseSMTP.h"
#include "app/Version.h"
#include "app/ui/Fabrique.h"
#include "app/ui/TForm1.h"
#include "commun/Erreur.h"
#include "sending/AdresseDesinscription.h"
#include "sending/PreparationCampagne.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {
const QString kSection = QStringLiteral("Parametres");
const QString kSectionVersion = QStringLiteral("parametres");
const QString kOui = QStringLiteral("Oui");
const QString kNon = QStringLiteral("Non");
} // namespace

PageParametres::PageParametres(TForm1& f) : f_(f) {
    for (QLineEdit* champ : {f.EditSMTPServeur, f.EditSMTPPort, f.EditSMTPUser, f.EditSMTPPassword,
                             f.EditMailEXP, f.EditNomExpediteur, f.EditDesinscription})
        f.Relier(champ, &QLineEdit::textChanged, [this] { EditSMTPServeurChange(); });
    // Like the check box's own click, a state set by the program also marks the page changed.
    f.Relier(f.CheckBoxTLS, &QCheckBox::toggled, [this] { CheckBoxTLSClick(); });
    f.Relier(f.CheckBoxChargeHtmlAuto, &QCheckBox::toggled,
             [this] { CheckBoxChargeHtmlAutoClick(); });
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

namespace {
// The saved port as the campaign reads it; false when it is no number.
bool PortEnregistre(const QString& texte, quint16& port) {
    try {
        port = PreparationCampagne::Port(texte);
        return true;
    } catch (const Erreur&) {
        return false;
    }
}
} // namespace

void PageParametres::AfficherEmpreinte() {
    quint16 port = 0;
    const QString empreinte =
        PortEnregistre(f_.ValSMTPPort, port) && !f_.ValSMTPServeur.isEmpty()
            ? EmpreintesTLS::Lire(f_.CheminParametres(), f_.ValSMTPServeur, port)
            : QString();
    // Two lines of 16 bytes: the label wraps only at blanks.
    f_.LabEmpreinteTLS->setText(empreinte.isEmpty()
                                    ? QStringLiteral("Aucun certificat épinglé pour ce serveur.")
                                    : empreinte.left(47) + u'\n' + empreinte.mid(48));
    f_.SpeedButOublierEmpreinte->setEnabled(!empreinte.isEmpty());
}

void PageParametres::SpeedButOublierEmpreinteClick() {
    quint16 port = 0;
    if (!PortEnregistre(f_.ValSMTPPort, port))
        return;
    EmpreintesTLS::Ecrire(f_.CheminParametres(), f_.ValSMTPServeur, port, QString());
    AfficherEmpreinte();
    f_.AfficheStatut(QStringLiteral("Empreinte oubliée : la prochaine connexion épinglera le "
                                    "certificat présenté."),
                     Couleur::Vert);
}

void PageParametres::LireDemarrage() {
    FichierParametres fichier(f_.CheminParametres());
    auto lire = [&](const char* cle, const QString& defaut) {
        return fichier.Lire(kSection, QString::fromUtf8(cle), defaut);
    };
    f_.ValSMTPServeur = lire("SMTPServeur", {});
    f_.EditSMTPServeur->setText(f_.ValSMTPServeur);
    f_.ValSMTPPort = lire("SMTPPort", QStringLiteral("25"));
    f_.EditSMTPPort->setText(f_.ValSMTPPort);
    f_.ValSMTPUser = lire("SMTPUser", {});
    f_.EditSMTPUser->setText(f_.ValSMTPUser);
    f_.ValSMTPPassword = MotDePasseSMTP::Lire(fichier, motDePasseNonLu_);
    if (motDePasseNonLu_)
        f_.AfficheStatut(QStringLiteral("Mot de passe non lu : le trousseau du bureau est "
                                        "verrouillé ou ne répond pas."),
                         Couleur::Rouge);
    f_.EditSMTPPassword->setText(f_.ValSMTPPassword);
    f_.ValEditMailEXP = lire("MailEXP", {});
    f_.EditMailEXP->setText(f_.ValEditMailEXP);
    f_.ValNomExpediteur = lire("NomExpediteur", {});
    f_.EditNomExpediteur->setText(f_.ValNomExpediteur);
    f_.ValDesinscription = lire("Desinscription", {});
    // A hand-edited file cannot put an address in the headers that the page would refuse.
    if (!AdresseDesinscription::Valide(f_.ValDesinscription))
        f_.ValDesinscription.clear();
    f_.EditDesinscription->setText(f_.ValDesinscription);
    f_.ValConnectTlS = lire("ConnectTlS", kNon);
    f_.CheckBoxTLS->setChecked(f_.ValConnectTlS == kOui);
    f_.ValChrgtHtmlAuto = lire("ChrgtHtmlAuto", kNon);
    f_.CheckBoxChargeHtmlAuto->setChecked(f_.ValChrgtHtmlAuto == kOui);
    f_.EditFichierACharger->setText(lire("DernierFichierChargé", {}));
    if (!QFileInfo(f_.EditFichierACharger->text()).isFile())
        f_.EditFichierACharger->clear();
    f_.EditSujetMessage->setText(lire("ValSujet", {}));
    f_.valListeFav = lire("ListeFav", {});
    f_.ValVersionDemarragePrecedant = lire("VersionAppli", {});
    AfficherEmpreinte();
    const QString version = LireVersionFichier();
    if (version != f_.ValVersionDemarragePrecedant)
        fichier.Ecrire(kSectionVersion, QStringLiteral("VersionAppli"), version);
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
    FichierParametres fichier(f_.CheminParametres());
    auto ecrire = [&](const char* cle, const QString& valeur) {
        fichier.Ecrire(kSection, QString::fromUtf8(cle), valeur);
    };
    f_.ValSMTPServeur = f_.EditSMTPServeur->text();
    ecrire("SMTPServeur", f_.ValSMTPServeur);
    f_.ValSMTPPort = f_.EditSMTPPort->text();
    ecrire("SMTPPort", f_.ValSMTPPort);
    f_.ValSMTPUser = f_.EditSMTPUser->text();
    ecrire("SMTPUser", f_.ValSMTPUser);
    f_.ValSMTPPassword = f_.EditSMTPPassword->text();
    // A password the keyring kept back at start-up and that was not typed again stays there.
    bool refuse = false;
    if (!motDePasseNonLu_ || !f_.ValSMTPPassword.isEmpty()) {
        motDePasseNonLu_ = false;
        refuse = MotDePasseSMTP::Enregistrer(fichier, f_.ValSMTPPassword,
                                             QFileInfo(f_.CheminParametres()).absoluteFilePath()) ==
                 MotDePasseSMTP::Lieu::FichierApresRefus;
    }
    f_.ValEditMailEXP = f_.EditMailEXP->text();
    ecrire("MailEXP", f_.ValEditMailEXP);
    f_.ValNomExpediteur = f_.EditNomExpediteur->text().trimmed();
    ecrire("NomExpediteur", f_.ValNomExpediteur);
    f_.ValDesinscription = desinscription;
    ecrire("Desinscription", f_.ValDesinscription);
    f_.ValConnectTlS = f_.CheckBoxTLS->isChecked() ? kOui : kNon;
    ecrire("ConnectTlS", f_.ValConnectTlS);
    f_.ValChrgtHtmlAuto = f_.CheckBoxChargeHtmlAuto->isChecked() ? kOui : kNon;
    ecrire("ChrgtHtmlAuto", f_.ValChrgtHtmlAuto);
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
    f_.EditSMTPServeur->setText(f_.ValSMTPServeur);
    f_.EditSMTPPort->setText(f_.ValSMTPPort);
    f_.EditSMTPUser->setText(f_.ValSMTPUser);
    f_.EditSMTPPassword->setText(f_.ValSMTPPassword);
    f_.EditMailEXP->setText(f_.ValEditMailEXP);
    f_.EditNomExpediteur->setText(f_.ValNomExpediteur);
    f_.EditDesinscription->setText(f_.ValDesinscription);
    Fabrique::Couleurs(f_.EditDesinscription, QColor(0, 0, 128));
    f_.AfficheStatut(QStringLiteral("Paramètres Rechargés Avec Succes."), Couleur::Vert);
    f_.CheckBoxTLS->setChecked(f_.ValConnectTlS == kOui);
    f_.CheckBoxChargeHtmlAuto->setChecked(f_.ValChrgtHtmlAuto == kOui);
    f_.SpeedButAnnulerServeur->setEnabled(false);
    f_.SpeedButEnrServeur->setEnabled(false);
}
