#pragma once
// The behaviour of the list catalogue and the list files of "Gestion d'adresses".

class QKeyEvent;
class TForm1;

class PageListes {
public:
    explicit PageListes(TForm1& f);
    void ChargeListe();
    void ComboBoxListe1Change();
    void ComboBoxListe2Change();
    void LMDLImageListe2Click();
    void EditNomNouvelleListeChange();
    // True when the key is consumed.
    bool EditNomNouvelleListeKeyPress(QKeyEvent* e);
    void SpeedButCreerFichierClick();
    void SpeedButSupprimerListeClick();

private:
    TForm1& f_;
};
