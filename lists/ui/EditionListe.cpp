#include "lists/ui/EditionListe.h"

#include "app/ui/FiltreEvenements.h"
#include "app/ui/ImageMarque.h"
#include "app/ui/TForm1.h"
#include "commun/EcritureAtomique.h"
#include "commun/Erreur.h"
#include "lists/FichierListe.h"
#include "lists/SuppressionDoublons.h"
#include "lists/TexteAscii.h"
#include "lists/ui/ModeleListe.h"
#include "lists/ui/PageListes.h"
#include "lists/ui/StyleTexte.h"

#include <QComboBox>
#include <QCoreApplication>
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

EditionListe::EditionListe(TForm1& f) : f_(f) {
    f.Relier(f.TreeViewListingListe, &QTreeView::clicked, [this] { TreeViewListingListeClick(); });
    // A click beside the items keeps the selection, as in a tree control, and refreshes too.
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        FiltreEvenements::Installer(f.TreeViewListingListe->viewport(), type, [this](QEvent* e) {
            const QPoint ou = static_cast<QMouseEvent*>(e)->position().toPoint();
            if (f_.TreeViewListingListe->indexAt(ou).isValid())
                return false;
            if (e->type() == QEvent::MouseButtonRelease)
                f_.Executer([this] { TreeViewListingListeClick(); });
            return true;
        });
    f.RelierTouche(f.TreeViewListingListe,
                   [this](QKeyEvent* e) { return TreeViewListingListeKeyDown(e); });
    f.Relier(f.SpeedButSupDoublon, &QPushButton::clicked, [this] { SpeedButSupDoublonClick(); });
    f.RelierTouche(f.EditAjoutAdresse,
                   [this](QKeyEvent* e) { return EditAjoutAdresseKeyPress(e); });
    f.Relier(f.SpeedButAjouterAdresse, &QPushButton::clicked,
             [this] { SpeedButAjouterAdresseClick(); });
    f.Relier(f.SpeedButRenommerAdresse, &QPushButton::clicked,
             [this] { SpeedButRenommerAdresseClick(); });
    f.Relier(f.SpeedButSupprimerAdresse, &QPushButton::clicked,
             [this] { SpeedButSupprimerAdresseClick(); });
    f.Relier(f.SpeedButAnnuleModifGestionAdresse, &QPushButton::clicked,
             [this] { SpeedButAnnuleModifGestionAdresseClick(); });
    f.Relier(f.SpeedButSaveGestionAdresse, &QPushButton::clicked,
             [this] { SpeedButSaveGestionAdresseClick(); });
}

int EditionListe::PositionSelectionnee() const {
    const QModelIndex courant = f_.TreeViewListingListe->currentIndex();
    auto* selection = f_.TreeViewListingListe->selectionModel();
    if (courant.isValid() && selection->isSelected(courant))
        return f_.pageListes->Modele().Position(courant);
    const QModelIndexList choisis = selection->selectedIndexes();
    return choisis.isEmpty() ? -1 : f_.pageListes->Modele().Position(choisis.first());
}

void EditionListe::Selectionner(const QModelIndex& index) {
    f_.TreeViewListingListe->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (index.isValid())
        f_.TreeViewListingListe->scrollTo(index);
}

void EditionListe::Selectionner(int position) {
    Selectionner(f_.pageListes->Modele().Index(position));
}

void EditionListe::ActiverEnregistrement(bool actif) {
    f_.SpeedButSaveGestionAdresse->setEnabled(actif);
    f_.SpeedButAnnuleModifGestionAdresse->setEnabled(actif);
}

void EditionListe::TreeViewListingListeClick() {
    const int position = PositionSelectionnee();
    const bool choisi = position >= 0;
    f_.SpeedButRenommerAdresse->setEnabled(choisi);
    f_.SpeedButSupprimerAdresse->setEnabled(choisi);
    f_.EditAdresseListeSelected->setEnabled(choisi);
    f_.EditAdresseListeSelected->setText(choisi ? f_.pageListes->Liste().Texte(position).toString()
                                                : QString());
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
    if (f_.pageListes->TraitementEnCours)
        return;
    StyleTexte::Couleur(f_.EditAjoutAdresse, StyleTexte::Marine());
    const QString adresse = TexteAscii::Minuscules(f_.EditAjoutAdresse->text());
    f_.EditAjoutAdresse->setText(adresse);
    if (!TexteAscii::AdresseSembleCorrecte(adresse)) {
        f_.AfficheStatut(QStringLiteral("L'Adresse Ne Semble Pas Correcte"), Couleur::Rouge);
        StyleTexte::Couleur(f_.EditAjoutAdresse, StyleTexte::Rouge());
        return;
    }
    ModeleListe& modele = f_.pageListes->Modele();
    modele.DebutChangement();
    const int position = modele.ListeModifiable().Ajouter(adresse, 0, 1);
    modele.FinChangement([](int ancienne, std::uint32_t) { return ancienne; });
    ActiverEnregistrement(true);
    Selectionner(position);
    f_.pageListes->Trier();
    if (const int p = PositionSelectionnee(); p >= 0)
        f_.TreeViewListingListe->scrollTo(modele.Index(p));
    f_.EditAjoutAdresse->clear();
}

