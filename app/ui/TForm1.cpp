#include "app/ui/TForm1.h"

#include "app/Version.h"
#include "app/ui/TexteAide.h"
#include "app/ui/apropos/DispositionAPropos.h"
#include "app/ui/apropos/PageAPropos.h"
#include "app/ui/historique/DispositionHistorique.h"
#include "app/ui/historique/PageHistorique.h"
#include "app/ui/parametres/BlocIMAP.h"
#include "app/ui/parametres/DecouverteParametres.h"
#include "app/ui/parametres/DispositionConnexion.h"
#include "app/ui/parametres/DispositionParametres.h"
#include "app/ui/parametres/EssaiParametres.h"
#include "app/ui/parametres/PageParametres.h"
#include "commun/ui/ApparencePolices.h"
#include "commun/ui/Fabrique.h"
#include "commun/ui/FiltreEvenements.h"
#include "commun/ui/Forme.h"
#include "commun/ui/ImageMarque.h"
#include "commun/ui/ListeImages.h"
#include "commun/ui/Pictogrammes.h"
#include "lists/ui/DispositionAdresses.h"
#include "lists/ui/DispositionImport.h"
#include "lists/ui/EditionDesinscrits.h"
#include "lists/ui/EditionListe.h"
#include "lists/ui/ImportAdresses.h"
#include "lists/ui/ListeChargee.h"
#include "lists/ui/PageListes.h"
#include "lists/ui/RechercheAdresse.h"
#include "mail/ClientSMTP.h"
#include "page/ui/ApercuWeb.h"
#include "page/ui/ChargementPage.h"
#include "page/ui/DispositionOutils.h"
#include "page/ui/OutilsHtml.h"
#include "returns/ui/PageRetours.h"
#include "sending/ui/Campagne.h"
#include "sending/ui/DispositionEnvois.h"
#include "sending/ui/EnvoiTest.h"
#include "sending/ui/IndicateurEnvoi.h"
#include "sending/ui/MesureMessageCampagne.h"
#include "sending/ui/ServicesEnvoi.h"
#include "sending/ui/erreurs/DispositionErreurs.h"
#include "sending/ui/erreurs/PageErreurs.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

using namespace Fabrique;

namespace {
// Client area of the window: the design's 700 x 490 outer size without the system's frame.
constexpr int kLargeurClient = 696;
constexpr int kHauteurClient = 462;
} // namespace

