#include "lists/ui/RechercheAdresse.h"

#include "app/ui/FiltreEvenements.h"
#include "app/ui/TForm1.h"
#include "lists/Jokers.h"
#include "lists/ListeAdresses.h"
#include "lists/TexteAscii.h"
#include "lists/ui/EditionListe.h"
#include "lists/ui/PageListes.h"
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

RechercheAdresse::RechercheAdresse(TForm1& f) : f_(f) {
    f.Relier(f.EditFindAdresse, &QLineEdit::textChanged, [this] { EditFindAdresseChange(); });
    f.RelierClic(f.EditFindAdresse, [this] { EditFindAdresseClick(); });
    f.RelierTouche(f.EditFindAdresse, [this](QKeyEvent* e) { return EditFindAdresseKeyPress(e); });
    f.Relier(f.SpeedButFindAdresse, &QPushButton::clicked, [this] { SpeedButFindAdresseClick(); });
    f.Relier(f.SpeedButArreterRecherche, &QPushButton::clicked,
             [this] { SpeedButArreterRechercheClick(); });
}

void RechercheAdresse::EditFindAdresseChange() {
    QLineEdit* boite = f_.EditFindAdresse;
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
    if (f_.EditFindAdresse->text() == Indication())
        f_.EditFindAdresse->setCursorPosition(0);
}

bool RechercheAdresse::EditFindAdresseKeyPress(QKeyEvent* e) {
    if (!EstToucheEntree(e))
        return false;
    SpeedButFindAdresseClick();
    return true;
}

void RechercheAdresse::SpeedButFindAdresseClick() {
    PageListes& page = *f_.pageListes;
    const ListeAdresses& liste = page.Liste();
    if (page.TraitementEnCours || liste.EstVide())
        return;
    // The walk keeps positions in the list: nothing may change it until the walk ends.
    const auto occupe = page.Occuper();

    f_.ArretRecherche = false;
    f_.SpeedButFindAdresse->setEnabled(false);
    f_.EcritStatut(QStringLiteral("Recherche En Cours..."), Couleur::Noir);
    f_.SpeedButArreterRecherche->setEnabled(true);
    QCoreApplication::processEvents();

    int position = 0;
    if (f_.RechercheEnSuite && CurseurRecherche != 0) {
        const int dernier = liste.Position(CurseurRecherche);
        if (dernier >= 0)
            position = dernier + 1;
    }
    // The box can change only while events are processed: it is read again after each pause.
    const auto masque = [this] {
        return TexteAscii::Minuscules(QStringLiteral("*") + f_.EditFindAdresse->text() +
                                      QStringLiteral("*"));
    };
    QString motif = masque();
    QString tampon;
    QElapsedTimer depuisPause;
    depuisPause.start();
    for (const int n = liste.Nombre(); position < n; ++position) {
        if (CorrespondMasque(Minuscules(liste.Texte(position), tampon), motif)) {
            f_.SpeedButFindAdresse->setEnabled(true);
            f_.TreeViewListingListe->setFocus();
            f_.editionListe->Selectionner(position);
            f_.ImageRechercheSuite->show();
            f_.AfficheStatut(QStringLiteral("Adresse Trouvée."), Couleur::Vert);
            f_.SpeedButArreterRecherche->setEnabled(false);
            CurseurRecherche = liste.Id(position);
            f_.RechercheEnSuite = true;
            f_.EditFindAdresse->setFocus();
            return;
        }
        if (depuisPause.elapsed() >= kPauseMs) {
            QCoreApplication::processEvents();
            depuisPause.start();
            motif = masque();
        }
        if (f_.ArretRecherche || f_.FermetureEnCours)
            return;
    }
    f_.EcritStatut(QStringLiteral("...Fin De Recherche."), Couleur::Noir);
    f_.SpeedButArreterRecherche->setEnabled(false);
    f_.TimerResetStatusInfos->start();
    f_.SpeedButFindAdresse->setEnabled(true);
    f_.ImageRechercheSuite->hide();
    f_.RechercheEnSuite = false;
}

void RechercheAdresse::SpeedButArreterRechercheClick() {
    f_.ArretRecherche = true;
    f_.RechercheEnSuite = false;
    f_.SpeedButArreterRecherche->setEnabled(false);
    f_.SpeedButFindAdresse->setEnabled(true);
}
