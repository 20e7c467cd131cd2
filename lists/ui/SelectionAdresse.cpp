#include "lists/ui/SelectionAdresse.h"

#include "lists/ListeAdresses.h"
#include "lists/ui/ControlesListes.h"
#include "lists/ui/ListeChargee.h"

#include <QLineEdit>
#include <QPushButton>

void MontrerSelection(ControlesListes& c, const ListeChargee& liste) {
    const int position = liste.PositionSelectionnee();
    const bool choisi = position >= 0;
    c.SpeedButRenommerAdresse->setEnabled(choisi);
    c.SpeedButSupprimerAdresse->setEnabled(choisi);
    c.EditAdresseListeSelected->setEnabled(choisi);
    c.EditAdresseListeSelected->setText(choisi ? liste.Liste().Texte(position).toString()
                                               : QString());
}
