#include "tests/ui/lists/FenetreListes.h"

#include "lists/ui/ModeleListe.h"
#include "lists/ui/PageListes.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QTreeView>

void FenetreListes::Ouvrir() {
    f = std::make_unique<TForm1>(boites, rep.Chemin());
    f->show();
    f->PageControlPrinc->setCurrentWidget(f->TabSheetAdresseMail);
}

void FenetreListes::CliquerElement(int position) {
    QTreeView* v = f->TreeViewListingListe;
    const QModelIndex ix = f->listeChargee->Modele().Index(position);
    v->scrollTo(ix);
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(ix).center());
}

void FenetreListes::Choisir(const QString& nom) {
    const int i = f->ComboBoxListe2->findText(nom);
    ASSERT_GE(i, 0) << nom.toStdString();
    f->ComboBoxListe2->setCurrentIndex(i);
    emit f->ComboBoxListe2->activated(i);
}

void FenetreListes::OuvrirAvec(const QString& nom, const QByteArray& contenu) {
    rep.Ecrire(nom, contenu);
    Ouvrir();
    Choisir(nom);
}

QStringList FenetreListes::Arbre() const {
    QStringList r;
    const QAbstractItemModel* m = f->TreeViewListingListe->model();
    const auto parcourir = [&](auto&& soi, const QModelIndex& parent, int niveau) -> void {
        for (int i = 0; i < m->rowCount(parent); ++i) {
            const QModelIndex ix = m->index(i, 0, parent);
            r.append(QString(niveau, u'\t') + ix.data().toString());
            soi(soi, ix, niveau + 1);
        }
    };
    parcourir(parcourir, QModelIndex(), 0);
    return r;
}

QString FenetreListes::TexteSelectionne() const {
    const QModelIndexList s = f->TreeViewListingListe->selectionModel()->selectedIndexes();
    return s.size() == 1 ? s.first().data().toString() : QStringLiteral("<aucune>");
}

int FenetreListes::LigneSelectionnee() const {
    const QModelIndexList s = f->TreeViewListingListe->selectionModel()->selectedIndexes();
    return s.size() == 1 ? s.first().row() : -1;
}

QString FenetreListes::Statut() const {
    return f->LabStatusInfos->text();
}

QColor FenetreListes::CouleurStatut() const {
    return f->LabStatusInfos->palette().color(QPalette::WindowText);
}

void FenetreListes::Cliquer(QWidget* bouton) {
    QTest::mouseClick(bouton, Qt::LeftButton);
}
