#pragma once
// The behaviour of the import of addresses from another program's file.

class QKeyEvent;
class TForm1;

class ImportAdresses {
public:
    explicit ImportAdresses(TForm1& f);
    void SpeedButImporterMailClick();
    void SpeedButCheminImportClick();
    void ComboBoxTypeImportChange();
    void SpeedButImporterListeMailClick();
    void SpeedButFermerImportMailClick();

private:
    TForm1& f_;
};
