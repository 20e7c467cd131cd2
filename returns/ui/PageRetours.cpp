#include "returns/ui/PageRetours.h"

#include "app/Reglages.h"
#include "commun/Erreur.h"
#include "commun/ui/Couleur.h"
#include "commun/ui/Dialogues.h"
#include "commun/ui/Gestionnaires.h"
#include "commun/ui/LigneStatut.h"
#include "returns/Desinscrits.h"
#include "returns/FichierBilan.h"
#include "returns/ReleveRetours.h"
#include "returns/RetraitListe.h"

#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <atomic>
#include <exception>
#include <thread>

namespace {
QString Nombre(qsizetype n, const char* un, const char* plusieurs) {
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n > 1 ? plusieurs : un));
}

void AjouterAdresses(QTreeWidgetItem* parent, const char* titre,
                     const QList<AdresseEnRetour>& adresses) {
    if (adresses.isEmpty())
        return;
    auto* groupe = new QTreeWidgetItem(
        parent, {QStringLiteral("%1 (%2)").arg(QString::fromUtf8(titre)).arg(adresses.size())});
    for (const AdresseEnRetour& a : adresses)
        new QTreeWidgetItem(groupe, {a.adresse, (a.statut + u' ' + a.diagnostic).trimmed()});
}
} // namespace

PageRetours::PageRetours(QWidget& page, Services services) : s_(std::move(services)) {
    DisposerRetours(&page, c_);
    s_.gestionnaires.Relier(c_.SpeedButRelever, &QPushButton::clicked,
                            [this] { SpeedButReleverClick(); });
    s_.gestionnaires.Relier(c_.SpeedButRetirerListe, &QPushButton::clicked,
                            [this] { SpeedButRetirerListeClick(); });
    s_.gestionnaires.Relier(c_.SpeedButNePlusEcrire, &QPushButton::clicked,
                            [this] { SpeedButNePlusEcrireClick(); });
    // What earlier readings found and the user has not handled yet.
    try {
        bilan_ = FichierBilan::Lire(s_.repertoire);
    } catch (const Erreur& e) {
        Etat(e.Message(), true);
    }
    Afficher();
}

ServeurIMAP PageRetours::Serveur() const {
    const Reglages& r = s_.reglages;
    ServeurIMAP s;
    s.hote = r.ValIMAPServeur.trimmed();
    s.port = r.ValIMAPPort.Exiger();
    s.implicite = s.port != 143;
    s.utilisateur = r.ValIMAPUser.isEmpty() ? r.ValSMTPUser : r.ValIMAPUser;
    s.motDePasse = r.ValIMAPPassword.isEmpty() ? r.ValSMTPPassword : r.ValIMAPPassword;
    if (!s.hote.isEmpty())
        s.empreinteConnue = s_.Fichier().Empreinte(s.hote, s.port);
    return s;
}

void PageRetours::SpeedButReleverClick() {
    if (enCours_)
        return;
    const ServeurIMAP serveur = Serveur();
    // Copied for the reading's thread: "Paramètres" may be saved meanwhile.
    const QString desinscription = s_.reglages.ValDesinscription;
    enCours_ = true;
    // The record is the reading's until it ends.
    for (QPushButton* b : {c_.SpeedButRelever, c_.SpeedButRetirerListe, c_.SpeedButNePlusEcrire})
        b->setEnabled(false);
    c_.ProgressBarRetours->setValue(0);
    Etat(QStringLiteral("Lecture de la boîte aux lettres de %1...").arg(serveur.hote), false);
    // The reading runs on a thread of its own; this one shows its progress and stays free.
    std::atomic<int> lus{0}, total{0};
    std::atomic<bool> arret{false};
    BilanRetours bilan = bilan_;
    ReleveRetours::Releve releve;
    std::exception_ptr echec;
    QEventLoop boucle;
    std::thread travail([&] {
        try {
            releve = ReleveRetours::Relever(serveur, s_.repertoire, desinscription, bilan,
                                            [&](int l, int t) {
                                                lus = l;
                                                total = t;
                                                return !arret;
                                            });
        } catch (...) {
            echec = std::current_exception();
        }
        QMetaObject::invokeMethod(&boucle, &QEventLoop::quit, Qt::QueuedConnection);
    });
    QTimer suivi;
    QObject::connect(&suivi, &QTimer::timeout, [&] {
        arret = s_.fermeture;
        c_.ProgressBarRetours->setMaximum(qMax(1, total.load()));
        c_.ProgressBarRetours->setValue(lus);
    });
    suivi.start(50);
    boucle.exec();
    travail.join();
    enCours_ = false;
    c_.SpeedButRelever->setEnabled(true);
    if (s_.fermeture)
        return;
    Afficher();
    try {
        if (echec)
            std::rethrow_exception(echec);
    } catch (const Erreur& e) {
        Etat(e.Message(), true);
        return;
    }
    if (!releve.empreinteAEpingler.isEmpty())
        s_.Fichier().EcrireEmpreinte(serveur.hote, serveur.port, releve.empreinteAEpingler);
    bilan_ = std::move(bilan);
    c_.ProgressBarRetours->setMaximum(qMax(1, releve.lus));
    c_.ProgressBarRetours->setValue(releve.lus);
    Afficher();
    qsizetype temporaires = 0;
    for (const RetoursCampagne& c : bilan_.campagnes)
        temporaires += c.temporaires.size();
    const QString messagesLus = Nombre(releve.lus, "message lu", "messages lus");
    Etat(QStringLiteral("%1 : %2, %3, %4, %5.")
             .arg(messagesLus,
                  Nombre(bilan_.Definitifs().size(), "échec définitif", "échecs définitifs"),
                  Nombre(temporaires, "échec temporaire", "échecs temporaires"),
                  Nombre(bilan_.desinscriptions.size(), "demande de désinscription",
                         "demandes de désinscription"),
                  Nombre(bilan_.reponsesAutomatiques, "réponse automatique ignorée",
                         "réponses automatiques ignorées")),
         false, QStringLiteral("Retours relevés : %1.").arg(messagesLus));
}

