#pragma once
// A real main window on a temporary program directory, with scripted dialogs, for the tests
// of the address pages.
#include "app/ui/TForm1.h"
#include "tests/support/DialoguesScriptes.h"
#include "tests/support/RepertoireTemporaire.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

class FenetreListes : public ::testing::Test {
protected:
    void Ouvrir();
    // Chooses the list in ComboBoxListe2 as the user does.
    void Choisir(const QString& nom);
    // Writes the list file, opens the window and loads it.
    void OuvrirAvec(const QString& nom, const QByteArray& contenu);
    // The list tree's items in display order, one TAB per level before the text.
    QStringList Arbre() const;
    QString TexteSelectionne() const;
    int LigneSelectionnee() const;
    QString Statut() const;
    QColor CouleurStatut() const;
    void Cliquer(QWidget* bouton);
    // A click on the item at this position in display order, scrolled into view first.
    void CliquerElement(int position);

    RepertoireTemporaire rep;
    DialoguesScriptes boites;
    std::unique_ptr<TForm1> f;
};
