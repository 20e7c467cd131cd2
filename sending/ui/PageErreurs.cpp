#include "sending/ui/PageErreurs.h"

#include "app/ui/ImageMarque.h"
#include "app/ui/TForm1.h"
#include "lists/ui/RechercheAdresse.h"
#include "sending/FichierErreurs.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
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
