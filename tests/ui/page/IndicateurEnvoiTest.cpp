#include "sending/ui/IndicateurEnvoi.h"
#include "commun/ui/Forme.h"
#include "commun/ui/ImageMarque.h"
#include "page/ui/ChargementPage.h"
#include "tests/ui/page/FenetrePage.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QTimer>

namespace {

class IndicateurEnvoiTest : public FenetrePage {
protected:
    void SetUp() override {
        FenetrePage::SetUp();
        for (QLineEdit* champ : {f->EditSMTPServeur, f->EditSMTPPort, f->EditSMTPUser,
                                 f->EditSMTPPassword, f->EditMailEXP})
            champ->setText("x");
        f->EditSujetMessage->setText("Sujet");
        f->ComboBoxListe1->addItem("clients.list");
        f->ComboBoxListe1->setCurrentIndex(f->ComboBoxListe1->count() - 1);
        Charger(Fichier("bonne.html", kPageCorrecte));
    }
    void Tic() { f->indicateurEnvoi->TimerAcitveEnvoyerTimer(); }
    struct Etat {
        bool barreEnvoi, barreParametres, envoyer, apercu;
        bool operator==(const Etat&) const = default;
    };
    Etat Lire() const {
        return {!f->ShapeEnvoiValide->Pointille(), !f->ShapeParametresOK->Pointille(),
                f->SpeedButEnvoyer->isEnabled(), f->SpeedButApercuMAil->isEnabled()};
    }
};

TEST_F(IndicateurEnvoiTest, ToutEstPretParametresTapesMemeNonEnregistres) {
    EXPECT_TRUE(f->SpeedButEnrServeur->isEnabled()) << "the typed settings are not saved";
    Tic();
    EXPECT_EQ(Lire(), (Etat{true, true, true, true}));
}

TEST_F(IndicateurEnvoiTest, ChaqueConditionManquante) {
    const struct {
        const char* nom;
        std::function<void(TForm1&)> changer;
        Etat attendu;
    } cas[] = {
        {"port vide", [](TForm1& f) { f.EditSMTPPort->clear(); }, {true, false, false, true}},
        {"expéditeur vide", [](TForm1& f) { f.EditMailEXP->clear(); }, {true, false, false, true}},
        {"sujet vide", [](TForm1& f) { f.EditSujetMessage->clear(); }, {false, true, false, true}},
        {"sujet blanc",
         [](TForm1& f) { f.EditSujetMessage->setText(" "); },
         {true, true, true, true}},
        {"aucune liste",
         [](TForm1& f) { f.ComboBoxListe1->setCurrentIndex(-1); },
         {false, true, false, true}},
        {"marque fautive",
         [](TForm1& f) {
             f.LMDLImageStatusChargement->DefinirIndex(ChargementPage::MarqueFautive);
         },
         {false, true, false, true}},
        {"éditeur vidé après un bon chargement",
         [](TForm1& f) { f.MemoHtmlBrut->clear(); },
         {true, true, true, false}},
    };
    for (const auto& c : cas) {
        SetUp();
        c.changer(*f);
        Tic();
        EXPECT_EQ(Lire(), c.attendu) << c.nom;
    }
}

TEST_F(IndicateurEnvoiTest, PageFautiveGardeEnvoyerDesactiveMaisPermetLApercu) {
    Charger(Fichier("fautive.html", "<html>"));
    Tic();
    EXPECT_EQ(Lire(), (Etat{false, true, false, true}));
}

TEST_F(IndicateurEnvoiTest, ListeFictiveSuffit) {
    // The placeholder item offered when no list file exists has a text: it counts.
    f->ComboBoxListe1->clear();
    f->ComboBoxListe1->addItem(QString::fromUtf8("Aucune liste"));
    Tic();
    EXPECT_TRUE(f->SpeedButEnvoyer->isEnabled());
}

TEST_F(IndicateurEnvoiTest, LeMinuteurSuitLesChamps) {
    EXPECT_TRUE(f->TimerAcitveEnvoyer->isActive());
    EXPECT_EQ(f->TimerAcitveEnvoyer->interval(), 1000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return f->SpeedButEnvoyer->isEnabled(); }, 5000));
    f->EditSujetMessage->clear();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f->SpeedButEnvoyer->isEnabled(); }, 5000));
    EXPECT_TRUE(f->ShapeEnvoiValide->Pointille());
}

} // namespace
