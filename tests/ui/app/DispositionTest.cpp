#include "app/ui/TForm1.h"
#include "sending/ui/erreurs/PageErreurs.h"
#include "tests/support/FenetreDeTest.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

struct Controle {
    const char* nom;
    const char* genre;
    QRect place;
    const char* texte; // nullptr: not checked
    bool actif;
};

// The controls of every page with their kind, place, caption and initial state.
const Controle kControles[] = {
    {"Label10", "QLabel", {0, 438, 41, 22}, "Infos:", true},
    {"LabStatusInfos", "QLabel", {47, 440, 452, 18}, "", true},
    {"SpeedButQuitter", "QPushButton", {502, 436, 120, 22}, "Quitter Lettrova", true},
    {"LabelVersion2", "QLabel", {623, 442, 69, 13}, "v.1.0.4.42", true},
    {"PageControlPrinc", "QTabWidget", {0, -1, 696, 437}, nullptr, true},
    {"ComboBoxListe1", "QComboBox", {154, 48, 241, 26}, nullptr, true},
    {"LabTotalAdresse2", "QLabel", {318, 32, 75, 16}, " 0 ", true},
    {"EditSujetMessage", "QLineEdit", {77, 146, 393, 21}, "", true},
    {"EditFichierACharger", "QLineEdit", {187, 212, 415, 24}, "", true},
    {"SpeedButton2", "QPushButton", {602, 212, 23, 22}, "...", true},
    {"SpeedButCharger", "QPushButton", {187, 239, 129, 22}, "Charger", true},
    {"LMDLImageStatusChargement", "ImageMarque", {333, 245, 16, 16}, nullptr, true},
    {"SpeedButApercuMAil", "QPushButton", {368, 239, 129, 22}, "Aperçu", false},
    {"SpeedButEnvoyer", "QPushButton", {98, 360, 96, 22}, "Envoyer", false},
    {"ShapeEnvoiValide", "Forme", {151, 84, 5, 278}, nullptr, true},
    {"ShapeParametresOK", "Forme", {106, 306, 5, 64}, nullptr, true},
    {"PanelConfirmeEnvois", "QFrame", {200, 301, 320, 79}, nullptr, true},
    {"LabQuestion", "QLabel", {8, 22, 304, 16}, "Question ?", true},
    {"Label30", "QLabel", {8, 6, -1, -1}, "Confimation:", true},
    {"SpeedButOui", "QPushButton", {60, 48, 90, 22}, "Oui", true},
    {"SpeedButNon", "QPushButton", {170, 48, 90, 22}, "Non", true},
    {"PanelVisuEnvoisMail", "QFrame", {38, 285, 503, 108}, nullptr, true},
    {"ImageProcessEnvois", "ImageAnimee", {5, 5, 16, 16}, nullptr, true},
    {"Envoi", "QLabel", {28, 7, 300, 13}, "Procedure d'envois en cours...", true},
    {"ProgressBarEnvoisMail", "QProgressBar", {7, 40, 482, 17}, nullptr, true},
    {"Label11", "QLabel", {7, 66, -1, -1}, "Nombres de mail envoyé:", true},
    {"LabNbEnvois", "QLabel", {140, 66, 120, 13}, "0", true},
    {"SpeedButFermerVisuEnvoisMail", "QPushButton", {398, 78, 96, 22}, "Fermer", false},
    {"SpeedButStopperEnvois", "QPushButton", {296, 78, 96, 22}, "Stopper", true},
    {"ComboBoxListe2", "QComboBox", {6, 22, 187, 26}, nullptr, true},
    {"LMDLImageListe2", "ImageMarque", {194, 23, 24, 24}, nullptr, true},
    {"LabTotalAdresse", "QLabel", {237, 41, 88, 13}, " 0 ", true},
    {"TreeViewListingListe", "QTreeView", {6, 54, 319, 326}, nullptr, true},
    {"SpeedButSupprimerListe", "QPushButton", {3, 383, 142, 22}, "Supprimer Cette Liste", true},
    {"SpeedButSupDoublon",
     "QPushButton",
     {154, 383, 174, 22},
     "Supprimer Tous Les Doublons",
     false},
    {"EditNomNouvelleListe", "QLineEdit", {358, 19, 307, 25}, "", true},
    {"SpeedButCreerFichier", "QPushButton", {358, 46, 163, 22}, "Créer une Liste D'Adresse", true},
    {"EditFindAdresse",
     "QLineEdit",
     {358, 109, 307, 25},
     "[option:  ? = 1 joker | * = multi joker]",
     false},
    {"ImageRechercheSuite", "QLabel", {342, 128, 16, 16}, nullptr, true},
    {"SpeedButFindAdresse", "QPushButton", {358, 136, 129, 22}, "Trouve", false},
    {"SpeedButArreterRecherche", "QPushButton", {493, 136, 129, 22}, "Arreter", false},
    {"EditAjoutAdresse", "QLineEdit", {358, 198, 307, 25}, "", false},
    {"SpeedButAjouterAdresse", "QPushButton", {358, 225, 144, 22}, "Ajouter Cette Adresse", false},
    {"SpeedButImporterMail",
     "QPushButton",
     {508, 225, 157, 22},
     "Importer Depuis Un Ficher",
     false},
    {"EditAdresseListeSelected", "QLineEdit", {358, 287, 307, 25}, "", false},
    {"SpeedButRenommerAdresse",
     "QPushButton",
     {358, 314, 156, 22},
     "Renommer Cette Adresse",
     false},
    {"SpeedButSupprimerAdresse",
     "QPushButton",
     {520, 315, 144, 22},
     "Effacer Cette Adresse",
     false},
    {"SpeedButAnnuleModifGestionAdresse", "QPushButton", {403, 376, 111, 22}, "Annuler", false},
    {"SpeedButSaveGestionAdresse", "QPushButton", {520, 376, 111, 22}, "Enregistrer", false},
    {"EditCheminImportMAil", "QLineEdit", {16, 95, 349, 25}, "", true},
    {"SpeedButCheminImport", "QPushButton", {365, 98, 23, 22}, "...", true},
    {"ComboBoxTypeImport", "QComboBox", {19, 162, 262, 26}, "", true},
    {"ProgressBarImportFindAdresse", "QProgressBar", {19, 188, 262, 17}, nullptr, true},
    {"TreeViewApercu", "QTreeView", {403, 95, 277, 301}, nullptr, true},
    {"LabTotalAdresse3", "QLabel", {592, 79, 88, 13}, " 0 ", true},
    {"SpeedButImporterListeMail",
     "QPushButton",
     {19, 340, 160, 22},
     "Importer dans la liste",
     false},
    {"SpeedButFermerImportMail", "QPushButton", {190, 340, 91, 22}, "Fermer", true},
    {"MemoHtmlBrut", "QPlainTextEdit", {-1, -5, 689, 297}, "", true},
    {"PanelOutils", "QFrame", {-1, 292, 689, 116}, nullptr, true},
    {"EditBefore", "QLineEdit", {66, 5, 359, 21}, "", true},
    {"EditAfter", "QLineEdit", {66, 35, 359, 21}, "", true},
    {"SpeedButRemplacer", "QPushButton", {425, 30, 116, 26}, "Tous Remplacer", true},
    {"EditChercherInHtmBrut", "QLineEdit", {66, 85, 359, 21}, "", true},
    {"SpeedButFindInHtmlBrut", "QPushButton", {425, 80, 99, 26}, "Chercher", true},
    {"SpeedButtonPleinEcran", "QPushButton", {586, 5, 98, 26}, "Plein écran", true},
    {"CheckBoxRetourChariotAuto", "QCheckBox", {574, 89, 114, 17}, "Retour chariot auto", true},
    {"ComboBoxRemarquesPage", "QComboBox", {66, 58, 475, 21}, nullptr, true},
    {"ShapePanelOutils", "Forme", {0, 0, 689, 116}, nullptr, true},
    {"EditSMTPServeur", "QLineEdit", {97, 64, 149, 21}, nullptr, true},
    {"EditSMTPPort", "QLineEdit", {97, 96, 64, 21}, "25", true},
    {"EditSMTPUser", "QLineEdit", {97, 128, 149, 21}, nullptr, true},
    {"EditSMTPPassword", "QLineEdit", {97, 160, 149, 21}, nullptr, true},
    {"EditMailEXP", "QLineEdit", {97, 192, 216, 21}, nullptr, true},
    {"CheckBoxTLS", "QCheckBox", {13, 232, 220, 17}, "Connection Sécurisé TLS (Type Gmail)", true},
    {"CheckBoxPipelining", "QCheckBox", {240, 232, 90, 17}, "Pipelining", true},
    {"SpinEditMessagesMinute", "QSpinBox", {80, 258, 78, 21}, nullptr, true},
    {"SpinEditMessagesConnexion", "QSpinBox", {252, 258, 78, 21}, nullptr, true},
    {"SpinEditConnexions", "QSpinBox", {252, 282, 78, 21}, nullptr, true},
    {"SpinEditMessagesHeure", "QSpinBox", {405, 318, 90, 21}, nullptr, true},
    {"SpinEditMessagesJour", "QSpinBox", {593, 318, 90, 21}, nullptr, true},
    {"CheckBoxChargeHtmlAuto",
     "QCheckBox",
     {24, 304, 306, 17},
     "Chargement automatique du dernier fichier HTML utilisé.",
     true},
    {"CheckBoxJoindreImages",
     "QCheckBox",
     {24, 321, 306, 17},
     "Joindre les images locales au message",
     true},
    {"SpeedButAnnulerServeur", "QPushButton", {62, 382, 129, 22}, "Annuler", false},
    {"SpeedButEnrServeur", "QPushButton", {203, 382, 129, 22}, "Enregistrer", false},
    {"RichEditAideServeur", "QTextEdit", {0, 0, 351, 205}, nullptr, true},
    {"LabTitreEmpreinteTLS", "QLabel", {343, 352, -1, -1}, "Certificat épinglé :", true},
    {"SpeedButOublierEmpreinte", "QPushButton", {554, 347, 129, 22}, "Oublier l'empreinte", false},
    {"LabEmpreinteTLS",
     "QLabel",
     {343, 373, 340, 30},
     "Aucun certificat épinglé pour ce serveur.",
     true},
    {"Label32", "QLabel", {0, 0, 688, 22}, "Quoi de Neuf ?", true},
    {"TreeViewHistorique", "QTreeWidget", {-1, 22, 690, 386}, nullptr, true},
    {"LabelVersion", "QLabel", {76, 42, 300, 16}, "Version: 1.0.4.42 ", true},
    {"MemoAPropos", "QPlainTextEdit", {16, 72, 656, 280}, nullptr, false},
    {"LabTotalErr", "QLabel", {281, 24, 88, 16}, " 0 ", true},
    {"ListBoxErrAdresse", "QListWidget", {16, 43, 353, 269}, nullptr, true},
    {"LabErrDiscription", "QLabel", {16, 318, 353, 42}, "...", true},
    {"LabFichierErrEnvois", "QLabel", {10, 386, 492, 14}, "...", true},
    {"SpeedButton1", "QPushButton", {508, 382, 160, 22}, "Enregistrer fichier .err", true},
    {"SpeedButRenvoyerErreurs",
     "QPushButton",
     {415, 345, 250, 22},
     "Créer une liste des adresses en erreur",
     true},
    {"LMDLImageEnregistrementErrOk", "ImageMarque", {670, 385, 16, 16}, nullptr, true},
    {"Label31", "QLabel", {415, 119, 250, 218}, nullptr, true},
    {"PanelApercuWeb", "QFrame", {0, 0, 696, 462}, nullptr, true},
    {"SpeedButFermerApercuWeb", "QPushButton", {417, 0, 96, 22}, "Fermer", true},
};

