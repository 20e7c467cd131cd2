#include "page/ui/ApercuWeb.h"

#include "app/ui/Gestionnaires.h"
#include "page/TexteApercu.h"
#include "page/ui/ControlesApercu.h"
#include "page/ui/SchemaApercu.h"
#include "page/ui/TexteEditeur.h"

#include <QEventLoop>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <unistd.h>

ApercuWeb::ApercuWeb(ControlesApercu& c, QPushButton& apercu, const QPlainTextEdit& editeur,
                     Gestionnaires& gestionnaires, const bool& fermeture)
    : c_(c), editeur_(editeur), fermeture_(fermeture) {
    gestionnaires.Relier(&apercu, &QPushButton::clicked, [this] { SpeedButApercuMAilClick(); });
    gestionnaires.Relier(c.SpeedButFermerApercuWeb, &QPushButton::clicked,
                         [this] { SpeedButFermerApercuWebClick(); });
}

void ApercuWeb::SpeedButApercuMAilClick() {
    ChargeHtmlApercu(c_.WebBrowserApercu, TexteEditeur(editeur_));
    QFrame* panneau = c_.PanelApercuWeb;
    panneau->setGeometry(panneau->parentWidget()->rect());
    panneau->raise();
    panneau->show();
    QPushButton* fermer = c_.SpeedButFermerApercuWeb;
    c_.WebBrowserApercu->setGeometry(0, 0, panneau->width(),
                                     panneau->height() - fermer->height() - 10);
    fermer->move(fermer->x(), panneau->height() - fermer->height() - 5);
}

void ApercuWeb::ChargeHtmlApercu(QWidget*& vue, const QString& html) {
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
    navigateur->setUrl(schema_->Publier(OctetsApercu(html)));
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
