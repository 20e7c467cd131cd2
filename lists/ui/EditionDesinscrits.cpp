#include "lists/ui/EditionDesinscrits.h"

#include "commun/ui/Couleur.h"
#include "commun/ui/Dialogues.h"
#include "commun/ui/Fabrique.h"
#include "commun/ui/Gestionnaires.h"
#include "commun/ui/LigneStatut.h"
#include "lists/ListeAdresses.h"
#include "lists/ui/ControlesListes.h"
#include "lists/ui/ListeChargee.h"
#include "mail/LectureAdresses.h"
#include "returns/Desinscrits.h"
#include "returns/FichierTexte.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using namespace Fabrique;

EditionDesinscrits::EditionDesinscrits(QWidget& page, ControlesListes& listes, ListeChargee& liste,
                                       Gestionnaires& gestionnaires, LigneStatut& statut,
                                       Dialogues& dialogues, QString repertoire)
    : listes_(listes), liste_(liste), statut_(statut), dialogues_(dialogues),
      repertoire_(std::move(repertoire)) {
    QWidget* p = &page;
    c_.SpeedButDesinscrits =
        Bouton(p, "SpeedButDesinscrits", QStringLiteral("Désinscrits..."), 548, 2, 129, 20);
    c_.SpeedButDesinscrits->setToolTip(
        QStringLiteral("Les adresses auxquelles aucune campagne n'écrira plus"));
    c_.PanelDesinscrits = Panneau(p, "PanelDesinscrits", 0, 0, 690, 410);
    QWidget* d = c_.PanelDesinscrits;
    Police(Etiquette(d, "",
                     QStringLiteral("Désinscrits : aucune campagne n'écrit à ces adresses "
                                    "(une par ligne)."),
                     8, 8),
           QStringLiteral("Tahoma"), 8, true);
    c_.MemoDesinscrits = Creer<QPlainTextEdit>(d, "MemoDesinscrits", 8, 30, 520, 340);
    c_.LabTotalDesinscrits = Etiquette(d, "LabTotalDesinscrits", QString(), 8, 378, 300);
    c_.SpeedButImporterDesinscrits =
        Bouton(d, "SpeedButImporterDesinscrits", QStringLiteral("Importer Depuis Un Ficher"), 538,
               30, 144, 22);
    c_.SpeedButEnrDesinscrits =
        Bouton(d, "SpeedButEnrDesinscrits", QStringLiteral("Enregistrer"), 538, 320, 144, 22);
    c_.SpeedButFermerDesinscrits =
        Bouton(d, "SpeedButFermerDesinscrits", QStringLiteral("Fermer"), 538, 348, 144, 22);
    d->hide();

    gestionnaires.Relier(c_.SpeedButDesinscrits, &QPushButton::clicked,
                         [this] { SpeedButDesinscritsClick(); });
    gestionnaires.Relier(c_.SpeedButImporterDesinscrits, &QPushButton::clicked,
                         [this] { SpeedButImporterDesinscritsClick(); });
    gestionnaires.Relier(c_.SpeedButEnrDesinscrits, &QPushButton::clicked,
                         [this] { SpeedButEnrDesinscritsClick(); });
    gestionnaires.Relier(c_.SpeedButFermerDesinscrits, &QPushButton::clicked,
                         [this] { SpeedButFermerDesinscritsClick(); });
    gestionnaires.Relier(c_.MemoDesinscrits, &QPlainTextEdit::textChanged, [this] { Compter(); });
    // Noted when pressed, told once the list's own handler has added it.
    gestionnaires.Relier(listes.SpeedButAjouterAdresse, &QPushButton::pressed,
                         [this] { ajoutee_ = listes_.EditAjoutAdresse->text(); });
    gestionnaires.Relier(listes.SpeedButAjouterAdresse, &QPushButton::clicked,
                         [this] { SignalerAdresse(ajoutee_); });
    // This filter runs before the list's own, which adds the address on Enter.
    gestionnaires.RelierTouche(listes.EditAjoutAdresse, [this](QKeyEvent* e) {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            QTimer::singleShot(
                0, c_.PanelDesinscrits,
                [this, texte = listes_.EditAjoutAdresse->text()] { SignalerAdresse(texte); });
        }
        return false;
    });
    gestionnaires.Relier(listes.SpeedButImporterListeMail, &QPushButton::clicked,
                         [this] { SignalerListe(); });
}

void EditionDesinscrits::SpeedButDesinscritsClick() {
    c_.MemoDesinscrits->setPlainText(Desinscrits(repertoire_).Adresses().join(u'\n'));
    c_.PanelDesinscrits->show();
    c_.PanelDesinscrits->raise();
    c_.MemoDesinscrits->setFocus();
}

void EditionDesinscrits::SpeedButImporterDesinscritsClick() {
    const QString chemin = dialogues_.OuvrirFichier(repertoire_);
    if (chemin.isEmpty())
        return;
    QStringList adresses;
    for (const QString& ligne : FichierTexte::Lire(chemin)) {
        AdressesCourriel lues;
        LireListeAdresses(ligne, lues);
        for (const AdresseCourriel& a : lues)
            if (a.Adresse.contains(u'@'))
                adresses << a.Adresse;
    }
    if (!adresses.isEmpty())
        c_.MemoDesinscrits->appendPlainText(adresses.join(u'\n'));
    statut_.AfficheStatut(QStringLiteral("%1 adresse(s) lue(s) dans le fichier : enregistrez pour "
                                         "les garder.")
                              .arg(adresses.size()),
                          Couleur::Noir);
}

void EditionDesinscrits::SpeedButEnrDesinscritsClick() {
    Desinscrits desinscrits(repertoire_);
    desinscrits.Remplacer(c_.MemoDesinscrits->toPlainText().split(u'\n', Qt::SkipEmptyParts));
    c_.MemoDesinscrits->setPlainText(desinscrits.Adresses().join(u'\n'));
    statut_.AfficheStatut(QStringLiteral("Désinscrits enregistrés : %1 adresse(s).")
                              .arg(desinscrits.Adresses().size()),
                          Couleur::Vert);
}

void EditionDesinscrits::SpeedButFermerDesinscritsClick() {
    c_.PanelDesinscrits->hide();
}

void EditionDesinscrits::SignalerAdresse(const QString& texte) {
    if (!texte.trimmed().isEmpty() && Desinscrits(repertoire_).Contient(texte))
        statut_.AfficheStatut(QStringLiteral("%1 est dans les Désinscrits : gardée dans la "
                                             "liste, aucune campagne ne lui écrira.")
                                  .arg(Desinscrits::Cle(texte)),
                              Couleur::Orange);
}

void EditionDesinscrits::SignalerListe() {
    const Desinscrits desinscrits(repertoire_);
    const ListeAdresses& liste = liste_.Liste();
    int nombre = 0;
    for (int i = 0; i < liste.Nombre(); ++i)
        nombre += desinscrits.Contient(liste.Texte(i).toString()) ? 1 : 0;
    if (nombre > 0)
        statut_.AfficheStatut(QStringLiteral("%1 adresse(s) de la liste sont dans les "
                                             "Désinscrits : aucune campagne ne leur écrira.")
                                  .arg(nombre),
                              Couleur::Orange);
}

void EditionDesinscrits::Compter() {
    const QStringList lignes = c_.MemoDesinscrits->toPlainText().split(u'\n', Qt::SkipEmptyParts);
    c_.LabTotalDesinscrits->setText(QStringLiteral("%1 ligne(s)").arg(lignes.size()));
}
