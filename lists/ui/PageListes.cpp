#include "lists/ui/PageListes.h"

#include "app/Reglages.h"
#include "commun/Erreur.h"
#include "commun/MessageSysteme.h"
#include "commun/ui/Dialogues.h"
#include "commun/ui/FiltreEvenements.h"
#include "commun/ui/Gestionnaires.h"
#include "commun/ui/ImageMarque.h"
#include "commun/ui/LigneStatut.h"
#include "lists/CatalogueListes.h"
#include "lists/Corbeille.h"
#include "lists/FichierListe.h"
#include "lists/TexteAscii.h"
#include "lists/ui/ControlesListes.h"
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
#include <cerrno>

namespace {
const char16_t kGuillemet = u'"';

QString Compte(int n) {
    return QStringLiteral(" %1 ").arg(n);
}
} // namespace

PageListes::PageListes(ControlesListes& c, SelecteurEnvoi envois, ListeChargee& liste,
                       Gestionnaires& gestionnaires, LigneStatut& statut, Dialogues& dialogues,
                       const Reglages& reglages, const QString& repertoire)
    : c_(c), envois_(envois), liste_(liste), statut_(statut), dialogues_(dialogues),
      reglages_(reglages), repertoire_(repertoire) {
    auto& g = gestionnaires;
    g.Relier(envois.ComboBoxListe1, &QComboBox::activated, [this] { ComboBoxListe1Change(); });
    g.Relier(c.ComboBoxListe2, &QComboBox::activated, [this] { ComboBoxListe2Change(); });
    g.Relier(c.LMDLImageListe2, &ImageMarque::Clic, [this] { LMDLImageListe2Click(); });
    g.Relier(c.EditNomNouvelleListe, &QLineEdit::textChanged,
             [this] { EditNomNouvelleListeChange(); });
    g.RelierTouche(c.EditNomNouvelleListe,
                   [this](QKeyEvent* e) { return EditNomNouvelleListeKeyPress(e); });
    g.Relier(c.SpeedButCreerFichier, &QPushButton::clicked,
             [this] { SpeedButCreerFichierClick(); });
    g.Relier(c.SpeedButSupprimerListe, &QPushButton::clicked,
             [this] { SpeedButSupprimerListeClick(); });
}

QString PageListes::Chemin(const QString& nom) const {
    return QDir(repertoire_).filePath(nom);
}

void PageListes::ChargeListe() {
    if (liste_.TraitementEnCours)
        return;
    envois_.ComboBoxListe1->clear();
    c_.ComboBoxListe2->clear();
    QStringList noms = CatalogueListes(repertoire_);
    if (noms.isEmpty())
        noms = {QStringLiteral("Aucune"), QStringLiteral("Liste"), QStringLiteral("Détectée")};
    envois_.ComboBoxListe1->addItems(noms);
    c_.ComboBoxListe2->addItems(noms);
    envois_.ComboBoxListe1->setCurrentIndex(-1);
    c_.ComboBoxListe2->setCurrentIndex(-1);
}

void PageListes::ComboBoxListe1Change() {
    if (liste_.TraitementEnCours)
        return;
    c_.ComboBoxListe2->setCurrentIndex(envois_.ComboBoxListe1->currentIndex());
    Charger(true);
}

void PageListes::ChoisirPourEnvoi(const QString& nom) {
    ChargeListe();
    envois_.ComboBoxListe1->setCurrentIndex(
        envois_.ComboBoxListe1->findText(nom, Qt::MatchExactly));
    ComboBoxListe1Change();
}

void PageListes::ComboBoxListe2Change() {
    if (liste_.TraitementEnCours)
        return;
    Charger(true);
}

