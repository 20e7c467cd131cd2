#include "app/ui/PageAPropos.h"

#include "app/ui/ControlesAPropos.h"
#include "app/ui/Gestionnaires.h"

#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QUrl>

PageAPropos::PageAPropos(ControlesAPropos& c, Gestionnaires& gestionnaires,
                         const QString& donnees) {
    c.MemoAPropos->setPlainText(TexteAPropos());
    c.LabelLienInternet->setText(AdresseSiteWeb());
    c.LabelDossierDonnees->setText(
        QStringLiteral("Paramètres et listes dans : %1").arg(QDir::toNativeSeparators(donnees)));
    gestionnaires.RelierClic(c.LabelLienInternet, [this] { LabelLienInternetClick(); });
}

QString PageAPropos::AdresseSiteWeb() {
    return QStringLiteral("https://lettrova.example.org/");
}

QString PageAPropos::TexteAPropos() {
    return QString(38, u' ') +
           QStringLiteral(
               "Lettrova: Gestionnaire d'envois de Mail de type Newsletter.\n"
               "\n"
               "-Ce logiciel a pour but de gérer une liste d'adresse mail pour l’envoi de courrier "
               "électronique de type \n"
               "newsletter.\n"
               "\n"
               "-Pour ce faire vous devez construire votre liste de contact, soit depuis "
               "l’application, soit en utilisant un \n"
               "fichier au format text (*.txt) où l’extension de ce fichier sera renommé au format "
               "liste (*.list) \n"
               "compatible avec l’application. Ce fichier sera placé a la racine de l’emplacement "
               "de Lettrova.exe.\n"
               "\n"
               "-Utiliser ensuite une page construite avec un logiciel tiers au format html.\n"
               "Cette page doit être autonome (pas de fichier css de mise en page pointant vers un "
               "fichier extérieur).\n"
               "Les images doivent utiliser un lien absolu "
               "(\"https://www.exemple.fr/images/logo.png\" par exemple).\n"
               "\n"
               "-Le message est envoyé un par un, le temps d’envoi peut donc être  plus ou moins "
               "long, en rapport \n"
               "avec le nombre de contact se trouvant dans votre liste.\n"
               "\n"
               "L'équipe Lettrova");
}

void PageAPropos::LabelLienInternetClick() {
    // Nothing is reported when no browser can open it.
    QDesktopServices::openUrl(QUrl(AdresseSiteWeb()));
}
