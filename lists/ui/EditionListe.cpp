#include "lists/ui/EditionListe.h"

#include "app/FichierReglages.h"
#include "app/Reglages.h"
#include "commun/EcritureAtomique.h"
#include "commun/Erreur.h"
#include "commun/ui/FiltreEvenements.h"
#include "commun/ui/Gestionnaires.h"
#include "commun/ui/ImageMarque.h"
#include "commun/ui/LigneStatut.h"
#include "lists/DefautAdresse.h"
#include "lists/FichierListe.h"
#include "lists/SuppressionDoublons.h"
#include "lists/TexteAscii.h"
#include "lists/ui/ControlesListes.h"
#include "lists/ui/ListeChargee.h"
#include "lists/ui/ModeleListe.h"
#include "lists/ui/RechargeListe.h"
#include "lists/ui/SelectionAdresse.h"
#include "lists/ui/StyleTexte.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPersistentModelIndex>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <optional>

namespace {
// Events are processed during a long walk whenever this much time has passed: the user sees
// no difference with processing them after every item, which would cost more than the work.
constexpr qint64 kPauseMs = 15;
} // namespace

EditionListe::EditionListe(ControlesListes& c, ListeChargee& liste, RechargeListe& rechargement,
                           Gestionnaires& gestionnaires, LigneStatut& statut, Reglages& reglages,
                           const QString& fichierReglages, const QString& repertoire)
    : c_(c), liste_(liste), rechargement_(rechargement), statut_(statut), reglages_(reglages),
      fichierReglages_(fichierReglages), repertoire_(repertoire) {
    auto& g = gestionnaires;
    g.Relier(c.TreeViewListingListe, &QTreeView::clicked, [this] { TreeViewListingListeClick(); });
    // A click beside the items keeps the selection, as in a tree control, and refreshes too.
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        FiltreEvenements::Installer(
            c.TreeViewListingListe->viewport(), type, [this, &gestionnaires](QEvent* e) {
                const QPoint ou = static_cast<QMouseEvent*>(e)->position().toPoint();
                if (c_.TreeViewListingListe->indexAt(ou).isValid())
                    return false;
                if (e->type() == QEvent::MouseButtonRelease)
                    gestionnaires.Executer([this] { TreeViewListingListeClick(); });
                return true;
            });
    g.RelierTouche(c.TreeViewListingListe,
                   [this](QKeyEvent* e) { return TreeViewListingListeKeyDown(e); });
    g.Relier(c.SpeedButSupDoublon, &QPushButton::clicked, [this] { SpeedButSupDoublonClick(); });
    g.RelierTouche(c.EditAjoutAdresse,
                   [this](QKeyEvent* e) { return EditAjoutAdresseKeyPress(e); });
    g.Relier(c.SpeedButAjouterAdresse, &QPushButton::clicked,
             [this] { SpeedButAjouterAdresseClick(); });
    g.Relier(c.SpeedButRenommerAdresse, &QPushButton::clicked,
             [this] { SpeedButRenommerAdresseClick(); });
    g.Relier(c.SpeedButSupprimerAdresse, &QPushButton::clicked,
             [this] { SpeedButSupprimerAdresseClick(); });
    g.Relier(c.SpeedButAnnuleModifGestionAdresse, &QPushButton::clicked,
             [this] { SpeedButAnnuleModifGestionAdresseClick(); });
    g.Relier(c.SpeedButSaveGestionAdresse, &QPushButton::clicked,
             [this] { SpeedButSaveGestionAdresseClick(); });
}

void EditionListe::ActiverEnregistrement(bool actif) {
    c_.SpeedButSaveGestionAdresse->setEnabled(actif);
    c_.SpeedButAnnuleModifGestionAdresse->setEnabled(actif);
}

void EditionListe::TreeViewListingListeClick() {
    MontrerSelection(c_, liste_);
}

bool EditionListe::TreeViewListingListeKeyDown(QKeyEvent* e) {
    if (e->key() == Qt::Key_Delete)
        SpeedButSupprimerAdresseClick();
    return false;
}

bool EditionListe::EditAjoutAdresseKeyPress(QKeyEvent* e) {
    if (!EstToucheEntree(e))
        return false;
    SpeedButAjouterAdresseClick();
    return true;
}

