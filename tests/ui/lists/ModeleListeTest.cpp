// Qt's own checker of item models watches the list tree's model while the user edits a nested
// list: inserts, removals, renames, duplicate removal and reloads must keep rows, parents and
// persistent indexes consistent for the view.
#include "tests/ui/lists/FenetreListes.h"

#include "lists/ui/ModeleListe.h"
#include "lists/ui/PageListes.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

namespace {

QStringList avertissements;

void Recueillir(QtMsgType type, const QMessageLogContext&, const QString& texte) {
    if (type != QtDebugMsg && type != QtInfoMsg)
        avertissements << texte;
}

class ModeleSousControle : public FenetreListes {
protected:
    void Ajouter(const char* adresse) {
        f->EditAjoutAdresse->setText(adresse);
        Cliquer(f->SpeedButAjouterAdresse);
    }
};

TEST_F(ModeleSousControle, EditionsDUneListeImbriqueeEtRechargement) {
    OuvrirAvec("l.list", "m@x.fr\r\n\tz@x.fr\r\n\ta@x.fr\r\n\t\tb@x.fr\r\nb@x.fr\r\n\tc@x.fr\r\n"
                         "d@x.fr\r\nd@x.fr\r\n");
    avertissements.clear();
    const QtMessageHandler ancien = qInstallMessageHandler(Recueillir);
    {
        QAbstractItemModelTester testeur(&f->listeChargee->Modele(),
                                         QAbstractItemModelTester::FailureReportingMode::Warning);
        f->TreeViewListingListe->expandAll();
        Ajouter("a@x.fr");
        Ajouter("zz@x.fr");
        CliquerElement(3);
        f->EditAdresseListeSelected->setText("renomme@x.fr");
        Cliquer(f->SpeedButRenommerAdresse);
        CliquerElement(4);
        Cliquer(f->SpeedButSupprimerAdresse); // an item with a child of its own
        CliquerElement(0);
        Cliquer(f->SpeedButSupprimerAdresse);
        Cliquer(f->SpeedButSupDoublon);
        Ajouter("e@x.fr");
        Choisir("l.list"); // the file again: the whole model is replaced
        Ajouter("f@x.fr");
    }
    qInstallMessageHandler(ancien);
    EXPECT_EQ(avertissements, QStringList()) << "the model checker's findings";
    EXPECT_EQ(Arbre().size(), 9) << "the reloaded file and one address";
}

} // namespace
