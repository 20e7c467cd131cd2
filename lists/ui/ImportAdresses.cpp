#include "lists/ui/ImportAdresses.h"

#include "commun/ui/Dialogues.h"
#include "commun/ui/Gestionnaires.h"
#include "commun/ui/LigneStatut.h"
#include "lists/DecoupageLignes.h"
#include "lists/DefautAdresse.h"
#include "lists/LectureImport.h"
#include "lists/ScannersImport.h"
#include "lists/ui/ControlesListes.h"
#include "lists/ui/ListeChargee.h"
#include "lists/ui/ModeleListe.h"
#include "lists/ui/SelectionAdresse.h"

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

ImportAdresses::ImportAdresses(ControlesListes& c, ListeChargee& liste,
                               Gestionnaires& gestionnaires, LigneStatut& statut,
                               Dialogues& dialogues, const QIcon& dossier, const QIcon& adresse,
                               const QString& repertoire, const bool& fermeture)
    : c_(c), liste_(liste), statut_(statut), dialogues_(dialogues), repertoire_(repertoire),
      fermeture_(fermeture), apercu_(new ModeleListe(dossier, adresse, c.TreeViewApercu)) {
    c.TreeViewApercu->setModel(apercu_);
    auto& g = gestionnaires;
    g.Relier(c.SpeedButImporterMail, &QPushButton::clicked,
             [this] { SpeedButImporterMailClick(); });
    g.Relier(c.SpeedButCheminImport, &QPushButton::clicked,
             [this] { SpeedButCheminImportClick(); });
    g.Relier(c.ComboBoxTypeImport, &QComboBox::activated, [this] { ComboBoxTypeImportChange(); });
    g.Relier(c.SpeedButImporterListeMail, &QPushButton::clicked,
             [this] { SpeedButImporterListeMailClick(); });
    g.Relier(c.SpeedButFermerImportMail, &QPushButton::clicked,
             [this] { SpeedButFermerImportMailClick(); });
    g.RelierClic(c.TreeViewApercu->viewport(), [this] { MontrerSelection(c_, liste_); });
}

void ImportAdresses::AfficherCompte(int nombre) {
    c_.LabTotalAdresse3->setText(QStringLiteral(" %1 ").arg(nombre));
}

void ImportAdresses::SpeedButImporterMailClick() {
    c_.ComboBoxTypeImport->setCurrentIndex(-1);
    c_.PanelImporterMAil->show();
    c_.PanelImporterMAil->raise();
}

void ImportAdresses::SpeedButCheminImportClick() {
    const QString chemin = dialogues_.OuvrirFichier(repertoire_);
    if (!chemin.isEmpty())
        c_.EditCheminImportMAil->setText(chemin);
}

