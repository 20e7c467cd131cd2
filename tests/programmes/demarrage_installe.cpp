// The program as main() starts it, from the folder it was copied to, then a scripted user who
// creates the list "nouvelle". It prints, one per line: the data folder, the bottom bar's
// version, the change log's version count, the list choosers' items (joined by ","), the
// loaded list's address count, the help's length, the status line, then "créée" or
// "non créée" for the new list's file in the data folder, then each error box.
#include "app/DossierDonnees.h"
#include "app/VerrouInstance.h"
#include "app/ui/TForm1.h"
#include "lists/ListeAdresses.h"
#include "lists/ui/ListeChargee.h"
#include "tests/support/DialoguesScriptes.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>
#include <cstdio>

namespace {
void Ecrire(const QString& ligne) {
    std::printf("%s\n", ligne.toUtf8().constData());
}
} // namespace

int main(int argc, char** argv) {
    VerrouInstance verrou;
    if (!verrou.Prendre())
        return 2;
    QApplication app(argc, argv);
    const DossierDonnees donnees = DossierDonnees::DuProgramme();
    DialoguesScriptes dialogues;
    TForm1 fenetre(dialogues, donnees.Chemin());
    fenetre.AnnoncerAuDemarrage(donnees.Annonce(), donnees.Echec());
    fenetre.show();
    QApplication::setActiveWindow(&fenetre);
    if (!QTest::qWaitForWindowActive(&fenetre))
        return 3;

    Ecrire(donnees.Chemin());
    Ecrire(fenetre.LabelVersion2->text());
    Ecrire(QString::number(fenetre.TreeViewHistorique->topLevelItemCount()));
    QStringList listes;
    for (int i = 0; i < fenetre.ComboBoxListe2->count(); ++i)
        listes << fenetre.ComboBoxListe2->itemText(i);
    Ecrire(listes.join(u','));
    Ecrire(QString::number(fenetre.listeChargee->Liste().Nombre()));
    Ecrire(QString::number(fenetre.RichEditAideServeur->toPlainText().size()));
    Ecrire(fenetre.LabStatusInfos->text());
    fenetre.EditNomNouvelleListe->setText(QStringLiteral("nouvelle"));
    QTest::mouseClick(fenetre.SpeedButCreerFichier, Qt::LeftButton);
    Ecrire(QFile::exists(QDir(donnees.Chemin()).filePath(QStringLiteral("nouvelle.list")))
               ? QStringLiteral("créée")
               : QStringLiteral("non créée"));
    for (const QString& erreur : dialogues.Textes(DialoguesScriptes::Boite::Erreur))
        Ecrire(erreur);
    std::fflush(stdout);
    return 0;
}
