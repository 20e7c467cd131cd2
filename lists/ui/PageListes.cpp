#include "lists/ui/PageListes.h"

#include "app/ui/FiltreEvenements.h"
#include "app/ui/ImageMarque.h"
#include "app/ui/ListeImages.h"
#include "app/ui/TForm1.h"
#include "commun/Erreur.h"
#include "lists/CatalogueListes.h"
#include "lists/Corbeille.h"
#include "lists/FichierListe.h"
#include "lists/TexteAscii.h"
#include "lists/ui/ModeleListe.h"
#include "lists/ui/StyleTexte.h"

#include "commun/DecodageTexte.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

namespace {
const char16_t kGuillemet = u'"';

QString Compte(int n) {
    return QStringLiteral(" %1 ").arg(n);
}
} // namespace

PageListes::PageListes(TForm1& f)
    : f_(f), modele_(new ModeleListe(f.ImageListTreeview->Icone(0), f.ImageListTreeview->Icone(1),
                                     f.TreeViewListingListe)) {
    f.TreeViewListingListe->setModel(modele_);
    f.Relier(f.ComboBoxListe1, &QComboBox::activated, [this] { ComboBoxListe1Change(); });
    f.Relier(f.ComboBoxListe2, &QComboBox::activated, [this] { ComboBoxListe2Change(); });
    f.Relier(f.LMDLImageListe2, &ImageMarque::Clic, [this] { LMDLImageListe2Click(); });
    f.Relier(f.EditNomNouvelleListe, &QLineEdit::textChanged,
             [this] { EditNomNouvelleListeChange(); });
    f.RelierTouche(f.EditNomNouvelleListe,
                   [this](QKeyEvent* e) { return EditNomNouvelleListeKeyPress(e); });
    f.Relier(f.SpeedButCreerFichier, &QPushButton::clicked,
             [this] { SpeedButCreerFichierClick(); });
    f.Relier(f.SpeedButSupprimerListe, &QPushButton::clicked,
             [this] { SpeedButSupprimerListeClick(); });
}

const ListeAdresses& PageListes::Liste() const {
    return modele_->Liste();
}

void PageListes::ViderArbre() {
    modele_->Remplacer([](ListeAdresses& l) { l.Vider(); });
}

void PageListes::ChargeListe() {
    if (TraitementEnCours)
        return;
    f_.ComboBoxListe1->clear();
    f_.ComboBoxListe2->clear();
    QStringList noms = CatalogueListes(f_.Repertoire());
    if (noms.isEmpty())
        noms = {QStringLiteral("Aucune"), QStringLiteral("Liste"), QStringLiteral("Détectée")};
    f_.ComboBoxListe1->addItems(noms);
    f_.ComboBoxListe2->addItems(noms);
    f_.ComboBoxListe1->setCurrentIndex(-1);
    f_.ComboBoxListe2->setCurrentIndex(-1);
}

void PageListes::ComboBoxListe1Change() {
    if (TraitementEnCours)
        return;
    f_.ComboBoxListe2->setCurrentIndex(f_.ComboBoxListe1->currentIndex());
    Charger();
}

void PageListes::ComboBoxListe2Change() {
    if (TraitementEnCours)
        return;
    Charger();
}

void PageListes::Charger() {
    f_.LabTotalAdresse->setText(Compte(0));
    const QString nom = f_.ComboBoxListe2->currentText();
    if (!TexteAscii::EstNomListe(nom)) {
        ViderArbre();
        return;
    }
    f_.SpeedButSaveGestionAdresse->setEnabled(false);
    f_.SpeedButSupDoublon->setEnabled(false);
    f_.SpeedButAnnuleModifGestionAdresse->setEnabled(false);
    f_.LMDLImageListe2->DefinirIndex(nom == f_.ReglagesActifs.valListeFav ? 4 : 3);

    const QString chemin = f_.CheminProgramme(nom);
    if (!QFile::exists(chemin)) {
        f_.Boites().Message(QStringLiteral("Erreur lors du Chargement de la Liste...\n"
                                           "Selectionner une Liste."));
        return;
    }
    QFile fichier(chemin);
    QByteArray octets;
    if (fichier.open(QIODevice::ReadOnly))
        octets = fichier.readAll();
    if (fichier.error() != QFileDevice::NoError) {
        ViderArbre();
        throw Erreur(fichier.errorString());
    }
    fichier.close();
    const QString texte = DecoderTexteFichier(octets);
    octets.clear();
    modele_->Remplacer([&](ListeAdresses& l) { FichierListe::Lire(texte, l); });

    const int nombre = Liste().Nombre();
    if (f_.RechargeApresSauvegarde)
        f_.RechargeApresSauvegarde = false;
    else
        f_.EcritStatut(QString::number(nombre) + (nombre >= 1 ? QStringLiteral(" adresses chargées")
                                                              : QStringLiteral(" adresse chargée")),
                       Couleur::Noir);
    f_.EditAdresseListeSelected->clear();
    f_.EditAdresseListeSelected->setEnabled(false);
    f_.SpeedButRenommerAdresse->setEnabled(false);
    f_.SpeedButSupprimerAdresse->setEnabled(false);
    f_.TimerResetStatusInfos->start();
    if (!f_.ComboBoxListe2->currentText().isEmpty())
        f_.LabTotalAdresse->setText(Compte(nombre));
    if (!f_.ComboBoxListe1->currentText().isEmpty())
        f_.LabTotalAdresse2->setText(Compte(nombre));

    if (!Liste().EstVide()) {
        modele_->DebutChangement();
        modele_->ListeModifiable().RetirerVidesFinales();
        modele_->FinChangement();
        if (!Liste().EstVide())
            f_.TreeViewListingListe->expandRecursively(modele_->Index(0));
        Trier();
    }
    f_.EditAjoutAdresse->setEnabled(true);
    f_.SpeedButAjouterAdresse->setEnabled(true);
    f_.SpeedButImporterMail->setEnabled(true);
    f_.EditFindAdresse->setEnabled(true);
    f_.SpeedButFindAdresse->setEnabled(true);
    f_.SpeedButSupDoublon->setEnabled(true);
}

