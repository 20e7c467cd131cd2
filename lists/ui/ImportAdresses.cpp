#include "lists/ui/ImportAdresses.h"

#include "app/ui/ListeImages.h"
#include "app/ui/TForm1.h"
#include "lists/DecoupageLignes.h"
#include "lists/LectureImport.h"
#include "lists/ScannersImport.h"
#include "lists/ui/EditionListe.h"
#include "lists/ui/ModeleListe.h"
#include "lists/ui/PageListes.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <QTreeView>

namespace {
// Events are processed whenever this much time has passed: the user cannot tell it from
// processing them after every line or address, which would cost far more than the scan.
constexpr qint64 kPauseMs = 15;

class Pauses {
public:
    Pauses() { depuis_.start(); }
    // True, once in a while, when the window's events are to be processed.
    bool Due() {
        if (depuis_.elapsed() < kPauseMs)
            return false;
        depuis_.start();
        return true;
    }

private:
    QElapsedTimer depuis_;
};
} // namespace

ImportAdresses::ImportAdresses(TForm1& f)
    : f_(f), apercu_(new ModeleListe(f.ImageListTreeview->Icone(0), f.ImageListTreeview->Icone(1),
                                     f.TreeViewApercu)) {
    f.TreeViewApercu->setModel(apercu_);
    f.Relier(f.SpeedButImporterMail, &QPushButton::clicked,
             [this] { SpeedButImporterMailClick(); });
    f.Relier(f.SpeedButCheminImport, &QPushButton::clicked,
             [this] { SpeedButCheminImportClick(); });
    f.Relier(f.ComboBoxTypeImport, &QComboBox::activated, [this] { ComboBoxTypeImportChange(); });
    f.Relier(f.SpeedButImporterListeMail, &QPushButton::clicked,
             [this] { SpeedButImporterListeMailClick(); });
    f.Relier(f.SpeedButFermerImportMail, &QPushButton::clicked,
             [this] { SpeedButFermerImportMailClick(); });
    f.RelierClic(f.TreeViewApercu->viewport(),
                 [this] { f_.editionListe->TreeViewListingListeClick(); });
}

void ImportAdresses::AfficherCompte(int nombre) {
    f_.LabTotalAdresse3->setText(QStringLiteral(" %1 ").arg(nombre));
}

void ImportAdresses::SpeedButImporterMailClick() {
    f_.ComboBoxTypeImport->setCurrentIndex(-1);
    f_.PanelImporterMAil->show();
    f_.PanelImporterMAil->raise();
}

void ImportAdresses::SpeedButCheminImportClick() {
    const QString chemin = f_.Boites().OuvrirFichier(f_.Repertoire());
    if (!chemin.isEmpty())
        f_.EditCheminImportMAil->setText(chemin);
}

void ImportAdresses::ComboBoxTypeImportChange() {
    const int genre = f_.ComboBoxTypeImport->currentIndex();
    if (genre < 0 || enCours_)
        return;
    enCours_ = true;
    const auto fin = qScopeGuard([this] { enCours_ = false; });

    f_.AfficheStatutFixe(QStringLiteral("Recherche D'Adresses En Cours..."), Couleur::Orange);
    QCoreApplication::processEvents();
    // The file's text is held here rather than in the hidden text box, which would take
    // seconds to fill with a large file.
    f_.MemoImportBrut->clear();
    apercu_->Remplacer([](ListeAdresses& l) { l.Vider(); });
    AfficherCompte(0);

    QString texte;
    const QString chemin = f_.EditCheminImportMAil->text();
    if (QFileInfo(chemin).isFile()) {
        texte = LireFichierImport(chemin);
    } else {
        f_.AfficheStatut(QStringLiteral("Le Fichier A Importer N'Existe Pas."), Couleur::Rouge);
        f_.ComboBoxTypeImport->setCurrentIndex(-1);
    }
    if (!texte.isEmpty()) {
        const auto scanner = genre == 0 ? &ScannersImport::Ldif : &ScannersImport::Brut;
        const qsizetype nombreLignes = DecoupageLignes::Compter(texte);
        f_.ProgressBarImportFindAdresse->setMaximum(static_cast<int>(nombreLignes));
        ListeAdresses trouvees;
        Pauses pauses;
        DecoupageLignes lignes(texte);
        QStringView ligne;
        int index = 0;
        const auto montrer = [&] {
            f_.ProgressBarImportFindAdresse->setValue(index);
            AfficherCompte(trouvees.Nombre());
        };
        while (lignes.Suivante(ligne) && !f_.FermetureEnCours) {
            scanner(ligne, [&](QString adresse) { trouvees.Ajouter(adresse, 0, 0); });
            ++index;
            if (pauses.Due()) {
                montrer();
                QCoreApplication::processEvents();
            }
        }
        montrer();
        apercu_->Remplacer([&](ListeAdresses& l) {
            l = std::move(trouvees);
            l.Trier(f_.pageListes->Collation());
        });
        f_.AfficheStatut(f_.LabTotalAdresse3->text() + QStringLiteral("Adresse(s) trouvée(s)"),
                         Couleur::Noir);
    }
    f_.SpeedButImporterListeMail->setEnabled(true);
    f_.ProgressBarImportFindAdresse->setValue(0);
}

void ImportAdresses::SpeedButImporterListeMailClick() {
    PageListes& page = *f_.pageListes;
    const ListeAdresses& apercu = apercu_->Liste();
    if (apercu.EstVide() || page.TraitementEnCours)
        return;
    const auto occupe = page.Occuper();

    f_.SpeedButImporterListeMail->setEnabled(false);
    f_.AfficheStatut(apercu.Nombre() >= 2 ? QStringLiteral("Importation Des Adresses En Cours...")
                                          : QStringLiteral("Importation De L'Adresse En Cours..."),
                     Couleur::Orange);
    QCoreApplication::processEvents();
    ModeleListe& modele = page.Modele();
    const auto memePlace = [](int ancienne, std::uint32_t) { return ancienne; };
    Pauses pauses;
    // Items are only appended: the view learns of them at each pause.
    modele.DebutChangement();
    for (int i = 0, n = apercu.Nombre(); i < n; ++i) {
        modele.ListeModifiable().Ajouter(apercu.Texte(i), 0, 1);
        if (pauses.Due()) {
            modele.FinChangement(memePlace);
            QCoreApplication::processEvents();
            modele.DebutChangement();
        }
    }
    modele.FinChangement(memePlace);
    f_.SpeedButSaveGestionAdresse->setEnabled(true);
    f_.SpeedButAnnuleModifGestionAdresse->setEnabled(true);
    page.Trier();
    apercu_->Remplacer([](ListeAdresses& l) { l.Vider(); });
    f_.AfficheStatut(f_.LabTotalAdresse3->text() +
                         QStringLiteral("Adresse(s) Importée(s) Avec Succes."),
                     Couleur::Vert);
    AfficherCompte(0);
}

void ImportAdresses::SpeedButFermerImportMailClick() {
    f_.PanelImporterMAil->hide();
}