QString Texte(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* c = qobject_cast<QComboBox*>(w))
        return c->currentText();
    if (auto* m = qobject_cast<QPlainTextEdit*>(w))
        return m->toPlainText();
    return {};
}

TEST(Disposition, ChaqueControleASonGenreSaPlaceSonTexteEtSonEtat) {
    FenetreDeTest t;
    TForm1& f = t.Ouvrir(true);
    for (const Controle& c : kControles) {
        SCOPED_TRACE(c.nom);
        auto* w = f.findChild<QWidget*>(QString::fromUtf8(c.nom));
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->inherits(c.genre)) << w->metaObject()->className();
        if (c.place.width() > 0) {
            EXPECT_EQ(w->geometry(), c.place);
        } else {
            EXPECT_EQ(w->pos(), c.place.topLeft());
        }
        if (c.texte) {
            EXPECT_EQ(Texte(w), QString::fromUtf8(c.texte));
        }
        EXPECT_EQ(w->isEnabled(), c.actif);
    }
    for (const char* cache :
         {"PanelConfirmeEnvois", "PanelVisuEnvoisMail", "PanelImporterMAil", "PanelApercuWeb",
          "ImageRechercheSuite", "MemoImportBrut", "LMDLImageEnregistrementErrOk"})
        EXPECT_TRUE(f.findChild<QWidget*>(cache)->isHidden()) << cache;
    EXPECT_EQ(f.PanelImporterMAil->geometry(), f.TabSheetAdresseMail->rect());
}

