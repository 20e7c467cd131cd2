#include "commun/ui/DialoguesQt.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

void DialoguesQt::ErreurStandard(const QString& message) {
    QMessageBox::critical(parent_, QStringLiteral("Lettrova"), message);
}

void DialoguesQt::Message(const QString& texte) {
    QMessageBox::information(parent_, QStringLiteral("Lettrova"), texte);
}

bool DialoguesQt::Question(const QString& texte) {
    QMessageBox boite(QMessageBox::Question, QStringLiteral("Lettrova"), texte,
                      QMessageBox::NoButton, parent_);
    QPushButton* oui = boite.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    QPushButton* non = boite.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    boite.setDefaultButton(oui);
    boite.setEscapeButton(non);
    boite.exec();
    return boite.clickedButton() == oui;
}

QString DialoguesQt::OuvrirFichier(const QString& repertoire) {
    return QFileDialog::getOpenFileName(parent_, QStringLiteral("Ouvrir"), repertoire,
                                        QStringLiteral("Tous les fichiers (*)"));
}

std::optional<QString> DialoguesQt::Saisir(const QString& texte, const QString& proposition) {
    QInputDialog boite(parent_);
    boite.setWindowTitle(QStringLiteral("Lettrova"));
    boite.setLabelText(texte);
    boite.setTextValue(proposition);
    boite.setOkButtonText(QStringLiteral("OK"));
    boite.setCancelButtonText(QStringLiteral("Annuler"));
    // Wide enough to show a proposed name whole.
    boite.resize(qMax(boite.sizeHint().width(), 420), boite.sizeHint().height());
    if (boite.exec() != QDialog::Accepted)
        return std::nullopt;
    return boite.textValue();
}
