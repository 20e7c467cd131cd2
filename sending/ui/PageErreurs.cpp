#include "sending/ui/PageErreurs.h"

#include "app/ui/ImageMarque.h"
#include "app/ui/TForm1.h"
#include "commun/EcritureAtomique.h"
#include "commun/Erreur.h"
#include "lists/FichierListe.h"
#include "lists/ListeAdresses.h"
#include "lists/NomListe.h"
#include "lists/ui/PageListes.h"
#include "lists/ui/RechercheAdresse.h"
#include "sending/FichierErreurs.h"

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

PageErreurs::PageErreurs(TForm1& f) : f_(f) {
    f.Relier(f.ListBoxErrAdresse, &QListWidget::itemClicked, [this] { ListBoxErrAdresseClick(); });
    // The arrow keys move the selection too: the description follows it as for a click.
    f.Relier(f.ListBoxErrAdresse, &QListWidget::currentRowChanged,
             [this] { ListBoxErrAdresseClick(); });
    f.Relier(f.ListBoxErrAdresse, &QListWidget::itemDoubleClicked,
             [this] { ListBoxErrAdresseDblClick(); });
    f.Relier(f.SpeedButton1, &QPushButton::clicked, [this] { SpeedButton1Click(); });
    f.Relier(f.SpeedButRenvoyerErreurs, &QPushButton::clicked,
             [this] { SpeedButRenvoyerErreursClick(); });
}

void PageErreurs::Reinitialiser() {
    fichierErreurs_ = FichierErreurs::Nom(f_.Repertoire(), f_.EditSujetMessage->text(),
                                          QDateTime::currentDateTime());
    QDir().mkpath(f_.Repertoire());
    rapport_.clear();
    f_.MemoErreurEnvois->clear();
    f_.ListBoxErrAdresse->clear();
    f_.ListBoxErrDescription->clear();
    f_.PageControlPrinc->setTabVisible(f_.PageControlPrinc->indexOf(f_.TabSheetErreur), false);
    f_.LabFichierErrEnvois->setText(fichierErreurs_);
}

void PageErreurs::Reporter(const QList<ResultatEnvoi>& echecs) {
    for (const ResultatEnvoi& e : echecs) {
        rapport_ += e.EntreeRapport();
        // Appended at the end: a campaign whose every address fails stays linear.
        QTextCursor fin(f_.MemoErreurEnvois->document());
        fin.movePosition(QTextCursor::End);
        fin.insertText(e.EntreeRapport());
        f_.ListBoxErrAdresse->addItem(e.adresse);
        f_.ListBoxErrDescription->addItem(e.Description());
    }
}

void PageErreurs::Reveler() {
    if (f_.ListBoxErrAdresse->count() == 0)
        return;
    f_.LabTotalErr->setText(QString::number(f_.ListBoxErrAdresse->count()));
    f_.PageControlPrinc->setTabVisible(f_.PageControlPrinc->indexOf(f_.TabSheetErreur), true);
}

void PageErreurs::ListBoxErrAdresseClick() {
    const int k = f_.ListBoxErrAdresse->currentRow();
    if (k < 0 || !f_.ListBoxErrAdresse->currentItem()->isSelected())
        return;
    f_.ListBoxErrDescription->setCurrentRow(k);
    f_.LabErrDiscription->setText(f_.ListBoxErrDescription->item(k)->text());
}

void PageErreurs::ListBoxErrAdresseDblClick() {
    QListWidgetItem* choisi = f_.ListBoxErrAdresse->currentItem();
    if (!choisi || !choisi->isSelected())
        return;
    f_.EditFindAdresse->setText(choisi->text());
    f_.SelectionnerPage(f_.TabSheetAdresseMail);
    f_.rechercheAdresse->SpeedButFindAdresseClick();
    f_.TabSheetAdresseMail->setFocus();
}

void PageErreurs::SpeedButton1Click() {
    FichierErreurs::Enregistrer(fichierErreurs_, f_.Repertoire(), rapport_);
    f_.LMDLImageEnregistrementErrOk->setVisible(QFileInfo::exists(fichierErreurs_));
}

void PageErreurs::SpeedButRenvoyerErreursClick() {
    // The list commands are ignored while one of them walks the loaded list.
    if (f_.pageListes->TraitementEnCours)
        return;
    ListeAdresses liste;
    QSet<QString> vues;
    for (int i = 0; i < f_.ListBoxErrAdresse->count(); ++i) {
        const QString adresse = f_.ListBoxErrAdresse->item(i)->text();
        if (!vues.contains(adresse)) {
            vues.insert(adresse);
            liste.Ajouter(adresse, 0, 0);
        }
    }
    if (liste.EstVide())
        return;
    const std::optional<QString> saisie =
        f_.Boites().Saisir(QStringLiteral("Nom de la nouvelle liste des adresses en erreur :"),
                           QFileInfo(fichierErreurs_).completeBaseName() + QStringLiteral(".list"));
    if (!saisie)
        return;
    const QString nom = NomListe::Completer(*saisie);
    if (const QString refus = NomListe::Refus(nom); !refus.isEmpty()) {
        f_.Boites().Message(refus);
        f_.AfficheStatut(QStringLiteral("Liste Non Créée"), Couleur::Rouge);
        return;
    }
    const QString chemin = f_.CheminProgramme(nom);
    const QFileInfo existant(chemin);
    if (existant.exists() && !existant.isFile())
        throw Erreur(QStringLiteral("Impossible de créer la liste \"%1\" : un dossier porte ce "
                                    "nom.")
                         .arg(nom));
    if (existant.exists() &&
        !f_.Boites().Question(QStringLiteral("La liste \"%1\" existe déjà. La remplacer par "
                                             "les adresses en erreur ?")
                                  .arg(nom))) {
        f_.AfficheStatut(QStringLiteral("Liste Non Créée"), Couleur::Rouge);
        return;
    }
    QDir().mkpath(f_.Repertoire());
    if (const QString echec = EcrireFichierAtomique(chemin, FichierListe::Ecrire(liste));
        !echec.isEmpty())
        throw Erreur(QStringLiteral("Impossible de créer la liste \"%1\". %2").arg(nom, echec));

    f_.pageListes->ChargeListe();
    f_.ComboBoxListe1->setCurrentIndex(f_.ComboBoxListe1->findText(nom, Qt::MatchExactly));
    f_.pageListes->ComboBoxListe1Change();
    f_.SelectionnerPage(f_.TabSheetPrincipale);
    const int n = liste.Nombre();
    f_.AfficheStatut(QStringLiteral("Liste \"%1\" créée avec %2 adresse%3 en erreur, prête à "
                                    "l'envoi.")
                         .arg(nom)
                         .arg(n)
                         .arg(n > 1 ? QStringLiteral("s") : QString()),
                     Couleur::Vert);
}