TEST(Disposition, LesHuitPagesDansLeurOrdre) {
    FenetreDeTest t;
    TForm1& f = t.Ouvrir();
    const QStringList noms{"TabSheetPrincipale", "TabSheetAdresseMail", "TabSheet3",
                           "TabSheetParamètres", "TabSheet2",           "TabSheet1",
                           "TabSheetErreur",     "TabSheetRetours"};
    const QStringList titres{"Envois Mail", "Gestion d'adresses", "Outils",         "Paramètres",
                             "Historique",  "A Propos",           "Erreurs Envois", "Retours"};
    ASSERT_EQ(f.PageControlPrinc->count(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(f.PageControlPrinc->widget(i)->objectName(), noms[i]);
        EXPECT_EQ(f.PageControlPrinc->tabText(i), titres[i]);
        EXPECT_FALSE(f.PageControlPrinc->tabIcon(i).isNull());
    }
    // Every tab in sight, with or without the error tab, whatever the fonts' widths.
    for (const bool erreurs : {false, true}) {
        if (erreurs) {
            f.pageErreurs->Reporter({{"ancien@exemple.fr", "550 5.1.1 Destinataire inconnu"}});
            f.pageErreurs->Reveler();
        }
        ASSERT_EQ(f.PageControlPrinc->isTabVisible(6), erreurs);
        const QTabBar& barre = *f.PageControlPrinc->tabBar();
        EXPECT_LE(barre.sizeHint().width(), f.PageControlPrinc->width());
        for (int i = 0; i < 8; ++i)
            if (f.PageControlPrinc->isTabVisible(i))
                EXPECT_LE(barre.tabRect(i).right(), f.PageControlPrinc->width()) << i;
    }
}

// Every caption fits its control; a picture of each page goes to the build directory (the
// README's guide shows some of them), filled as a user's window would be.
TEST(Disposition, ImagesDesPagesEtLegendesEntieres) {
    FenetreDeTest t;
    t.rep.Ecrire("adherents.list", "anne.martin@exemple.fr\r\nclub@exemple.org\r\n"
                                   "jean.dupont@exemple.fr\r\nmarie@exemple.net\r\n");
    t.rep.Ecrire("Lettrova.ini", "[Parametres]\r\nSMTPServeur=smtp.exemple.org\r\nSMTPPort=587\r\n"
                                 "SMTPUser=club@exemple.org\r\nSMTPPassword=\xF0\xF4\r\n"
                                 "MailEXP=club@exemple.org\r\nConnectTlS=Oui\r\n"
                                 "ValSujet=Nouvelles du club\r\nListeFav=adherents.list\r\n"
                                 "ChrgtHtmlAuto=Oui\r\nDernierFichierCharg\xE9=" +
                                     t.rep.Fichier("lettre.html").toLocal8Bit() +
                                     "\r\nVersionAppli=1.0.4.42\r\n");
    t.rep.Ecrire("lettre.html",
                 "<html><head></head><body><h1>Nouvelles du club</h1></body></html>");
    TForm1& f = t.Ouvrir(true);
    f.pageErreurs->Reporter({{"ancien@exemple.fr", "550 5.1.1 Destinataire inconnu"}});
    f.pageErreurs->Reveler();
    f.PageControlPrinc->setTabVisible(6, true);
    QDir().mkpath(QStringLiteral("pages"));
    // The window's 16-pixel picture, enlarged without blur for the desktop's menu.
    EXPECT_TRUE(f.windowIcon()
                    .pixmap(16)
                    .scaled(48, 48, Qt::KeepAspectRatio, Qt::FastTransformation)
                    .save(QStringLiteral("pages/icone.png")));
    for (int i = 0; i < f.PageControlPrinc->count(); ++i) {
        f.SelectionnerPage(f.PageControlPrinc->widget(i));
        QApplication::processEvents();
        const QString nom = f.PageControlPrinc->widget(i)->objectName();
        EXPECT_TRUE(f.grab().save(QStringLiteral("pages/%1-%2.png").arg(i).arg(nom)));
        for (QWidget* w : f.PageControlPrinc->widget(i)->findChildren<QWidget*>()) {
            const QString texte = Texte(w);
            if (texte.isEmpty() || qobject_cast<QLineEdit*>(w) ||
                qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QComboBox*>(w))
                continue;
            auto* l = qobject_cast<QLabel*>(w);
            if (l && l->wordWrap())
                continue;
            const int besoin = w->fontMetrics().horizontalAdvance(texte.split('\n').first());
            const int marge =
                qobject_cast<QCheckBox*>(w) ? 20 : (qobject_cast<QPushButton*>(w) ? 4 : 0);
            EXPECT_LE(besoin + marge, w->width())
                << nom.toStdString() << " / " << w->objectName().toStdString() << " / "
                << texte.toStdString();
        }
    }
}

} // namespace