TForm1::TForm1(Dialogues& dialogues, QString repertoire, QWidget* parent)
    : QMainWindow(parent), dialogues_(dialogues), repertoire_(std::move(repertoire)),
      gestionnaires_(*this, dialogues) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Lettrova"));
    ChargerPolices();
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    ImageList1 = Pictogrammes::CreerImageList1(this);
    ImageList24x24 = Pictogrammes::CreerImageList24x24(this);
    ImageListTreeview = Pictogrammes::CreerImageListTreeview(this);
    setWindowIcon(ImageList1->Icone(11));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto* centre = new QWidget(this);
    setCentralWidget(centre);
    PageControlPrinc = Creer<QTabWidget>(centre, "PageControlPrinc", 0, -1, 696, 437);
    PageControlPrinc->setIconSize(QSize(16, 16));
    const struct {
        QWidget** page;
        const char* nom;
        const char* titre;
        int icone;
    } pages[] = {{&TabSheetPrincipale, "TabSheetPrincipale", "Envois Mail", 11},
                 {&TabSheetAdresseMail, "TabSheetAdresseMail", "Gestion d'adresses", 12},
                 {&TabSheet3, "TabSheet3", "Outils", 9},
                 {&TabSheetParamètres, "TabSheetParamètres", "Paramètres", 8},
                 {&TabSheet2, "TabSheet2", "Historique", 4},
                 {&TabSheet1, "TabSheet1", "A Propos", 7},
                 {&TabSheetErreur, "TabSheetErreur", "Erreurs Envois", 2},
                 {&TabSheetRetours, "TabSheetRetours", "Retours", 3}};
    for (const auto& p : pages) {
        *p.page = new QWidget;
        (*p.page)->setObjectName(QString::fromUtf8(p.nom));
        PageControlPrinc->addTab(*p.page, ImageList1->Icone(p.icone), QString::fromUtf8(p.titre));
    }

    Label10 = Bandeau(centre, "Label10", QStringLiteral("Infos:"), 0, 438, 41, 22);
    Police(Label10, QStringLiteral("Tahoma"), 11);
    LabStatusInfos = Etiquette(centre, "LabStatusInfos", QString(), 47, 440, 452, 18);
    Police(LabStatusInfos, QStringLiteral("Tahoma"), 10);
    SpeedButQuitter =
        Bouton(centre, "SpeedButQuitter", QStringLiteral("Quitter Lettrova"), 502, 436, 120, 22);
    LabelVersion2 = Etiquette(centre, "LabelVersion2", QStringLiteral("v."), 623, 442, 69, 13);
    LabelVersion2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    DisposerEnvois(TabSheetPrincipale, *this, *this);
    DisposerAdresses(TabSheetAdresseMail, *this, *this);
    DisposerOutils(TabSheet3, *this);
    DisposerParametres(TabSheetParamètres, *this);
    DisposerConnexion(TabSheetParamètres, *this);
    DisposerHistorique(TabSheet2, *this);
    DisposerAPropos(TabSheet1, *this, *this);
    DisposerErreurs(TabSheetErreur, *this, *this);

    PanelApercuWeb = Panneau(centre, "PanelApercuWeb", 0, 0, kLargeurClient, kHauteurClient);
    SpeedButFermerApercuWeb =
        Bouton(PanelApercuWeb, "SpeedButFermerApercuWeb", QStringLiteral("Fermer"), 417, 0, 96, 22);
    LabImagesApercu = Etiquette(PanelApercuWeb, "LabImagesApercu", QString(), 5, 0, 407, 22);
    Couleurs(LabImagesApercu, QColor(255, 89, 0));
    PanelApercuWeb->hide();

    TimerResetStatusInfos = new QTimer(this);
    TimerResetStatusInfos->setObjectName(QStringLiteral("TimerResetStatusInfos"));
    TimerResetStatusInfos->setInterval(10000);
    // The notice returns 10 s after the last status change, not within a coarse timer's slack.
    TimerResetStatusInfos->setTimerType(Qt::PreciseTimer);
    TimerAcitveEnvoyer = new QTimer(this);
    TimerAcitveEnvoyer->setObjectName(QStringLiteral("TimerAcitveEnvoyer"));
    TimerAcitveEnvoyer->setInterval(1000);

    statut_ = std::make_unique<StatutFenetre>(*LabStatusInfos, *TimerResetStatusInfos);
    onglets_ = std::make_unique<Onglets>(*PageControlPrinc);
    LigneStatut& statut = *statut_;
    Relier(SpeedButQuitter, &QPushButton::clicked, [this] { SpeedButQuitterClick(); });
    Relier(PageControlPrinc, &QTabWidget::currentChanged, [this] { PageControlPrincChange(); });
    Relier(TimerResetStatusInfos, &QTimer::timeout, [this] { TimerResetStatusInfosTimer(); });

    IdSMTP1 = std::make_unique<ClientSMTP>();
    pageParametres = std::make_unique<PageParametres>(
        *this, ChampsDemarrage{EditFichierACharger, EditSujetMessage}, gestionnaires_, statut,
        ReglagesActifs, CheminParametres(), *PageControlPrinc, *TabSheetParamètres);
    const ServicesConnexion connexion{*this, *this, gestionnaires_, statut, dialogues_};
    decouverteParametres = std::make_unique<DecouverteParametres>(connexion, ReglagesActifs);
    essaiParametres = std::make_unique<EssaiParametres>(connexion, CheminParametres());
    pageHistorique = std::make_unique<PageHistorique>(*this, *ImageList1, gestionnaires_);
    pageAPropos = std::make_unique<PageAPropos>(*this, gestionnaires_, repertoire_);
    ControlesListes& listes = *this;
    const QIcon dossier = ImageListTreeview->Icone(0);
    const QIcon adresse = ImageListTreeview->Icone(1);
    listeChargee = std::make_unique<ListeChargee>(*TreeViewListingListe, dossier, adresse);
    pageListes = std::make_unique<PageListes>(
        listes, SelecteurEnvoi{ComboBoxListe1, LabTotalAdresse2}, *listeChargee, gestionnaires_,
        statut, dialogues_, ReglagesActifs, repertoire_);
    editionListe =
        std::make_unique<EditionListe>(listes, *listeChargee, *pageListes, gestionnaires_, statut,
                                       ReglagesActifs, CheminParametres(), repertoire_);
    rechercheAdresse = std::make_unique<RechercheAdresse>(listes, *listeChargee, gestionnaires_,
                                                          statut, FermetureEnCours);
    importAdresses =
        std::make_unique<ImportAdresses>(listes, *listeChargee, gestionnaires_, statut, dialogues_,
                                         dossier, adresse, repertoire_, FermetureEnCours);
    outilsHtml =
        std::make_unique<OutilsHtml>(*this, *this, *PageControlPrinc, *TabSheet3, gestionnaires_);
    apercuWeb = std::make_unique<ApercuWeb>(*this, *SpeedButApercuMAil, *MemoHtmlBrut, DossierPage,
                                            ReglagesActifs, gestionnaires_, FermetureEnCours);
    pageErreurs =
        std::make_unique<PageErreurs>(*this, *EditSujetMessage, gestionnaires_, statut, dialogues_,
                                      *listeChargee, *rechercheAdresse, *pageListes, *onglets_,
                                      PagesErreurs{.erreurs = TabSheetErreur,
                                                   .adresses = TabSheetAdresseMail,
                                                   .envois = TabSheetPrincipale},
                                      repertoire_);
    const ServicesPage services{.gestionnaires = gestionnaires_,
                                .statut = statut,
                                .dialogues = dialogues_,
                                .reglages = ReglagesActifs,
                                .cheminParametres = CheminParametres(),
                                .repertoire = repertoire_,
                                .fermeture = FermetureEnCours};
    const ServicesEnvoi envoi{services, *TimerAcitveEnvoyer, *MemoHtmlBrut, DossierPage};
    mesureMessage = std::make_unique<MesureMessageCampagne>(envoi);
    chargementPage = std::make_unique<ChargementPage>(
        ControlesChargement{.EditFichierACharger = EditFichierACharger,
                            .SpeedButton2 = SpeedButton2,
                            .SpeedButCharger = SpeedButCharger,
                            .LMDLImageStatusChargement = LMDLImageStatusChargement,
                            .SpeedButEnvoyer = SpeedButEnvoyer,
                            .ShapeEnvoiValide = ShapeEnvoiValide},
        *MemoHtmlBrut, *ComboBoxRemarquesPage, gestionnaires_, statut, dialogues_, repertoire_,
        CheminParametres(), DossierPage, *mesureMessage);
    indicateurEnvoi =
        std::make_unique<IndicateurEnvoi>(*this, *pageParametres, *chargementPage, envoi);
    campagne = std::make_unique<Campagne>(*this, *pageErreurs, *listeChargee, *IdSMTP1, envoi);
    envoiTest = std::make_unique<EnvoiTest>(*this, *campagne, envoi);
    editionDesinscrits =
        std::make_unique<EditionDesinscrits>(*TabSheetAdresseMail, listes, *listeChargee,
                                             gestionnaires_, statut, dialogues_, repertoire_);
    blocIMAP = std::make_unique<BlocIMAP>(*TabSheetParamètres, *PageControlPrinc, gestionnaires_,
                                          ReglagesActifs, CheminParametres(), *pageParametres,
                                          *SpeedButEnrServeur, *SpeedButAnnulerServeur);
    // The sender's address names the domain whose DNS may name the mailbox's server too.
    Relier(EditMailEXP, &QLineEdit::editingFinished,
           [this] { blocIMAP->ChercherServeur(EditMailEXP->text()); });
    pageRetours = std::make_unique<PageRetours>(
        *TabSheetRetours, PageRetours::Services{services, [this] { pageListes->Charger(true); }});

    TimerResetStatusInfos->start();
    TimerAcitveEnvoyer->start();
    FormCreate();
    blocIMAP->Afficher();
    blocIMAP->LireMotDePasse();
}

