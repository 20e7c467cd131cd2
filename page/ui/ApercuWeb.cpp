#include "page/ui/ApercuWeb.h"

#include "app/Reglages.h"
#include "commun/ui/Gestionnaires.h"
#include "page/CompositionPage.h"
#include "page/TexteApercu.h"
#include "page/ui/ControlesApercu.h"
#include "page/ui/SchemaApercu.h"
#include "page/ui/TexteEditeur.h"

#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <unistd.h>

ApercuWeb::ApercuWeb(ControlesApercu& c, QPushButton& apercu, const QPlainTextEdit& editeur,
                     const QString& dossierPage, const Reglages& reglages,
                     Gestionnaires& gestionnaires, const bool& fermeture)
    : c_(c), editeur_(editeur), dossierPage_(dossierPage), reglages_(reglages),
      fermeture_(fermeture) {
    gestionnaires.Relier(&apercu, &QPushButton::clicked, [this] { SpeedButApercuMAilClick(); });
    gestionnaires.Relier(c.SpeedButFermerApercuWeb, &QPushButton::clicked,
                         [this] { SpeedButFermerApercuWebClick(); });
}

void ApercuWeb::SpeedButApercuMAilClick() {
    PageComposee page =
        ComposerPage(TexteEditeur(editeur_), dossierPage_, reglages_.ValJoindreImages);
    const QStringList manquantes = page.introuvables + page.localesNonJointes;
    c_.LabImagesApercu->setText(manquantes.isEmpty() ? QString()
                                : manquantes.size() == 1
                                    ? QStringLiteral("1 image ne s'affichera pas : ") +
                                          manquantes.first()
                                    : QStringLiteral("%1 images ne s'afficheront pas : %2")
                                          .arg(manquantes.size())
                                          .arg(manquantes.join(QStringLiteral(", "))));
    c_.LabImagesApercu->setToolTip(c_.LabImagesApercu->text());
    ChargeHtmlApercu(c_.WebBrowserApercu, page.html, std::move(page.images));
    QFrame* panneau = c_.PanelApercuWeb;
    panneau->setGeometry(panneau->parentWidget()->rect());
    panneau->raise();
    panneau->show();
    QPushButton* fermer = c_.SpeedButFermerApercuWeb;
    c_.WebBrowserApercu->setGeometry(0, 0, panneau->width(),
                                     panneau->height() - fermer->height() - 10);
    fermer->move(fermer->x(), panneau->height() - fermer->height() - 5);
    c_.LabImagesApercu->setGeometry(5, fermer->y(), fermer->x() - 10, fermer->height());
}

void ApercuWeb::ChargeHtmlApercu(QWidget*& vue, const QString& html, QList<ImageJointe> images) {
    if (!vue)
        vue = CreerNavigateur();
    auto* navigateur = static_cast<QWebEngineView*>(vue);
    // Start from an empty page, and wait for it while the window keeps running; the wait
    // also ends when the window closes or the engine's page process dies.
    QEventLoop attente;
    QObject::connect(navigateur, &QWebEngineView::loadFinished, &attente, &QEventLoop::quit);
    QObject::connect(navigateur->page(), &QWebEnginePage::renderProcessTerminated, &attente,
                     &QEventLoop::quit);
    QTimer veille;
    QObject::connect(&veille, &QTimer::timeout, &attente, [&] {
        if (fermeture_)
            attente.quit();
    });
    veille.start(100);
    navigateur->setUrl(QUrl(QStringLiteral("about:blank")));
    attente.exec(QEventLoop::WaitForMoreEvents);
    // The newsletter then loads on its own: its pictures may come from far away.
    navigateur->setUrl(schema_->Publier(OctetsApercu(html), std::move(images)));
}

QWidget* ApercuWeb::CreerNavigateur() {
    // As root the engine refuses to start with its sandbox on.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    SchemaApercu::Enregistrer();
    auto* vue = new QWebEngineView(c_.PanelApercuWeb);
    vue->setObjectName(QStringLiteral("WebBrowserApercu"));
    // A private profile: nothing of the preview is kept on disk. The page owns it so that it
    // goes after the page.
    auto* profil = new QWebEngineProfile;
    schema_ = new SchemaApercu(profil);
    profil->installUrlSchemeHandler(SchemaApercu::Nom(), schema_);
    profil->installUrlSchemeHandler(SchemaApercu::NomImages(), schema_);
    auto* page = new QWebEnginePage(profil, vue);
    profil->setParent(page);
    vue->setPage(page);
    vue->lower();
    vue->show();
    return vue;
}

void ApercuWeb::SpeedButFermerApercuWebClick() {
    // The view keeps the page until the next preview replaces it.
    c_.PanelApercuWeb->hide();
}
