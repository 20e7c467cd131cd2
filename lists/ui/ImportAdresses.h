#pragma once
// The behaviour of the import of addresses from another program's file: the panel, the scan
// of the file into a sorted preview, and the import of the preview into the loaded list.
#include <QString>

class ModeleListe;
class TForm1;

class ImportAdresses {
public:
    explicit ImportAdresses(TForm1& f);
    void SpeedButImporterMailClick();
    void SpeedButCheminImportClick();
    void ComboBoxTypeImportChange();
    void SpeedButImporterListeMailClick();
    void SpeedButFermerImportMailClick();

    const ModeleListe& Apercu() const { return *apercu_; }

private:
    void AfficherCompte(int nombre);

    TForm1& f_;
    ModeleListe* apercu_;
    bool enCours_ = false;
};