TForm1::~TForm1() = default;

QString TForm1::CheminProgramme(const QString& nom) const {
    return QDir(repertoire_).filePath(nom);
}

void TForm1::FormCreate() {
    // Each step that can fail fails alone, with its own box: the others still run, so that the
    // window opens whole.
    const std::function<void()> etapes[] = {
        [this] {
            setFixedSize(kLargeurClient, kHauteurClient);
            // The import overlay always covers its whole page.
            PanelImporterMAil->setGeometry(TabSheetAdresseMail->rect());
            FiltreEvenements::Installer(TabSheetAdresseMail, QEvent::Resize, [this](QEvent*) {
                PanelImporterMAil->setGeometry(TabSheetAdresseMail->rect());
                return false;
            });
            ShapePanelOutils->setGeometry(PanelOutils->rect());
            onglets_->Montrer(TabSheetErreur, false);
        },
        [this] { pageParametres->LireDemarrage(); },
        [this] {
            SpeedButAnnulerServeur->setEnabled(false);
            SpeedButEnrServeur->setEnabled(false);
        },
        [this] { pageHistorique->Construire(); },
        [this] {
            const QString version = LireVersionFichier();
            LabelVersion->setText(QStringLiteral("Version: ") + version + u' ');
            LabelVersion2->setText(QStringLiteral("v.") + version);
        },
        [this] { pageListes->ChargeListe(); },
        [this] { ChoisirPageDemarrage(); },
        [this] { EcrireTexteAide(RichEditAideServeur); },
        [this] {
            if (ReglagesActifs.ValChrgtHtmlAuto && !EditFichierACharger->text().isEmpty())
                chargementPage->SpeedButChargerClick();
        },
    };
    for (const auto& etape : etapes)
        Executer(etape);
}