void EditionListe::SpeedButRenommerAdresseClick() {
    if (f_.pageListes->TraitementEnCours)
        return;
    const QString texte = TexteAscii::SansBlancsAuxBouts(f_.EditAdresseListeSelected->text());
    f_.EditAdresseListeSelected->setText(texte);
    const int position = PositionSelectionnee();
    if (position < 0)
        return;
    ModeleListe& modele = f_.pageListes->Modele();
    modele.ListeModifiable().Renommer(position, texte, 1);
    modele.ElementsModifies(position, position);
    ActiverEnregistrement(true);
}

void EditionListe::SpeedButSupprimerAdresseClick() {
    if (f_.pageListes->TraitementEnCours)
        return;
    const int position = PositionSelectionnee();
    if (position < 0)
        return;
    ModeleListe& modele = f_.pageListes->Modele();
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
    Selectionner(suivant);
    if (const int p = PositionSelectionnee(); p >= 0)
        f_.EditAdresseListeSelected->setText(f_.pageListes->Liste().Texte(p).toString());
    ActiverEnregistrement(true);
}

void EditionListe::SpeedButSupDoublonClick() {
    PageListes& page = *f_.pageListes;
    if (page.TraitementEnCours || page.Liste().EstVide())
        return;
    const auto occupe = page.Occuper();

    f_.AfficheStatutFixe(QStringLiteral("Vérification des adresses, Veuillez Patienter..."),
                         Couleur::Orange);
    ModeleListe& modele = page.Modele();
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
            Selectionner(montre >= 0 ? montre : std::min(position, liste.Nombre() - 1));
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

    Selectionner(liste.Nombre() - 1);
    const int supprimees = parcours.Supprimees();
    if (supprimees > 0) {
        f_.EcritStatut(QString::number(supprimees) +
                           QStringLiteral(" Adresses En Double Supprimées."),
                       Couleur::Rouge);
        ActiverEnregistrement(true);
    } else {
        f_.EcritStatut(QStringLiteral("0 Adresse En Double Supprimée."), Couleur::Noir);
    }
    f_.TimerResetStatusInfos->start();
}

void EditionListe::SpeedButAnnuleModifGestionAdresseClick() {
    if (f_.pageListes->TraitementEnCours)
        return;
    ActiverEnregistrement(false);
    f_.pageListes->Charger();
}

void EditionListe::Refuser(int position, const QString& message) {
    Selectionner(position);
    f_.AfficheStatut(message, Couleur::Rouge);
    f_.TreeViewListingListe->setFocus();
    TreeViewListingListeClick();
}

void EditionListe::SpeedButSaveGestionAdresseClick() {
    if (f_.pageListes->TraitementEnCours)
        return;
    const QString nom = f_.ComboBoxListe2->currentText();
    f_.ReglagesActifs.valListeFav = f_.LMDLImageListe2->Index() == 4 ? nom : QString();
    f_.Fichier().EcrireListeFav(f_.ReglagesActifs.valListeFav);

    f_.EcritStatut(QStringLiteral("Vérification des adresses..."), Couleur::Noir);
    const ListeAdresses& liste = f_.pageListes->Liste();
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
    f_.EcritStatut(QStringLiteral("Enregistrement Des Adresses..."), Couleur::Noir);
    // Only a list file is written: a placeholder of the selectors names none.
    if (TexteAscii::EstNomListe(nom)) {
        // The list reaches the disk whole or not at all: the old file stays until the new
        // one is complete.
        const QString echec =
            EcrireFichierAtomique(f_.CheminProgramme(nom), FichierListe::Ecrire(liste));
        if (!echec.isEmpty())
            throw Erreur(echec);
        f_.AfficheStatut(QStringLiteral("Liste Enregistrée Avec Succes"), Couleur::Vert);
        f_.RechargeApresSauvegarde = true;
        f_.pageListes->Charger();
    } else {
        f_.AfficheStatut(QStringLiteral("Aucune Liste Selectionnée"), Couleur::Rouge);
    }
    ActiverEnregistrement(false);
    f_.TimerResetStatusInfos->start();
}