void PageListes::Charger(bool annoncer) {
    c_.LabTotalAdresse->setText(Compte(0));
    const QString nom = c_.ComboBoxListe2->currentText();
    if (!TexteAscii::EstNomListe(nom)) {
        liste_.Vider();
        return;
    }
    c_.SpeedButSaveGestionAdresse->setEnabled(false);
    c_.SpeedButSupDoublon->setEnabled(false);
    c_.SpeedButAnnuleModifGestionAdresse->setEnabled(false);
    c_.LMDLImageListe2->DefinirIndex(nom == reglages_.valListeFav ? 4 : 3);

    const QString chemin = Chemin(nom);
    if (!QFile::exists(chemin)) {
        dialogues_.Message(QStringLiteral("Erreur lors du Chargement de la Liste...\n"
                                          "Selectionner une Liste."));
        return;
    }
    QFile fichier(chemin);
    QByteArray octets;
    errno = 0;
    if (fichier.open(QIODevice::ReadOnly))
        octets = fichier.readAll();
    if (fichier.error() != QFileDevice::NoError) {
        const int code = errno != 0 ? errno : EIO;
        liste_.Vider();
        throw Erreur(QStringLiteral("Impossible de lire la liste \"%1\". %2")
                         .arg(chemin, MessageSysteme(code)));
    }
    fichier.close();
    const QString texte = DecoderTexteFichier(octets);
    octets.clear();
    liste_.Modele().Remplacer([&](ListeAdresses& l) { FichierListe::Lire(texte, l); });

    const int nombre = liste_.Liste().Nombre();
    if (annoncer)
        statut_.EcritStatut(QString::number(nombre) + (nombre >= 1
                                                           ? QStringLiteral(" adresses chargées")
                                                           : QStringLiteral(" adresse chargée")),
                            Couleur::Noir);
    c_.EditAdresseListeSelected->clear();
    c_.EditAdresseListeSelected->setEnabled(false);
    c_.SpeedButRenommerAdresse->setEnabled(false);
    c_.SpeedButSupprimerAdresse->setEnabled(false);
    statut_.RelancerRepos();
    if (!c_.ComboBoxListe2->currentText().isEmpty())
        c_.LabTotalAdresse->setText(Compte(nombre));
    if (!envois_.ComboBoxListe1->currentText().isEmpty())
        envois_.LabTotalAdresse2->setText(Compte(nombre));

    if (!liste_.Liste().EstVide()) {
        liste_.Modele().DebutChangement();
        liste_.Modele().ListeModifiable().RetirerVidesFinales();
        liste_.Modele().FinChangement();
        if (!liste_.Liste().EstVide())
            c_.TreeViewListingListe->expandRecursively(liste_.Modele().Index(0));
        liste_.Trier();
    }
    c_.EditAjoutAdresse->setEnabled(true);
    c_.SpeedButAjouterAdresse->setEnabled(true);
    c_.SpeedButImporterMail->setEnabled(true);
    c_.EditFindAdresse->setEnabled(true);
    c_.SpeedButFindAdresse->setEnabled(true);
    c_.SpeedButSupDoublon->setEnabled(true);
}

void PageListes::LMDLImageListe2Click() {
    if (liste_.TraitementEnCours || !TexteAscii::EstNomListe(c_.ComboBoxListe2->currentText()))
        return;
    c_.LMDLImageListe2->DefinirIndex(c_.LMDLImageListe2->Index() == 4 ? 3 : 4);
    c_.SpeedButSaveGestionAdresse->setEnabled(true);
    c_.SpeedButAnnuleModifGestionAdresse->setEnabled(true);
}

void PageListes::EditNomNouvelleListeChange() {
    StyleTexte::Couleur(c_.EditNomNouvelleListe, StyleTexte::Marine());
    c_.SpeedButCreerFichier->setEnabled(!c_.EditNomNouvelleListe->text().isEmpty());
}

bool PageListes::EditNomNouvelleListeKeyPress(QKeyEvent* e) {
    if (!EstToucheEntree(e))
        return false;
    SpeedButCreerFichierClick();
    return true;
}

void PageListes::SpeedButCreerFichierClick() {
    if (liste_.TraitementEnCours)
        return;
    StyleTexte::Couleur(c_.EditNomNouvelleListe, StyleTexte::Marine());
    const QString nom = c_.EditNomNouvelleListe->text() + QStringLiteral(".list");
    // A separator would put the file in another directory than the program's.
    if (nom.contains(u'/') || nom.contains(QChar(0)))
        throw Erreur(QStringLiteral("La syntaxe du nom de fichier, de répertoire ou de volume est "
                                    "incorrecte."));
    const QString chemin = Chemin(nom);
    if (QFileInfo::exists(chemin)) {
        StyleTexte::Couleur(c_.EditNomNouvelleListe, StyleTexte::Rouge());
        statut_.AfficheStatut(QStringLiteral("Le Fichier Existe Déjà !"),
                              statut_.CouleurActuelle());
        return;
    }
    QDir().mkpath(repertoire_);
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw Erreur(QStringLiteral("Impossible de créer le fichier \"%1\". %2")
                         .arg(chemin, MessageSysteme(errno)));
    fichier.close();
    liste_.Vider();
    ChargeListe();
    statut_.AfficheStatut(QStringLiteral("Le Fichier A Bien Eté Créé"), Couleur::Vert);
}

void PageListes::SpeedButSupprimerListeClick() {
    if (liste_.TraitementEnCours)
        return;
    const QString nom = c_.ComboBoxListe2->currentText();
    const QString cite = kGuillemet + nom + kGuillemet;
    if (!dialogues_.Question(QStringLiteral("Envoyer La Liste ") + cite +
                             QStringLiteral(" Dans La Corbeille ?")))
        return;
    const QFileInfo info(Chemin(nom));
    if (nom.isEmpty() || !info.exists() || info.isDir()) {
        statut_.AfficheStatut(QStringLiteral("Le Fichier ") + cite +
                                  QStringLiteral(" N'A PAS ETE TROUVE."),
                              Couleur::Rouge);
        return;
    }
    // The user is told when the trash refused the file, and the list stays where it was.
    if (!EnvoiCorbeille(info.filePath())) {
        statut_.AfficheStatut(QStringLiteral("Le Fichier ") + cite +
                                  QStringLiteral(" N'A PAS PU ETRE ENVOYE DANS LA CORBEILLE."),
                              Couleur::Rouge);
        return;
    }
    statut_.AfficheStatut(QStringLiteral("Le Fichier ") + cite +
                              QStringLiteral(" A Eté Envoyé Dans La Corbeille."),
                          Couleur::Noir);
    liste_.Vider();
    ChargeListe();
}