void TForm1::AnnoncerAuDemarrage(const QString& texte, bool echec) {
    annonce_ = texte;
    annonceEchec_ = echec;
    if (dejaActive_)
        MontrerAnnonce();
}

void TForm1::MontrerAnnonce() {
    if (annonce_.isEmpty())
        return;
    if (annonceEchec_)
        AfficheStatutFixe(annonce_, Couleur::Rouge);
    else
        AfficheStatut(annonce_, Couleur::Noir);
    annonce_.clear();
}

void TForm1::ChoisirPageDemarrage() {
    // A password the keyring is still asked for counts as there.
    const bool motDePasse =
        !EditSMTPPassword->text().isEmpty() || pageParametres->AttendTrousseau();
    const bool complets = !EditSMTPServeur->text().isEmpty() && !EditSMTPPort->text().isEmpty() &&
                          !EditSMTPUser->text().isEmpty() && motDePasse &&
                          !EditMailEXP->text().isEmpty();
    QWidget* page = complets ? TabSheetPrincipale : TabSheetParamètres;
    if (LireVersionFichier() != ReglagesActifs.ValVersionDemarragePrecedant)
        page = TabSheet2;
    SelectionnerPage(page);
}

void TForm1::SelectionnerPage(QWidget* page) {
    onglets_->Selectionner(page);
}

void TForm1::FormActivate() {
    if (!ReglagesActifs.valListeFav.right(5).toLower().endsWith(QStringLiteral(".list")))
        return;
    if (ComboBoxListe1->count() == 0)
        return;
    for (int i = -1; i < ComboBoxListe1->count(); ++i) {
        ComboBoxListe1->setCurrentIndex(i);
        if (ComboBoxListe1->currentText() == ReglagesActifs.valListeFav) {
            ComboBoxListe2->setCurrentIndex(i);
            LMDLImageListe2->DefinirIndex(4);
            pageListes->ComboBoxListe2Change();
            return;
        }
        LMDLImageListe2->DefinirIndex(3);
    }
    ComboBoxListe1->setCurrentIndex(-1);
    ComboBoxListe2->setCurrentIndex(-1);
}

bool TForm1::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && !dejaActive_) {
        dejaActive_ = true;
        Executer([this] { FormActivate(); });
        // After the favourite's count, which would cover it.
        MontrerAnnonce();
    }
    return QMainWindow::event(e);
}

void TForm1::closeEvent(QCloseEvent* e) {
    // A close put off until the running handler returns comes back here: the subject is
    // written once.
    if (!FermetureEnCours)
        Executer([this] { FormCloseQuery(); });
    // Closing is never refused, but while a handler waits (a question, a connection, a walk
    // over the list) the window stays shown and answering: that wait ends on FermetureEnCours
    // or on the user's answer, and the window closes once the handler has returned. A hidden
    // window would leave a process nobody can reach, holding the single-instance lock.
    if (gestionnaires_.EnCours()) {
        gestionnaires_.Apres([this] { close(); });
        e->ignore();
        return;
    }
    e->accept();
}

void TForm1::FormCloseQuery() {
    FermetureEnCours = true;
    Fichier().EcrireSujet(EditSujetMessage->text());
}

void TForm1::SpeedButQuitterClick() {
    // A pending confirmation is answered no, so that its wait ends and the window can close.
    campagne->Repondre(false);
    close();
}

void TForm1::PageControlPrincChange() {
    if (PageControlPrinc->currentWidget() != TabSheet3)
        outilsHtml->SpeedButtonPleinEcranClick();
}