void EditionListe::SpeedButAjouterAdresseClick() {
    if (liste_.TraitementEnCours)
        return;
    StyleTexte::Couleur(c_.EditAjoutAdresse, StyleTexte::Marine());
    const QString adresse = TexteAscii::Minuscules(c_.EditAjoutAdresse->text());
    c_.EditAjoutAdresse->setText(adresse);
    if (!TexteAscii::AdresseSembleCorrecte(adresse)) {
        statut_.AfficheStatut(QStringLiteral("L'Adresse Ne Semble Pas Correcte"), Couleur::Rouge);
        StyleTexte::Couleur(c_.EditAjoutAdresse, StyleTexte::Rouge());
        return;
    }
    ModeleListe& modele = liste_.Modele();
    modele.DebutChangement();
    const int position = modele.ListeModifiable().Ajouter(adresse, 0, 1);
    modele.FinChangement([](int ancienne, std::uint32_t) { return ancienne; });
    ActiverEnregistrement(true);
    liste_.Selectionner(position);
    liste_.Trier();
    if (const int p = liste_.PositionSelectionnee(); p >= 0)
        c_.TreeViewListingListe->scrollTo(modele.Index(p));
    c_.EditAjoutAdresse->clear();
    if (const QString defaut = DefautAdresse(adresse); !defaut.isEmpty())
        statut_.AfficheStatut(QStringLiteral("Adresse ajoutée, mais %1 : le message ne pourra pas "
                                             "lui être envoyé.")
                                  .arg(defaut),
                              Couleur::Orange);
}

void EditionListe::SpeedButRenommerAdresseClick() {
    if (liste_.TraitementEnCours)
        return;
    const QString texte = TexteAscii::SansBlancsAuxBouts(c_.EditAdresseListeSelected->text());
    c_.EditAdresseListeSelected->setText(texte);
    const int position = liste_.PositionSelectionnee();
    if (position < 0)
        return;
    ModeleListe& modele = liste_.Modele();
    modele.ListeModifiable().Renommer(position, texte, 1);
    modele.ElementsModifies(position, position);
    ActiverEnregistrement(true);
}

void EditionListe::SpeedButSupprimerAdresseClick() {
    if (liste_.TraitementEnCours)
        return;
    const int position = liste_.PositionSelectionnee();
    if (position < 0)
        return;
    ModeleListe& modele = liste_.Modele();
    const QModelIndex index = modele.Index(position);
    const QPersistentModelIndex parent = index.parent();
    const int ligne = index.row();
    modele.DebutChangement();
    modele.ListeModifiable().Supprimer(position);
    modele.FinChangement();
    // As a tree control does: the next sibling takes the selection, else the previous one,
    // else the parent.
    const int freres = modele.rowCount(parent);
    const QModelIndex suivant = ligne < freres ? modele.index(ligne, 0, parent)
                                : freres > 0   ? modele.index(freres - 1, 0, parent)
                                               : QModelIndex(parent);
    liste_.Selectionner(suivant);
    if (const int p = liste_.PositionSelectionnee(); p >= 0)
        c_.EditAdresseListeSelected->setText(liste_.Liste().Texte(p).toString());
    ActiverEnregistrement(true);
}