void ImportAdresses::ComboBoxTypeImportChange() {
    const int genre = c_.ComboBoxTypeImport->currentIndex();
    if (genre < 0 || enCours_)
        return;
    enCours_ = true;
    const auto fin = qScopeGuard([this] { enCours_ = false; });

    statut_.AfficheStatutFixe(QStringLiteral("Recherche D'Adresses En Cours..."), Couleur::Orange);
    // The scan of a large file keeps the window alive through short pauses (its progress, a
    // close); `enCours_` turns a second scan away meanwhile. This first one shows the status.
    QCoreApplication::processEvents();
    // The file's text is held here rather than in the hidden text box, which would take
    // seconds to fill with a large file.
    c_.MemoImportBrut->clear();
    apercu_->Remplacer([](ListeAdresses& l) { l.Vider(); });
    AfficherCompte(0);

    QString texte;
    const QString chemin = c_.EditCheminImportMAil->text();
    if (QFileInfo(chemin).isFile()) {
        texte = LireFichierImport(chemin);
    } else {
        statut_.AfficheStatut(QStringLiteral("Le Fichier A Importer N'Existe Pas."),
                              Couleur::Rouge);
        c_.ComboBoxTypeImport->setCurrentIndex(-1);
    }
    if (!texte.isEmpty()) {
        const auto scanner = genre == 0 ? &ScannersImport::Ldif : &ScannersImport::Brut;
        const qsizetype nombreLignes = DecoupageLignes::Compter(texte);
        c_.ProgressBarImportFindAdresse->setMaximum(static_cast<int>(nombreLignes));
        ListeAdresses trouvees;
        Pauses pauses;
        DecoupageLignes lignes(texte);
        QStringView ligne;
        int index = 0;
        const auto montrer = [&] {
            c_.ProgressBarImportFindAdresse->setValue(index);
            AfficherCompte(trouvees.Nombre());
        };
        while (lignes.Suivante(ligne) && !fermeture_) {
            scanner(ligne, [&](QString adresse) { trouvees.Ajouter(adresse, 0, 0); });
            ++index;
            if (pauses.Due()) {
                montrer();
                // See above: a pause of the scan.
                QCoreApplication::processEvents();
            }
        }
        montrer();
        apercu_->Remplacer([&](ListeAdresses& l) {
            l = std::move(trouvees);
            l.Trier(liste_.Collation());
        });
        statut_.AfficheStatut(c_.LabTotalAdresse3->text() + QStringLiteral("Adresse(s) trouvée(s)"),
                              Couleur::Noir);
    }
    c_.SpeedButImporterListeMail->setEnabled(true);
    c_.ProgressBarImportFindAdresse->setValue(0);
}

void ImportAdresses::SpeedButImporterListeMailClick() {
    const ListeAdresses& apercu = apercu_->Liste();
    if (apercu.EstVide() || liste_.TraitementEnCours)
        return;
    const auto occupe = liste_.Occuper();

    c_.SpeedButImporterListeMail->setEnabled(false);
    statut_.AfficheStatut(apercu.Nombre() >= 2
                              ? QStringLiteral("Importation Des Adresses En Cours...")
                              : QStringLiteral("Importation De L'Adresse En Cours..."),
                          Couleur::Orange);
    // The import of many addresses keeps the window alive through short pauses, the list
    // marked busy meanwhile; this first one shows the status.
    QCoreApplication::processEvents();
    ModeleListe& modele = liste_.Modele();
    const auto memePlace = [](int ancienne, std::uint32_t) { return ancienne; };
    Pauses pauses;
    // Items are only appended: the view learns of them at each pause.
    modele.DebutChangement();
    for (int i = 0, n = apercu.Nombre(); i < n; ++i) {
        modele.ListeModifiable().Ajouter(apercu.Texte(i), 0, 1);
        if (pauses.Due()) {
            modele.FinChangement(memePlace);
            // See above: a pause of the import, the view told of the items added so far.
            QCoreApplication::processEvents();
            modele.DebutChangement();
        }
    }
    modele.FinChangement(memePlace);
    QString aVerifier;
    int defauts = 0;
    for (int i = 0, n = apercu.Nombre(); i < n; ++i)
        if (const QString defaut = DefautAdresse(apercu.Texte(i).toString()); !defaut.isEmpty())
            if (defauts++ == 0)
                aVerifier = QStringLiteral("%1 (%2)").arg(apercu.Texte(i), defaut);
    c_.SpeedButSaveGestionAdresse->setEnabled(true);
    c_.SpeedButAnnuleModifGestionAdresse->setEnabled(true);
    liste_.Trier();
    apercu_->Remplacer([](ListeAdresses& l) { l.Vider(); });
    if (defauts == 0)
        statut_.AfficheStatut(c_.LabTotalAdresse3->text() +
                                  QStringLiteral("Adresse(s) Importée(s) Avec Succes."),
                              Couleur::Vert);
    else
        statut_.AfficheStatut(c_.LabTotalAdresse3->text() +
                                  QStringLiteral("Adresse(s) Importée(s), dont %1 qui ne pourra "
                                                 "pas être envoyée : %2.")
                                      .arg(defauts)
                                      .arg(aVerifier),
                              Couleur::Orange);
    AfficherCompte(0);
}

void ImportAdresses::SpeedButFermerImportMailClick() {
    c_.PanelImporterMAil->hide();
}
