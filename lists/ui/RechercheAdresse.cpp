#include "lists/ui/RechercheAdresse.h"

#include "commun/ui/FiltreEvenements.h"
#include "commun/ui/Gestionnaires.h"
#include "commun/ui/LigneStatut.h"
#include "lists/Jokers.h"
#include "lists/ListeAdresses.h"
#include "lists/TexteAscii.h"
#include "lists/ui/ControlesListes.h"
#include "lists/ui/ListeChargee.h"
#include "lists/ui/StyleTexte.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

namespace {
// Events are processed whenever this much time has passed in the walk: the user cannot tell
// it from processing them after every item, which would cost more than the matching.
constexpr qint64 kPauseMs = 15;

// The text with its ASCII letters lowered, into a buffer reused from item to item.
QStringView Minuscules(QStringView texte, QString& tampon) {
    tampon.resize(texte.size());
    QChar* d = tampon.data();
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const char16_t c = texte[i].unicode();
        d[i] = QChar(c >= u'A' && c <= u'Z' ? c + 32 : c);
    }
    return tampon;
}
} // namespace

RechercheAdresse::RechercheAdresse(ControlesListes& c, ListeChargee& liste,
                                   Gestionnaires& gestionnaires, LigneStatut& statut,
                                   const bool& fermeture)
    : c_(c), liste_(liste), statut_(statut), fermeture_(fermeture) {
    auto& g = gestionnaires;
    g.Relier(c.EditFindAdresse, &QLineEdit::textChanged, [this] { EditFindAdresseChange(); });
    g.RelierClic(c.EditFindAdresse, [this] { EditFindAdresseClick(); });
    g.RelierTouche(c.EditFindAdresse, [this](QKeyEvent* e) { return EditFindAdresseKeyPress(e); });
    g.Relier(c.SpeedButFindAdresse, &QPushButton::clicked, [this] { SpeedButFindAdresseClick(); });
    g.Relier(c.SpeedButArreterRecherche, &QPushButton::clicked,
             [this] { SpeedButArreterRechercheClick(); });
}

void RechercheAdresse::EditFindAdresseChange() {
    QLineEdit* boite = c_.EditFindAdresse;
    const QString texte = boite->text();
    if (texte.isEmpty()) {
        boite->setText(Indication());
        return;
    }
    if (texte == Indication()) {
        boite->setCursorPosition(0);
        StyleTexte::Couleur(boite, StyleTexte::Argent());
        return;
    }
    StyleTexte::Couleur(boite, StyleTexte::Marine());
    QString sans = texte;
    sans.remove(Indication(), Qt::CaseInsensitive);
    if (sans != texte)
        boite->setText(sans);
    boite->setCursorPosition(static_cast<int>(boite->text().size()));
}

void RechercheAdresse::EditFindAdresseClick() {
    if (c_.EditFindAdresse->text() == Indication())
        c_.EditFindAdresse->setCursorPosition(0);
}

bool RechercheAdresse::EditFindAdresseKeyPress(QKeyEvent* e) {
    if (!EstToucheEntree(e))
        return false;
    SpeedButFindAdresseClick();
    return true;
}

void RechercheAdresse::ChercherAdresse(const QString& adresse) {
    c_.EditFindAdresse->setText(adresse);
    SpeedButFindAdresseClick();
}

void RechercheAdresse::SpeedButFindAdresseClick() {
    const ListeAdresses& liste = liste_.Liste();
    if (liste_.TraitementEnCours || liste.EstVide())
        return;
    // The walk keeps positions in the list: nothing may change it until the walk ends.
    const auto occupe = liste_.Occuper();

    arret_ = false;
    c_.SpeedButFindAdresse->setEnabled(false);
    statut_.EcritStatut(QStringLiteral("Recherche En Cours..."), Couleur::Noir);
    c_.SpeedButArreterRecherche->setEnabled(true);
    // The walk below keeps the window alive through short pauses (its "Arrêter" button, a
    // close, the pattern typed meanwhile); the list is marked busy, so no other list command
    // runs in them. This first one shows the status and the button before it starts.
    QCoreApplication::processEvents();

    int position = 0;
    if (RechercheEnSuite && CurseurRecherche != 0) {
        const int dernier = liste.Position(CurseurRecherche);
        if (dernier >= 0)
            position = dernier + 1;
    }
    // The box can change only while events are processed: it is read again after each pause.
    const auto masque = [this] {
        return TexteAscii::Minuscules(QStringLiteral("*") + c_.EditFindAdresse->text() +
                                      QStringLiteral("*"));
    };
    QString motif = masque();
    QString tampon;
    QElapsedTimer depuisPause;
    depuisPause.start();
    for (const int n = liste.Nombre(); position < n; ++position) {
        if (CorrespondMasque(Minuscules(liste.Texte(position), tampon), motif)) {
            c_.SpeedButFindAdresse->setEnabled(true);
            c_.TreeViewListingListe->setFocus();
            liste_.Selectionner(position);
            c_.ImageRechercheSuite->show();
            statut_.AfficheStatut(QStringLiteral("Adresse Trouvée."), Couleur::Vert);
            c_.SpeedButArreterRecherche->setEnabled(false);
            CurseurRecherche = liste.Id(position);
            RechercheEnSuite = true;
            c_.EditFindAdresse->setFocus();
            return;
        }
        if (depuisPause.elapsed() >= kPauseMs) {
            // See above: a pause of the walk.
            QCoreApplication::processEvents();
            depuisPause.start();
            motif = masque();
        }
        if (arret_ || fermeture_)
            return;
    }
    statut_.EcritStatut(QStringLiteral("...Fin De Recherche."), Couleur::Noir);
    c_.SpeedButArreterRecherche->setEnabled(false);
    statut_.RelancerRepos();
    c_.SpeedButFindAdresse->setEnabled(true);
    c_.ImageRechercheSuite->hide();
    RechercheEnSuite = false;
}

void RechercheAdresse::SpeedButArreterRechercheClick() {
    arret_ = true;
    RechercheEnSuite = false;
    c_.SpeedButArreterRecherche->setEnabled(false);
    c_.SpeedButFindAdresse->setEnabled(true);
}
