#include "page/ui/ChargementPage.h"

#include "app/ui/Forme.h"
#include "app/ui/ImageMarque.h"
#include "app/ui/TForm1.h"
#include "page/LecturePage.h"
#include "page/VerificationBalises.h"
#include "page/ui/TexteEditeur.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

ChargementPage::ChargementPage(TForm1& f) : f_(f) {
    f.Relier(f.SpeedButton2, &QPushButton::clicked, [this] { SpeedButton2Click(); });
    f.Relier(f.SpeedButCharger, &QPushButton::clicked, [this] { SpeedButChargerClick(); });
}

void ChargementPage::SpeedButton2Click() {
    const QString chemin = f_.EditFichierACharger->text();
    const QString repertoire = !chemin.isEmpty() && QFileInfo(chemin).isFile()
                                   ? chemin.left(chemin.lastIndexOf(u'/') + 1)
                                   : f_.Repertoire();
    const QString choisi = f_.Boites().OuvrirFichier(repertoire);
    if (choisi.isEmpty())
        return;
    f_.EditFichierACharger->setText(choisi);
    f_.LMDLImageStatusChargement->DefinirIndex(MarqueAucune);
    ReecrireEditeur(*f_.MemoHtmlBrut, QString());
    f_.SpeedButCharger->setEnabled(true);
}

void ChargementPage::SpeedButChargerClick() {
    ReecrireEditeur(*f_.MemoHtmlBrut, QString());
    f_.ViderStatut(false);
    f_.LMDLImageStatusChargement->DefinirIndex(MarqueAucune);
    f_.SpeedButEnvoyer->setEnabled(false);
    f_.ShapeEnvoiValide->DefinirPointille(true);

    const QString chemin = f_.EditFichierACharger->text();
    const QString texte = LireFichierPage(chemin);
    ReecrireEditeur(*f_.MemoHtmlBrut, texte);
    // The tags hold no line break, so the file's text checks the same as the editor's.
    const QString manquante = BaliseManquante(texte);
    if (!manquante.isEmpty()) {
        f_.AfficheStatut(QStringLiteral("La Balise %1 N'A Pas Eté Trouvée.").arg(manquante),
                         Couleur::Rouge);
        f_.LMDLImageStatusChargement->DefinirIndex(MarqueFautive);
        return;
    }
    f_.AfficheStatut(QStringLiteral("Le Fichier HTML Chargé Semble Correct."), Couleur::Vert);
    f_.LMDLImageStatusChargement->DefinirIndex(MarqueCorrecte);
    f_.Fichier().EcrireDernierFichier(chemin);
    f_.SpeedButCharger->setEnabled(false);
}
