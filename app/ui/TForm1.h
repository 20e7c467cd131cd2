#pragma once
// The main window: it assembles the pages (each with its own controls, named as the user's
// manual names them, and its behaviour), holds the active settings and the status line, and
// gives each page the services it asks for.
#include "app/FichierReglages.h"
#include "app/Reglages.h"
#include "app/ui/apropos/ControlesAPropos.h"
#include "app/ui/historique/ControlesHistorique.h"
#include "app/ui/parametres/ControlesConnexion.h"
#include "app/ui/parametres/ControlesParametres.h"
#include "commun/ui/Dialogues.h"
#include "commun/ui/Gestionnaires.h"
#include "commun/ui/ImagesFenetre.h"
#include "commun/ui/Onglets.h"
#include "commun/ui/StatutFenetre.h"
#include "lists/ui/ControlesListes.h"
#include "page/ui/ControlesApercu.h"
#include "page/ui/ControlesOutils.h"
#include "sending/ui/ControlesEnvois.h"
#include "sending/ui/erreurs/ControlesErreurs.h"

#include <QColor>
#include <QMainWindow>
#include <QString>
#include <exception>
#include <functional>
#include <memory>

class QCheckBox;
class QKeyEvent;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QSpinBox;
class QPushButton;
class QTabWidget;
class QTextEdit;
class QTimer;
class QTreeView;
class QTreeWidget;
class QWidget;

class ClientSMTP;
class Forme;
class ImageAnimee;
class ImageMarque;
class ListeImages;

class ListeChargee;
class PageParametres;
class DecouverteParametres;
class EssaiParametres;
class PageHistorique;
class PageAPropos;
class PageListes;
class EditionListe;
class RechercheAdresse;
class ImportAdresses;
class ChargementPage;
class MesureMessageCampagne;
class OutilsHtml;
class ApercuWeb;
class IndicateurEnvoi;
class Campagne;
class EnvoiTest;
class PageErreurs;
class PageRetours;
class BlocIMAP;
class EditionDesinscrits;

