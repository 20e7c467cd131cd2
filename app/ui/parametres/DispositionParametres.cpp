#include "app/ui/parametres/DispositionParametres.h"

#include "app/ui/parametres/ControlesParametres.h"
#include "commun/ui/Fabrique.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTextEdit>

using namespace Fabrique;

namespace {
// A count of the pace row, from 0, which reads "Sans limite".
QSpinBox* Compteur(QWidget* p, const char* nom, int x, int y, int largeur, int maximum,
                   const QString& aide) {
    auto* c = Creer<QSpinBox>(p, nom, x, y, largeur, 21);
    c->setRange(0, maximum);
    c->setSpecialValueText(QStringLiteral("Sans limite"));
    c->setToolTip(aide);
    return c;
}
} // namespace

void DisposerParametres(QWidget* p, ControlesParametres& f) {
    Police(Etiquette(p, "", QStringLiteral("Paramètre SMTP:"), 13, 24, -1, 16),
           QStringLiteral("Tahoma"), 10, true);
    Etiquette(p, "", QStringLiteral("Serveur:"), 13, 68);
    f.EditSMTPServeur = Champ(p, "EditSMTPServeur", 97, 64, 149, 21);
    Etiquette(p, "", QStringLiteral("Port:"), 13, 100);
    f.EditSMTPPort = Champ(p, "EditSMTPPort", 97, 96, 64, 21);
    f.EditSMTPPort->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]*")), f.EditSMTPPort));
    Etiquette(p, "", QStringLiteral("Utilisateur:"), 13, 132);
    f.EditSMTPUser = Champ(p, "EditSMTPUser", 97, 128, 149, 21);
    Etiquette(p, "", QStringLiteral("Mot de Passe:"), 13, 164);
    f.EditSMTPPassword = Champ(p, "EditSMTPPassword", 97, 160, 149, 21);
    f.EditSMTPPassword->setEchoMode(QLineEdit::Password);
    f.EditSMTPPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 88;"));
    const QString expediteur = QStringLiteral("Adresse de l'expediteur");
    Etiquette(p, "", QStringLiteral("Adresse EXP.:"), 13, 196)->setToolTip(expediteur);
    f.EditMailEXP = Champ(p, "EditMailEXP", 97, 192, 216, 21);
    f.EditMailEXP->setToolTip(expediteur);
    f.CheckBoxTLS = Case(p, "CheckBoxTLS", QStringLiteral("Connection Sécurisé TLS (Type Gmail)"),
                         13, 232, 220, 17);
    f.CheckBoxPipelining =
        Case(p, "CheckBoxPipelining", QStringLiteral("Pipelining"), 240, 232, 90, 17);
    f.CheckBoxPipelining->setToolTip(QStringLiteral(
        "Envoyer les commandes d'un message d'un seul bloc quand le serveur le permet"));
    // The pace of a campaign, on one row: messages per minute, messages per connection.
    Etiquette(p, "", QStringLiteral("Par minute:"), 13, 262);
    f.SpinEditMessagesMinute =
        Compteur(p, "SpinEditMessagesMinute", 80, 258, 78, 100000,
                 QStringLiteral("Messages envoyés par minute au plus (Sans limite : 0)"));
    Etiquette(p, "", QStringLiteral("Par connexion:"), 166, 262);
    f.SpinEditMessagesConnexion =
        Compteur(p, "SpinEditMessagesConnexion", 252, 258, 78, 1000000,
                 QStringLiteral("Messages par connexion, puis une nouvelle connexion (Sans "
                                "limite : 0)"));
    // The connections of a campaign, under the messages per connection.
    Etiquette(p, "", QStringLiteral("Connexions:"), 166, 286);
    f.SpinEditConnexions = Creer<QSpinBox>(p, "SpinEditConnexions", 252, 282, 78, 21);
    f.SpinEditConnexions->setRange(1, 8);
    f.SpinEditConnexions->setToolTip(
        QStringLiteral("Connexions ouvertes en même temps pour envoyer une campagne (1 à 8)"));
    // Below the page's own settings and above its buttons.
    Etiquette(p, "", QStringLiteral("Nom de l'expéditeur:"), 13, 343);
    f.EditNomExpediteur = Champ(p, "EditNomExpediteur", 150, 339, 180, 20);
    Etiquette(p, "", QStringLiteral("Adresse de désinscription:"), 13, 364);
    f.EditDesinscription = Champ(p, "EditDesinscription", 150, 360, 180, 20);
    f.EditDesinscription->setToolTip(
        QStringLiteral("Une adresse mailto: ou https:, ou rien pour aucun lien"));
    Police(Etiquette(p, "", QStringLiteral("Fichier Html:"), 13, 284), QStringLiteral("Tahoma"), 8,
           true);
    f.CheckBoxChargeHtmlAuto =
        Case(p, "CheckBoxChargeHtmlAuto",
             QStringLiteral("Chargement automatique du dernier fichier HTML utilisé."), 24, 304,
             306, 17);
    f.CheckBoxJoindreImages =
        Case(p, "CheckBoxJoindreImages", QStringLiteral("Joindre les images locales au message"),
             24, 321, 306, 17);
    f.CheckBoxJoindreImages->setToolTip(
        QStringLiteral("Les images de la page prises sur cet ordinateur voyagent dans le message"));
    f.SpeedButAnnulerServeur =
        Bouton(p, "SpeedButAnnulerServeur", QStringLiteral("Annuler"), 62, 382, 129, 22, false);
    f.SpeedButEnrServeur =
        Bouton(p, "SpeedButEnrServeur", QStringLiteral("Enregistrer"), 203, 382, 129, 22, false);

    QFrame* aide = Panneau(p, "PanelAideServeur", 337, 0, 351, 313);
    aide->setFrameShape(QFrame::NoFrame);
    f.RichEditAideServeur = Creer<QTextEdit>(aide, "RichEditAideServeur", 0, 0, 351, 313);
    // The quotas, under the help: the left half has no row left beside "Par minute:".
    Etiquette(p, "", QStringLiteral("Par heure:"), 343, 322);
    f.SpinEditMessagesHeure =
        Compteur(p, "SpinEditMessagesHeure", 405, 318, 90, 10000000,
                 QStringLiteral("Messages envoyés par heure au plus, toutes campagnes comprises "
                                "(Sans limite : 0)"));
    Etiquette(p, "", QStringLiteral("Par jour:"), 513, 322);
    f.SpinEditMessagesJour =
        Compteur(p, "SpinEditMessagesJour", 593, 318, 90, 100000000,
                 QStringLiteral("Messages envoyés par jour au plus, toutes campagnes comprises "
                                "(Sans limite : 0)"));
    f.RichEditAideServeur->setReadOnly(true);
    Police(Etiquette(p, "LabTitreEmpreinteTLS", QStringLiteral("Certificat épinglé :"), 343, 352),
           QStringLiteral("Tahoma"), 8, true);
    f.SpeedButOublierEmpreinte =
        Bouton(p, "SpeedButOublierEmpreinte", QStringLiteral("Oublier l'empreinte"), 554, 347, 129,
               22, false);
    f.LabEmpreinteTLS = Etiquette(p, "LabEmpreinteTLS", QString(), 343, 373, 340, 30);
    f.LabEmpreinteTLS->setWordWrap(true);
    f.LabEmpreinteTLS->setTextInteractionFlags(Qt::TextSelectableByMouse);
}