void PageRetours::SpeedButRetirerListeClick() {
    const qsizetype nombre = bilan_.Definitifs().size();
    if (nombre == 0) {
        s_.statut.AfficheStatut(QStringLiteral("Aucune adresse en échec définitif à retirer."),
                                Couleur::Rouge);
        return;
    }
    if (!s_.dialogues.Question(
            QStringLiteral("Retirer de leur liste %1 ? Elles seront gardées dans le fichier "
                           "« .retirees » à côté de chaque liste.")
                .arg(Nombre(nombre, "adresse en échec définitif", "adresses en échec définitif"))))
        return;
    QStringList retirees;
    for (const RetoursCampagne& c : std::as_const(bilan_.campagnes)) {
        QStringList adresses;
        for (const AdresseEnRetour& a : c.definitifs)
            adresses << a.adresse;
        const QString liste = QDir(s_.repertoire).filePath(c.campagne.liste);
        if (QFile::exists(liste))
            RetraitListe::Retirer(liste, adresses);
        retirees += adresses;
    }
    bilan_.RetirerDefinitifs(retirees);
    Afficher();
    FichierBilan::Ecrire(s_.repertoire, bilan_);
    if (s_.listesModifiees)
        s_.listesModifiees();
    s_.statut.AfficheStatut(QStringLiteral("%1 de la liste.")
                                .arg(Nombre(nombre, "adresse retirée", "adresses retirées")),
                            Couleur::Vert);
}

void PageRetours::SpeedButNePlusEcrireClick() {
    const QStringList adresses = bilan_.desinscriptions + bilan_.Definitifs();
    if (adresses.isEmpty()) {
        s_.statut.AfficheStatut(QStringLiteral("Aucune adresse à ajouter aux Désinscrits."),
                                Couleur::Rouge);
        return;
    }
    if (!s_.dialogues.Question(
            QStringLiteral("Ne plus jamais écrire à %1 (demandes de désinscription et échecs "
                           "définitifs) ?")
                .arg(Nombre(adresses.size(), "adresse", "adresses"))))
        return;
    const int ajoutees = Desinscrits(s_.repertoire).Ajouter(adresses);
    bilan_.desinscriptions.clear();
    Afficher();
    FichierBilan::Ecrire(s_.repertoire, bilan_);
    s_.statut.AfficheStatut(QStringLiteral("%1 aux Désinscrits.")
                                .arg(Nombre(ajoutees, "adresse ajoutée", "adresses ajoutées")),
                            Couleur::Vert);
}

void PageRetours::Afficher() {
    QTreeWidget& arbre = *c_.TreeRetours;
    arbre.clear();
    for (const RetoursCampagne& c : bilan_.campagnes) {
        auto* campagne = new QTreeWidgetItem(
            &arbre, {QStringLiteral("« %1 »").arg(c.campagne.sujet),
                     QStringLiteral("%1, le %2")
                         .arg(c.campagne.liste,
                              c.campagne.debut.toString(QStringLiteral("dd/MM/yyyy hh:mm")))});
        AjouterAdresses(campagne, "Échecs définitifs", c.definitifs);
        AjouterAdresses(campagne, "Échecs temporaires", c.temporaires);
    }
    if (!bilan_.desinscriptions.isEmpty()) {
        auto* demandes = new QTreeWidgetItem(
            &arbre,
            {QStringLiteral("Demandes de désinscription (%1)").arg(bilan_.desinscriptions.size())});
        for (const QString& a : bilan_.desinscriptions)
            new QTreeWidgetItem(demandes, {a});
    }
    arbre.expandAll();
    c_.SpeedButRetirerListe->setEnabled(!bilan_.Definitifs().isEmpty());
    c_.SpeedButNePlusEcrire->setEnabled(!bilan_.Definitifs().isEmpty() ||
                                        !bilan_.desinscriptions.isEmpty());
}

void PageRetours::Etat(const QString& texte, bool echec, const QString& resume) {
    c_.LabEtatRetours->setText(texte);
    c_.LabEtatRetours->setStyleSheet(echec ? QStringLiteral("color: red;") : QString());
    s_.statut.AfficheStatutFixe(resume.isEmpty() ? texte : resume,
                                echec ? Couleur::Rouge : Couleur::Noir);
}
