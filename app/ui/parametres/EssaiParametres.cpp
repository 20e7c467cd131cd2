#include "app/ui/parametres/EssaiParametres.h"

#include "app/ConfigurationClient.h"
#include "app/FichierReglages.h"
#include "app/Reglages.h"
#include "app/ui/parametres/ControlesConnexion.h"
#include "app/ui/parametres/ControlesParametres.h"
#include "commun/ui/Dialogues.h"
#include "commun/ui/Gestionnaires.h"
#include "commun/ui/LigneStatut.h"
#include "mail/ClientSMTP.h"
#include "mail/EssaiConnexion.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString texteBouton = QStringLiteral("Tester la connexion");
}

EssaiParametres::EssaiParametres(const ServicesConnexion& s, QString cheminParametres)
    : s_(s), c_(s.c), cheminParametres_(std::move(cheminParametres)) {
    s.gestionnaires.Relier(s.connexion.SpeedButTesterConnexion, &QPushButton::clicked,
                           [this] { SpeedButTesterConnexionClick(); });
}

EssaiParametres::~EssaiParametres() = default;

void EssaiParametres::SpeedButTesterConnexionClick() {
    if (essai_) {
        essai_->Annuler();
        return;
    }
    Reglages saisis;
    saisis.ValSMTPServeur = c_.EditSMTPServeur->text().trimmed();
    saisis.ValSMTPPort = PortSMTP::Depuis(c_.EditSMTPPort->text());
    saisis.ValSMTPUser = c_.EditSMTPUser->text();
    saisis.ValSMTPPassword = c_.EditSMTPPassword->text();
    saisis.ValConnectTlS = c_.CheckBoxTLS->isChecked();
    if (saisis.ValSMTPServeur.isEmpty() || !saisis.ValSMTPPort.Numero) {
        s_.statut.AfficheStatut(QStringLiteral("Saisissez d'abord « Serveur: » et « Port: »."),
                                Couleur::Rouge);
        return;
    }
    auto client = std::make_unique<ClientSMTP>();
    ConfigurerClientSMTP(*client, saisis, FichierReglages(cheminParametres_));
    hote_ = client->Hote;
    port_ = client->Port;
    essai_ = std::make_unique<EssaiConnexion>(std::move(client));
    QObject::connect(
        essai_.get(), &EssaiConnexion::Termine, essai_.get(),
        [this](const ResultatEssai& r) { s_.gestionnaires.Executer([&] { Termine(r); }); });
    s_.connexion.SpeedButTesterConnexion->setText(QStringLiteral("Arrêter le test"));
    s_.statut.AfficheStatutFixe(
        QStringLiteral("Test de la connexion à %1, port %2…").arg(hote_).arg(port_), Couleur::Noir);
    essai_->Demarrer();
}

void EssaiParametres::Termine(const ResultatEssai& r) {
    // Released later: its signal is under way.
    essai_.release()->deleteLater();
    s_.connexion.SpeedButTesterConnexion->setText(texteBouton);
    QString texte = r.Texte;
    if (!r.EmpreinteAEpingler.isEmpty()) {
        FichierReglages(cheminParametres_).EcrireEmpreinte(hote_, port_, r.EmpreinteAEpingler);
        texte += QStringLiteral("\nCertificat épinglé : %1").arg(r.EmpreinteAEpingler);
    }
    s_.statut.AfficheStatut(texte.section(u'\n', 0, 0),
                            r.Reussi() ? Couleur::Vert : Couleur::Rouge);
    if (r.Etape != ResultatEssai::Echec::Annule)
        s_.dialogues.Message(texte);
}
