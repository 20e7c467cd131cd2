#include "app/ui/apropos/PageAPropos.h"

#include "app/ui/apropos/ControlesAPropos.h"
#include "commun/ui/Gestionnaires.h"

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
               "Les images enregistrées à côté de la page voyagent dans le message, comme dans "
               "un courrier \n"
               "ordinaire (\"Joindre les images locales au message\" dans les Paramètres) ; une "
               "image d'un site web \n"
               "peut aussi garder son adresse (\"https://www.exemple.fr/images/logo.png\" par "
               "exemple).\n"
               "Une feuille de style posée à côté de la page est mise dans le message. \"Charger\" "
               "dit ce que les \n"
               "destinataires ne verraient pas : image introuvable, script, feuille de style "
               "distante, taille.\n"
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
