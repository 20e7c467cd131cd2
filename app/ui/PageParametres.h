#pragma once
// The "Paramètres" page: the SMTP settings read at start-up, edited, saved or restored.
class TForm1;

class PageParametres {
public:
    explicit PageParametres(TForm1& f);
    // Reads every setting of the file into the active values and the page's fields, and
    // records the running version when it differs from the one of the previous start.
    void LireDemarrage();
    void EditSMTPServeurChange();
    void CheckBoxTLSClick();
    void CheckBoxChargeHtmlAutoClick();
    void SpeedButEnrServeurClick();
    void SpeedButAnnulerServeurClick();
    void SpeedButOublierEmpreinteClick();
    // Shows the fingerprint pinned for the saved server and port.
    void AfficherEmpreinte();

private:
    void Modifie();
    // The active settings into the page's fields and boxes.
    void MontrerActifs();
    TForm1& f_;
    // The keyring did not give the password at start-up: an empty field is no new password.
    bool motDePasseNonLu_ = false;
};
