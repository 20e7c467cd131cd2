#pragma once
// The main window: it owns every control (named as the user's manual names them), the active
// settings, the flags shared by the pages, and the status line.
#include "app/FichierReglages.h"
#include "app/Reglages.h"
#include "app/ui/Dialogues.h"

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

class PageParametres;
class PageHistorique;
class PageAPropos;
class PageListes;
class EditionListe;
class RechercheAdresse;
class ImportAdresses;
class ChargementPage;
class OutilsHtml;
class ApercuWeb;
class IndicateurEnvoi;
class Campagne;
class EnvoiTest;
class PageErreurs;

enum class Couleur { Noir, Rouge, Vert, Orange };

class TForm1 : public QMainWindow {
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

    // Status line.
    void AfficheStatut(const QString& texte, Couleur couleur);
    void AfficheStatutFixe(const QString& texte, Couleur couleur);
    void EcritStatut(const QString& texte, Couleur couleur);
    void ViderStatut(bool relancerTimer);
    static QColor Rgb(Couleur couleur);
    static QString LigneRepos();

    // Runs a handler; an error escaping it is shown in the standard error box and the rest
    // of the handler is skipped. The one place where such errors are caught.
    void Executer(const std::function<void()>& gestionnaire);
    void AfficherErreur(const std::exception& e);

    // Wires a control's event to a handler run through Executer.
    template <class Emetteur, class Signal>
    void Relier(Emetteur* emetteur, Signal signal, std::function<void()> gestionnaire) {
        connect(emetteur, signal, this, [this, g = std::move(gestionnaire)] { Executer(g); });
    }
    // Key presses of a control; the handler returns true when it consumes the key.
    void RelierTouche(QWidget* cible, std::function<bool(QKeyEvent*)> gestionnaire);
    // A click (mouse button released) on a control.
    void RelierClic(QWidget* cible, std::function<void()> gestionnaire);

    // Shows a page from code: like a selection by the program, it runs no tab-change handler.
    void SelectionnerPage(QWidget* page);

    // Handlers of the window itself.
    void FormActivate();
    void SpeedButQuitterClick();
    void PageControlPrincChange();
    void TimerResetStatusInfosTimer();

    // Flags and active settings shared by the pages.
    bool FermetureEnCours = false;
    bool RechargeApresSauvegarde = false;
    bool RechercheEnSuite = false;
    bool ArretRecherche = false;
    QString ValOuiNon;
    // The settings last read or saved: what a campaign sends with.
    Reglages ReglagesActifs;
    // The settings file's reader and writer.
    FichierReglages Fichier() const { return FichierReglages(CheminParametres()); }

    // Image lists.
    ListeImages* ImageList1 = nullptr;
    ListeImages* ImageList24x24 = nullptr;
    ListeImages* ImageListTreeview = nullptr;

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

    // Timers.
    QTimer* TimerResetStatusInfos = nullptr;
    QTimer* TimerAcitveEnvoyer = nullptr;

    // "Envois Mail".
    QComboBox* ComboBoxListe1 = nullptr;
    QLabel* LabTotalAdresse2 = nullptr;
    QLineEdit* EditSujetMessage = nullptr;
    QLineEdit* EditFichierACharger = nullptr;
    QPushButton* SpeedButton2 = nullptr;
    QPushButton* SpeedButCharger = nullptr;
    ImageMarque* LMDLImageStatusChargement = nullptr;
    QPushButton* SpeedButApercuMAil = nullptr;
    QPushButton* SpeedButEnvoyer = nullptr;
    QPushButton* SpeedButEnvoyerTest = nullptr;
    Forme* ShapeEnvoiValide = nullptr;
    Forme* ShapeParametresOK = nullptr;
    QFrame* PanelConfirmeEnvois = nullptr;
    QLabel* LabQuestion = nullptr;
    QLabel* Label30 = nullptr;
    QPushButton* SpeedButOui = nullptr;
    QPushButton* SpeedButNon = nullptr;
    QFrame* PanelVisuEnvoisMail = nullptr;
    ImageAnimee* ImageProcessEnvois = nullptr;
    QLabel* Envoi = nullptr;
    QProgressBar* ProgressBarEnvoisMail = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* LabNbEnvois = nullptr;
    QPushButton* SpeedButFermerVisuEnvoisMail = nullptr;
    QPushButton* SpeedButStopperEnvois = nullptr;

