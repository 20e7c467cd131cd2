#include "lists/ui/ImportAdresses.h"

#include "app/ui/TForm1.h"

#include <QComboBox>
#include <QPushButton>

ImportAdresses::ImportAdresses(TForm1& f) : f_(f) {
    f.Relier(f.SpeedButImporterMail, &QPushButton::clicked, [this] { SpeedButImporterMailClick(); });
    f.Relier(f.SpeedButCheminImport, &QPushButton::clicked, [this] { SpeedButCheminImportClick(); });
    f.Relier(f.ComboBoxTypeImport, &QComboBox::activated, [this] { ComboBoxTypeImportChange(); });
    f.Relier(f.SpeedButImporterListeMail, &QPushButton::clicked, [this] { SpeedButImporterListeMailClick(); });
    f.Relier(f.SpeedButFermerImportMail, &QPushButton::clicked, [this] { SpeedButFermerImportMailClick(); });
}

void ImportAdresses::SpeedButImporterMailClick() {}

void ImportAdresses::SpeedButCheminImportClick() {}

void ImportAdresses::ComboBoxTypeImportChange() {}

void ImportAdresses::SpeedButImporterListeMailClick() {}

void ImportAdresses::SpeedButFermerImportMailClick() {}
