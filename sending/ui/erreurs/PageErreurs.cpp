#include "sending/ui/erreurs/PageErreurs.h"

#include "commun/EcritureAtomique.h"
#include "commun/Erreur.h"
#include "commun/ui/ChercheAdresse.h"
#include "commun/ui/ChoixListeEnvoi.h"
#include "commun/ui/Dialogues.h"
#include "commun/ui/Gestionnaires.h"
#include "commun/ui/ImageMarque.h"
#include "commun/ui/LigneStatut.h"
#include "commun/ui/ListeEnvoi.h"
#include "commun/ui/Onglets.h"
#include "lists/FichierListe.h"
#include "lists/ListeAdresses.h"
#include "lists/NomListe.h"
#include "sending/FichierErreurs.h"
#include "sending/ui/erreurs/ControlesErreurs.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextDocument>

PageErreurs::PageErreurs(ControlesErreurs& c, const QLineEdit& sujet, Gestionnaires& gestionnaires,
                         LigneStatut& statut, Dialogues& dialogues, const ListeEnvoi& liste,
                         ChercheAdresse& recherche, ChoixListeEnvoi& choixListe, Onglets& onglets,
                         PagesErreurs pages, QString repertoire)
    : c_(c), sujet_(sujet), statut_(statut), dialogues_(dialogues), liste_(liste),
      recherche_(recherche), choixListe_(choixListe), onglets_(onglets), pages_(pages),
      repertoire_(std::move(repertoire)) {
    Gestionnaires& g = gestionnaires;
    g.Relier(c.ListBoxErrAdresse, &QListWidget::itemClicked, [this] { ListBoxErrAdresseClick(); });
    // The arrow keys move the selection too: the description follows it as for a click.
    g.Relier(c.ListBoxErrAdresse, &QListWidget::currentRowChanged,
             [this] { ListBoxErrAdresseClick(); });
    g.Relier(c.ListBoxErrAdresse, &QListWidget::itemDoubleClicked,
             [this] { ListBoxErrAdresseDblClick(); });
    g.Relier(c.SpeedButton1, &QPushButton::clicked, [this] { SpeedButton1Click(); });
    g.Relier(c.SpeedButRenvoyerErreurs, &QPushButton::clicked,
             [this] { SpeedButRenvoyerErreursClick(); });
}

void PageErreurs::Reinitialiser() {
    fichierErreurs_ = FichierErreurs::Nom(repertoire_, sujet_.text(), QDateTime::currentDateTime());
    QDir().mkpath(repertoire_);
    rapport_.clear();
    c_.MemoErreurEnvois->clear();
    c_.ListBoxErrAdresse->clear();
    c_.ListBoxErrDescription->clear();
    onglets_.Montrer(pages_.erreurs, false);
    c_.LabFichierErrEnvois->setText(fichierErreurs_);
}

void PageErreurs::Reporter(const QList<ResultatEnvoi>& echecs) {
    for (const ResultatEnvoi& e : echecs) {
        rapport_ += e.EntreeRapport();
        // Appended at the end: a campaign whose every address fails stays linear.
        QTextCursor fin(c_.MemoErreurEnvois->document());
        fin.movePosition(QTextCursor::End);
        fin.insertText(e.EntreeRapport());
        c_.ListBoxErrAdresse->addItem(e.adresse);
        c_.ListBoxErrDescription->addItem(e.Description());
    }
}

void PageErreurs::Reveler() {
    if (c_.ListBoxErrAdresse->count() == 0)
        return;
    c_.LabTotalErr->setText(QString::number(c_.ListBoxErrAdresse->count()));
    onglets_.Montrer(pages_.erreurs, true);
}

void PageErreurs::ListBoxErrAdresseClick() {
    const int k = c_.ListBoxErrAdresse->currentRow();
    if (k < 0 || !c_.ListBoxErrAdresse->currentItem()->isSelected())
        return;
    c_.ListBoxErrDescription->setCurrentRow(k);
    c_.LabErrDiscription->setText(c_.ListBoxErrDescription->item(k)->text());
}

void PageErreurs::ListBoxErrAdresseDblClick() {
    QListWidgetItem* choisi = c_.ListBoxErrAdresse->currentItem();
    if (!choisi || !choisi->isSelected())
        return;
    onglets_.Selectionner(pages_.adresses);
    recherche_.ChercherAdresse(choisi->text());
    pages_.adresses->setFocus();
}

void PageErreurs::SpeedButton1Click() {
    FichierErreurs::Enregistrer(fichierErreurs_, repertoire_, rapport_);
    c_.LMDLImageEnregistrementErrOk->setVisible(QFileInfo::exists(fichierErreurs_));
}

void PageErreurs::SpeedButRenvoyerErreursClick() {
    // The list commands are ignored while one of them walks the loaded list.
    if (liste_.Occupee())
        return;
    ListeAdresses liste;
    QSet<QString> vues;
    for (int i = 0; i < c_.ListBoxErrAdresse->count(); ++i) {
        const QString adresse = c_.ListBoxErrAdresse->item(i)->text();
        if (!vues.contains(adresse)) {
            vues.insert(adresse);
            liste.Ajouter(adresse, 0, 0);
        }
    }
    if (liste.EstVide())
        return;
    const std::optional<QString> saisie =
        dialogues_.Saisir(QStringLiteral("Nom de la nouvelle liste des adresses en erreur :"),
                          QFileInfo(fichierErreurs_).completeBaseName() + QStringLiteral(".list"));
    if (!saisie)
        return;
    const QString nom = NomListe::Completer(*saisie);
    if (const QString refus = NomListe::Refus(nom); !refus.isEmpty()) {
        dialogues_.Message(refus);
        statut_.AfficheStatut(QStringLiteral("Liste Non Créée"), Couleur::Rouge);
        return;
    }
    const QString chemin = QDir(repertoire_).filePath(nom);
    const QFileInfo existant(chemin);
    if (existant.exists() && !existant.isFile())
        throw Erreur(QStringLiteral("Impossible de créer la liste \"%1\" : un dossier porte ce "
                                    "nom.")
                         .arg(nom));
    if (existant.exists() &&
        !dialogues_.Question(QStringLiteral("La liste \"%1\" existe déjà. La remplacer par "
                                            "les adresses en erreur ?")
                                 .arg(nom))) {
        statut_.AfficheStatut(QStringLiteral("Liste Non Créée"), Couleur::Rouge);
        return;
    }
    QDir().mkpath(repertoire_);
    if (const QString echec = EcrireFichierAtomique(chemin, FichierListe::Ecrire(liste));
        !echec.isEmpty())
        throw Erreur(QStringLiteral("Impossible de créer la liste \"%1\". %2").arg(nom, echec));

    choixListe_.ChoisirPourEnvoi(nom);
    onglets_.Selectionner(pages_.envois);
    const int n = liste.Nombre();
    statut_.AfficheStatut(QStringLiteral("Liste \"%1\" créée avec %2 adresse%3 en erreur, prête à "
                                         "l'envoi.")
                              .arg(nom)
                              .arg(n)
                              .arg(n > 1 ? QStringLiteral("s") : QString()),
                          Couleur::Vert);
}