void PageListes::Trier() {
    modele_->DebutChangement();
    modele_->ListeModifiable().Trier(collation_);
    modele_->FinChangement();
}

void PageListes::LMDLImageListe2Click() {
    if (TraitementEnCours || !TexteAscii::EstNomListe(f_.ComboBoxListe2->currentText()))
        return;
    f_.LMDLImageListe2->DefinirIndex(f_.LMDLImageListe2->Index() == 4 ? 3 : 4);
    f_.SpeedButSaveGestionAdresse->setEnabled(true);
    f_.SpeedButAnnuleModifGestionAdresse->setEnabled(true);
}

void PageListes::EditNomNouvelleListeChange() {
    StyleTexte::Couleur(f_.EditNomNouvelleListe, StyleTexte::Marine());
    f_.SpeedButCreerFichier->setEnabled(!f_.EditNomNouvelleListe->text().isEmpty());
}

bool PageListes::EditNomNouvelleListeKeyPress(QKeyEvent* e) {
    if (!EstToucheEntree(e))
        return false;
    SpeedButCreerFichierClick();
    return true;
}

void PageListes::SpeedButCreerFichierClick() {
    if (TraitementEnCours)
        return;
    StyleTexte::Couleur(f_.EditNomNouvelleListe, StyleTexte::Marine());
    const QString nom = f_.EditNomNouvelleListe->text() + QStringLiteral(".list");
    // A separator would put the file in another directory than the program's.
    if (nom.contains(u'/') || nom.contains(QChar(0)))
        throw Erreur(QStringLiteral("La syntaxe du nom de fichier, de répertoire ou de volume est "
                                    "incorrecte."));
    const QString chemin = f_.CheminProgramme(nom);
    if (QFileInfo::exists(chemin)) {
        StyleTexte::Couleur(f_.EditNomNouvelleListe, StyleTexte::Rouge());
        f_.AfficheStatut(QStringLiteral("Le Fichier Existe Déjà !"), StyleTexte::CouleurStatut(f_));
        return;
    }
    QDir().mkpath(f_.Repertoire());
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw Erreur(fichier.errorString());
    fichier.close();
    ViderArbre();
    ChargeListe();
    f_.AfficheStatut(QStringLiteral("Le Fichier A Bien Eté Créé"), Couleur::Vert);
}

void PageListes::SpeedButSupprimerListeClick() {
    if (TraitementEnCours)
        return;
    const QString nom = f_.ComboBoxListe2->currentText();
    const QString cite = kGuillemet + nom + kGuillemet;
    if (!f_.Boites().Question(QStringLiteral("Envoyer La Liste ") + cite +
                              QStringLiteral(" Dans La Corbeille ?")))
        return;
    const QFileInfo info(f_.CheminProgramme(nom));
    if (nom.isEmpty() || !info.exists() || info.isDir()) {
        f_.AfficheStatut(QStringLiteral("Le Fichier ") + cite +
                             QStringLiteral(" N'A PAS ETE TROUVE."),
                         Couleur::Rouge);
        return;
    }
    // The user is told when the trash refused the file, and the list stays where it was.
    if (!EnvoiCorbeille(info.filePath())) {
        f_.AfficheStatut(QStringLiteral("Le Fichier ") + cite +
                             QStringLiteral(" N'A PAS PU ETRE ENVOYE DANS LA CORBEILLE."),
                         Couleur::Rouge);
        return;
    }
    f_.AfficheStatut(QStringLiteral("Le Fichier ") + cite +
                         QStringLiteral(" A Eté Envoyé Dans La Corbeille."),
                     Couleur::Noir);
    ViderArbre();
    ChargeListe();
}