class TForm1 : public QMainWindow,
               public ImagesFenetre,
               public ControlesEnvois,
               public ControlesListes,
               public ControlesOutils,
               public ControlesApercu,
               public ControlesParametres,
               public ControlesConnexion,
               public ControlesHistorique,
               public ControlesAPropos,
               public ControlesErreurs {
    Q_OBJECT
public:
    // `repertoire` is the program's directory (the executable's, or a test's own).
    TForm1(Dialogues& dialogues, QString repertoire, QWidget* parent = nullptr);
    ~TForm1() override;

    Dialogues& Boites() { return dialogues_; }
    const QString& Repertoire() const { return repertoire_; }
    // Full path of a file of the program's directory.
    QString CheminProgramme(const QString& nom) const;
    QString CheminParametres() const { return CheminProgramme(QStringLiteral("Lettrova.ini")); }

    // Status line and handler runner, forwarded for the window's own handlers and its tests.
    void AfficheStatut(const QString& texte, Couleur couleur) {
        statut_->AfficheStatut(texte, couleur);
    }
    void AfficheStatutFixe(const QString& texte, Couleur couleur) {
        statut_->AfficheStatutFixe(texte, couleur);
    }
    void EcritStatut(const QString& texte, Couleur couleur) {
        statut_->EcritStatut(texte, couleur);
    }
    void ViderStatut(bool relancerTimer) { statut_->ViderStatut(relancerTimer); }
    static QColor Rgb(Couleur couleur) { return StatutFenetre::Rgb(couleur); }
    static QString LigneRepos() { return StatutFenetre::LigneRepos(); }

    // Runs a handler; an error escaping it is shown in the standard error box and the rest
    // of the handler is skipped. The one place where such errors are caught.
    void Executer(const std::function<void()>& gestionnaire) {
        gestionnaires_.Executer(gestionnaire);
    }
    void AfficherErreur(const std::exception& e) { gestionnaires_.AfficherErreur(e); }
    // Wires a control's event to a handler run through Executer.
    template <class Emetteur, class Signal>
    void Relier(Emetteur* emetteur, Signal signal, std::function<void()> gestionnaire) {
        gestionnaires_.Relier(emetteur, signal, std::move(gestionnaire));
    }
    // Key presses of a control; the handler returns true when it consumes the key.
    void RelierTouche(QWidget* cible, std::function<bool(QKeyEvent*)> gestionnaire) {
        gestionnaires_.RelierTouche(cible, std::move(gestionnaire));
    }
    // A click (mouse button released) on a control.
    void RelierClic(QWidget* cible, std::function<void()> gestionnaire) {
        gestionnaires_.RelierClic(cible, std::move(gestionnaire));
    }

    // A text the status line shows once the window is first shown (where the data are kept,
    // or why nothing can be saved); `echec` shows it in red until the next status change.
    void AnnoncerAuDemarrage(const QString& texte, bool echec);

    // Shows a page from code: like a selection by the program, it runs no tab-change handler.
    void SelectionnerPage(QWidget* page);

    // Handlers of the window itself.
    void FormActivate();
    void SpeedButQuitterClick();
    void PageControlPrincChange();
    void TimerResetStatusInfosTimer() { statut_->Reposer(); }

    // Flags and active settings shared by the pages.
    bool FermetureEnCours = false;
    // The settings last read or saved: what a campaign sends with.
    Reglages ReglagesActifs;
    // The folder of the page last loaded.
    QString DossierPage;
    // The settings file's reader and writer.
    FichierReglages Fichier() const { return FichierReglages(CheminParametres()); }

    // Bottom bar and tab control.
    QLabel* Label10 = nullptr;
    QLabel* LabStatusInfos = nullptr;
    QPushButton* SpeedButQuitter = nullptr;
    QLabel* LabelVersion2 = nullptr;
    QTabWidget* PageControlPrinc = nullptr;
    QWidget* TabSheetPrincipale = nullptr;
    QWidget* TabSheetAdresseMail = nullptr;
    QWidget* TabSheet3 = nullptr;
    QWidget* TabSheetParamètres = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheetErreur = nullptr;
    QWidget* TabSheetRetours = nullptr;

    // Timers.
    QTimer* TimerResetStatusInfos = nullptr;
    QTimer* TimerAcitveEnvoyer = nullptr;

    // The SMTP client of the whole run.
    std::unique_ptr<ClientSMTP> IdSMTP1;

    // The loaded list, shared by the list pages and read by the campaign.
    std::unique_ptr<ListeChargee> listeChargee;

    // Behaviour of each page.
    std::unique_ptr<PageParametres> pageParametres;
    std::unique_ptr<DecouverteParametres> decouverteParametres;
    std::unique_ptr<EssaiParametres> essaiParametres;
    std::unique_ptr<PageHistorique> pageHistorique;
    std::unique_ptr<PageAPropos> pageAPropos;
    std::unique_ptr<PageListes> pageListes;
    std::unique_ptr<EditionListe> editionListe;
    std::unique_ptr<RechercheAdresse> rechercheAdresse;
    std::unique_ptr<ImportAdresses> importAdresses;
    std::unique_ptr<MesureMessageCampagne> mesureMessage;
    std::unique_ptr<ChargementPage> chargementPage;
    std::unique_ptr<OutilsHtml> outilsHtml;
    std::unique_ptr<ApercuWeb> apercuWeb;
    // Before the campaign, which reports to it.
    std::unique_ptr<PageErreurs> pageErreurs;
    std::unique_ptr<IndicateurEnvoi> indicateurEnvoi;
    std::unique_ptr<Campagne> campagne;
    std::unique_ptr<EnvoiTest> envoiTest;
    std::unique_ptr<EditionDesinscrits> editionDesinscrits;
    std::unique_ptr<BlocIMAP> blocIMAP;
    std::unique_ptr<PageRetours> pageRetours;

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void FormCreate();
    void FormCloseQuery();
    void ChoisirPageDemarrage();
    void MontrerAnnonce();

    Dialogues& dialogues_;
    QString repertoire_;
    bool dejaActive_ = false;
    QString annonce_;
    bool annonceEchec_ = false;
    Gestionnaires gestionnaires_;
    std::unique_ptr<StatutFenetre> statut_;
    std::unique_ptr<Onglets> onglets_;
};