void EditionListe::SpeedButSupDoublonClick() {
    if (liste_.TraitementEnCours || liste_.Liste().EstVide())
        return;
    const auto occupe = liste_.Occuper();

    statut_.AfficheStatutFixe(QStringLiteral("Vérification des adresses, Veuillez Patienter..."),
                              Couleur::Orange);
    ModeleListe& modele = liste_.Modele();
    ListeAdresses& liste = modele.ListeModifiable();
    SuppressionDoublons parcours(liste);
    // Between two pauses the view sees no change; at a pause it learns what went (all of it
    // lies between the walk's position at the last pause and its position now) and shows the
    // item reached at the last 51st removal.
    int debutLot = 0;
    int nombreAuDebut = liste.Nombre();
    std::optional<std::uint32_t> aMontrer;
    const auto publier = [&] {
        const int retirees = nombreAuDebut - liste.Nombre();
        const int position = parcours.Position();
        modele.FinChangement([&](int ancienne, std::uint32_t id) {
            if (ancienne < debutLot)
                return ancienne;
            if (ancienne >= position + retirees)
                return ancienne - retirees;
            for (int i = debutLot; i < position; ++i)
                if (liste.Id(i) == id)
                    return i;
            return -1;
        });
        if (aMontrer) {
            // Gone since (a later double of its run): the walk stands where it was.
            const int montre = liste.Position(*aMontrer);
            liste_.Selectionner(montre >= 0 ? montre : std::min(position, liste.Nombre() - 1));
            aMontrer.reset();
        }
    };
    QElapsedTimer depuisPause;
    modele.DebutChangement();
    bool premier = true;
    while (!parcours.Fini()) {
        if (premier || depuisPause.elapsed() >= kPauseMs) {
            premier = false;
            publier();
            // The duplicate walk over a large list keeps the window alive through short pauses
            // (the view follows it, a close stops it), the list marked busy meanwhile.
            QCoreApplication::processEvents();
            depuisPause.start();
            debutLot = parcours.Position();
            nombreAuDebut = liste.Nombre();
            modele.DebutChangement();
        }
        parcours.Etape();
        if (parcours.SuivreVue() && !parcours.Fini())
            aMontrer = liste.Id(parcours.Position());
    }
    aMontrer.reset();
    publier();

    liste_.Selectionner(liste.Nombre() - 1);
    const int supprimees = parcours.Supprimees();
    if (supprimees > 0) {
        statut_.EcritStatut(QString::number(supprimees) +
                                QStringLiteral(" Adresses En Double Supprimées."),
                            Couleur::Rouge);
        ActiverEnregistrement(true);
    } else {
        statut_.EcritStatut(QStringLiteral("0 Adresse En Double Supprimée."), Couleur::Noir);
    }
    statut_.RelancerRepos();
}

void EditionListe::SpeedButAnnuleModifGestionAdresseClick() {
    if (liste_.TraitementEnCours)
        return;
    ActiverEnregistrement(false);
    rechargement_.Charger(true);
}

void EditionListe::Refuser(int position, const QString& message) {
    liste_.Selectionner(position);
    statut_.AfficheStatut(message, Couleur::Rouge);
    c_.TreeViewListingListe->setFocus();
    TreeViewListingListeClick();
}

void EditionListe::SpeedButSaveGestionAdresseClick() {
    if (liste_.TraitementEnCours)
        return;
    const QString nom = c_.ComboBoxListe2->currentText();
    reglages_.valListeFav = c_.LMDLImageListe2->Index() == 4 ? nom : QString();
    FichierReglages(fichierReglages_).EcrireListeFav(reglages_.valListeFav);

    statut_.EcritStatut(QStringLiteral("Vérification des adresses..."), Couleur::Noir);
    const ListeAdresses& liste = liste_.Liste();
    for (int i = 0, n = liste.Nombre(); i < n; ++i) {
        if (!TexteAscii::AdresseSembleCorrecte(liste.Texte(i))) {
            Refuser(i, QStringLiteral("Vérifier la syntaxe De L'Adresse"));
            return;
        }
        if (i > 0 && liste.Texte(i) == liste.Texte(i - 1)) {
            Refuser(i, QStringLiteral("Adresse En Double Detectée"));
            return;
        }
    }
    statut_.EcritStatut(QStringLiteral("Enregistrement Des Adresses..."), Couleur::Noir);
    // Only a list file is written: a placeholder of the selectors names none.
    if (TexteAscii::EstNomListe(nom)) {
        // The list reaches the disk whole or not at all: the old file stays until the new
        // one is complete.
        const QString chemin = QDir(repertoire_).filePath(nom);
        const QString echec = EcrireFichierAtomique(chemin, FichierListe::Ecrire(liste));
        if (!echec.isEmpty())
            throw Erreur(
                QStringLiteral("Impossible d'enregistrer la liste \"%1\". %2").arg(chemin, echec));
        statut_.AfficheStatut(QStringLiteral("Liste Enregistrée Avec Succes"), Couleur::Vert);
        rechargement_.Charger(false);
    } else {
        statut_.AfficheStatut(QStringLiteral("Aucune Liste Selectionnée"), Couleur::Rouge);
    }
    ActiverEnregistrement(false);
    statut_.RelancerRepos();
}
