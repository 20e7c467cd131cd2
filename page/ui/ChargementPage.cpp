#include "page/ui/ChargementPage.h"

#include "app/FichierReglages.h"
#include "commun/ui/Dialogues.h"
#include "commun/ui/Forme.h"
#include "commun/ui/Gestionnaires.h"
#include "commun/ui/ImageMarque.h"
#include "commun/ui/LigneStatut.h"
#include "commun/ui/MesureMessage.h"
#include "page/LecturePage.h"
#include "page/RemarquesPage.h"
#include "page/VerificationBalises.h"
#include "page/ui/TexteEditeur.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

ChargementPage::ChargementPage(ControlesChargement c, QPlainTextEdit& editeur, QComboBox& remarques,
                               Gestionnaires& gestionnaires, LigneStatut& statut,
                               Dialogues& dialogues, const QString& repertoire,
                               const QString& fichierReglages, QString& dossierPage,
                               MesureMessage& mesure)
    : c_(c), editeur_(editeur), remarques_(remarques), statut_(statut), dialogues_(dialogues),
      repertoire_(repertoire), fichierReglages_(fichierReglages), dossierPage_(dossierPage),
      mesure_(mesure) {
    auto& g = gestionnaires;
    g.Relier(c.SpeedButton2, &QPushButton::clicked, [this] { SpeedButton2Click(); });
    g.Relier(c.SpeedButCharger, &QPushButton::clicked, [this] { SpeedButChargerClick(); });
}

void ChargementPage::SpeedButton2Click() {
    const QString chemin = c_.EditFichierACharger->text();
    const QString repertoire = !chemin.isEmpty() && QFileInfo(chemin).isFile()
                                   ? chemin.left(chemin.lastIndexOf(u'/') + 1)
                                   : repertoire_;
    const QString choisi = dialogues_.OuvrirFichier(repertoire);
    if (choisi.isEmpty())
        return;
    c_.EditFichierACharger->setText(choisi);
    c_.LMDLImageStatusChargement->DefinirIndex(MarqueAucune);
    ReecrireEditeur(editeur_, QString());
    remarques_.clear();
    c_.SpeedButCharger->setEnabled(true);
}

void ChargementPage::SpeedButChargerClick() {
    ReecrireEditeur(editeur_, QString());
    remarques_.clear();
    statut_.ViderStatut(false);
    c_.LMDLImageStatusChargement->DefinirIndex(MarqueAucune);
    c_.SpeedButEnvoyer->setEnabled(false);
    c_.ShapeEnvoiValide->DefinirPointille(true);

    const QString chemin = c_.EditFichierACharger->text();
    const QString texte = LireFichierPage(chemin);
    ReecrireEditeur(editeur_, texte);
    dossierPage_ = QFileInfo(chemin).absolutePath();
    // The tags hold no line break, so the file's text checks the same as the editor's.
    const QString manquante = BaliseManquante(texte);
    if (!manquante.isEmpty()) {
        statut_.AfficheStatut(QStringLiteral("La Balise %1 N'A Pas Eté Trouvée.").arg(manquante),
                              Couleur::Rouge);
        c_.LMDLImageStatusChargement->DefinirIndex(MarqueFautive);
        return;
    }
    if (!Examiner(texte)) {
        c_.LMDLImageStatusChargement->DefinirIndex(MarqueFautive);
        return;
    }
    c_.LMDLImageStatusChargement->DefinirIndex(MarqueCorrecte);
    FichierReglages(fichierReglages_).EcrireDernierFichier(chemin);
    c_.SpeedButCharger->setEnabled(false);
}

bool ChargementPage::Examiner(const QString& texte) {
    const MesureMessage::Mesure mesure = mesure_.MesurerPage(texte);
    const RemarquesPage r = EvaluerPage(mesure.page, mesure.octets);
    remarques_.addItems(r.details);
    if (!r.faute.isEmpty())
        statut_.AfficheStatut(r.faute, Couleur::Rouge);
    else if (!r.avertissements.isEmpty())
        statut_.AfficheStatut(r.avertissements.join(QStringLiteral(" ; ")), Couleur::Orange);
    else
        statut_.AfficheStatut(QStringLiteral("Le Fichier HTML Chargé Semble Correct."),
                              Couleur::Vert);
    return r.faute.isEmpty();
}

bool ChargementPage::PageCorrecte() const {
    return c_.LMDLImageStatusChargement->Index() == MarqueCorrecte;
}