    // "Gestion d'adresses".
    QComboBox* ComboBoxListe2 = nullptr;
    ImageMarque* LMDLImageListe2 = nullptr;
    QLabel* LabTotalAdresse = nullptr;
    QTreeView* TreeViewListingListe = nullptr;
    QPushButton* SpeedButSupprimerListe = nullptr;
    QPushButton* SpeedButSupDoublon = nullptr;
    QLineEdit* EditNomNouvelleListe = nullptr;
    QPushButton* SpeedButCreerFichier = nullptr;
    QLineEdit* EditFindAdresse = nullptr;
    QLabel* ImageRechercheSuite = nullptr;
    QPushButton* SpeedButFindAdresse = nullptr;
    QPushButton* SpeedButArreterRecherche = nullptr;
    QLineEdit* EditAjoutAdresse = nullptr;
    QPushButton* SpeedButAjouterAdresse = nullptr;
    QPushButton* SpeedButImporterMail = nullptr;
    QLineEdit* EditAdresseListeSelected = nullptr;
    QPushButton* SpeedButRenommerAdresse = nullptr;
    QPushButton* SpeedButSupprimerAdresse = nullptr;
    QPushButton* SpeedButAnnuleModifGestionAdresse = nullptr;
    QPushButton* SpeedButSaveGestionAdresse = nullptr;
    QFrame* PanelImporterMAil = nullptr;
    QLabel* Label24 = nullptr;
    QLineEdit* EditCheminImportMAil = nullptr;
    QPushButton* SpeedButCheminImport = nullptr;
    QComboBox* ComboBoxTypeImport = nullptr;
    QProgressBar* ProgressBarImportFindAdresse = nullptr;
    QPlainTextEdit* MemoImportBrut = nullptr;
    QTreeView* TreeViewApercu = nullptr;
    QLabel* LabTotalAdresse3 = nullptr;
    QPushButton* SpeedButImporterListeMail = nullptr;
    QPushButton* SpeedButFermerImportMail = nullptr;

    // "Outils".
    QPlainTextEdit* MemoHtmlBrut = nullptr;
    QFrame* PanelOutils = nullptr;
    QLineEdit* EditBefore = nullptr;
    QLineEdit* EditAfter = nullptr;
    QPushButton* SpeedButRemplacer = nullptr;
    QLineEdit* EditChercherInHtmBrut = nullptr;
    QPushButton* SpeedButFindInHtmlBrut = nullptr;
    QPushButton* SpeedButtonPleinEcran = nullptr;
    QCheckBox* CheckBoxRetourChariotAuto = nullptr;
    Forme* ShapePanelOutils = nullptr;

    // "Paramètres".
    QLineEdit* EditSMTPServeur = nullptr;
    QLineEdit* EditSMTPPort = nullptr;
    QLineEdit* EditSMTPUser = nullptr;
    QLineEdit* EditSMTPPassword = nullptr;
    QLineEdit* EditMailEXP = nullptr;
    QCheckBox* CheckBoxTLS = nullptr;
    QLineEdit* EditNomExpediteur = nullptr;
    QLineEdit* EditDesinscription = nullptr;
    QCheckBox* CheckBoxChargeHtmlAuto = nullptr;
    QSpinBox* SpinEditMessagesMinute = nullptr;
    QSpinBox* SpinEditMessagesConnexion = nullptr;
    QCheckBox* CheckBoxPipelining = nullptr;
    QPushButton* SpeedButAnnulerServeur = nullptr;
    QPushButton* SpeedButEnrServeur = nullptr;
    QTextEdit* RichEditAideServeur = nullptr;
    // Under the help, in the right column: the certificate pinned for the saved server.
    QLabel* LabEmpreinteTLS = nullptr;
    QPushButton* SpeedButOublierEmpreinte = nullptr;

    // "Historique" and "A Propos".
    QLabel* Label32 = nullptr;
    QTreeWidget* TreeViewHistorique = nullptr;
    QLabel* LabelVersion = nullptr;
    QPlainTextEdit* MemoAPropos = nullptr;
    QLabel* LabelLienInternet = nullptr;

    // "Erreurs Envois".
    QLabel* LabTotalErr = nullptr;
    QListWidget* ListBoxErrAdresse = nullptr;
    QLabel* LabErrDiscription = nullptr;
    QLabel* LabFichierErrEnvois = nullptr;
    QPushButton* SpeedButton1 = nullptr;
    QPushButton* SpeedButRenvoyerErreurs = nullptr;
    ImageMarque* LMDLImageEnregistrementErrOk = nullptr;
    QPlainTextEdit* MemoErreurEnvois = nullptr;
    QListWidget* ListBoxErrDescription = nullptr;
    QLabel* Label31 = nullptr;

    // Preview overlay; the browser view is made at the first preview.
    QFrame* PanelApercuWeb = nullptr;
    QWidget* WebBrowserApercu = nullptr;
    QPushButton* SpeedButFermerApercuWeb = nullptr;

    // The SMTP client of the whole run.
    std::unique_ptr<ClientSMTP> IdSMTP1;

    // Behaviour of each page.
    std::unique_ptr<PageParametres> pageParametres;
    std::unique_ptr<PageHistorique> pageHistorique;
    std::unique_ptr<PageAPropos> pageAPropos;
    std::unique_ptr<PageListes> pageListes;
    std::unique_ptr<EditionListe> editionListe;
    std::unique_ptr<RechercheAdresse> rechercheAdresse;
    std::unique_ptr<ImportAdresses> importAdresses;
    std::unique_ptr<ChargementPage> chargementPage;
    std::unique_ptr<OutilsHtml> outilsHtml;
    std::unique_ptr<ApercuWeb> apercuWeb;
    std::unique_ptr<IndicateurEnvoi> indicateurEnvoi;
    std::unique_ptr<Campagne> campagne;
    std::unique_ptr<EnvoiTest> envoiTest;
    std::unique_ptr<PageErreurs> pageErreurs;

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void FormCreate();
    void FormCloseQuery();
    void ChoisirPageDemarrage();

    Dialogues& dialogues_;
    QString repertoire_;
    bool dejaActive_ = false;
    // Handlers running, nested ones included, and a close asked while one of them waited.
    int gestionnairesEnCours_ = 0;
    bool fermetureDifferee_ = false;
};
