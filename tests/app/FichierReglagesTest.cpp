#include "app/FichierReglages.h"
#include "app/CodageMotDePasse.h"
#include "app/FichierParametres.h"
#include "commun/CodageFichier.h"
#include "commun/Erreur.h"
#include "tests/support/RepertoireTemporaire.h"

#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct CasLecture {
    const char* nom;
    QByteArray fichier;
    std::function<void(const Reglages&)> verifier;
};

// Each key read into its typed value, with the default of a missing key and the values that a
// hand-edited file may hold.
TEST(FichierReglages, LitChaqueCleDansSonType) {
    const QByteArray mdp = CodageFichier::Coder(CodageMotDePasse("pa55", kCleMotDePasse));
    const std::vector<CasLecture> cas = {
        {"fichier absent",
         {},
         [](const Reglages& r) {
             EXPECT_EQ(r.ValSMTPServeur, "");
             EXPECT_EQ(r.ValSMTPPort.Texte, "25");
             EXPECT_EQ(r.ValSMTPPort.Numero, 25);
             EXPECT_FALSE(r.ValConnectTlS);
             EXPECT_FALSE(r.ValChrgtHtmlAuto);
             EXPECT_EQ(r.ValVersionDemarragePrecedant, "");
             EXPECT_EQ(r.ValMessagesParMinute, 0);
             EXPECT_EQ(r.ValMessagesParHeure, 0);
             EXPECT_EQ(r.ValMessagesParJour, 0);
             EXPECT_EQ(r.ValMessagesParConnexion, 0);
             EXPECT_EQ(r.ValConnexionsSimultanees, 1);
             EXPECT_FALSE(r.ValPipelining) << "one command at a time";
             EXPECT_EQ(r.ValDelaisReprise, (std::vector<std::chrono::minutes>{
                                               std::chrono::minutes(1), std::chrono::minutes(5),
                                               std::chrono::minutes(15)}));
         }},
        {"toutes les clés",
         "[parametres]\r\nVersionAppli=1.0.4.41\r\n[Parametres]\r\nSMTPServeur=smtp.exemple.fr\r\n"
         "SMTPPort=587\r\nSMTPUser=jean\r\nSMTPPassword=" +
             mdp +
             "\r\nMailEXP=jean@exemple.fr\r\nNomExpediteur=Club des Amis\r\n"
             "Desinscription=mailto:stop@exemple.fr\r\nConnectTlS=Oui\r\nChrgtHtmlAuto=Oui\r\n"
             "DernierFichierCharg\xE9=/home/jean/lettre.html\r\nValSujet=\"Nouvelles de "
             "l'\xE9t\xE9\"\r\n"
             "ListeFav=club.list\r\n",
         [](const Reglages& r) {
             EXPECT_EQ(r.ValSMTPServeur, "smtp.exemple.fr");
             EXPECT_EQ(r.ValSMTPPort.Numero, 587);
             EXPECT_EQ(r.ValSMTPUser, "jean");
             EXPECT_EQ(r.ValSMTPPassword, "pa55");
             EXPECT_EQ(r.ValEditMailEXP, "jean@exemple.fr");
             EXPECT_EQ(r.ValNomExpediteur, "Club des Amis");
             EXPECT_EQ(r.ValDesinscription, "mailto:stop@exemple.fr");
             EXPECT_TRUE(r.ValConnectTlS);
             EXPECT_TRUE(r.ValChrgtHtmlAuto);
             EXPECT_EQ(r.ValDernierFichierCharge, "/home/jean/lettre.html");
             EXPECT_EQ(r.ValSujet, "Nouvelles de l'été");
             EXPECT_EQ(r.valListeFav, "club.list");
             EXPECT_EQ(r.ValVersionDemarragePrecedant, "1.0.4.41");
         }},
        {"port vide, oui en minuscules", "[Parametres]\r\nSMTPPort=\r\nConnectTlS=oui\r\n",
         [](const Reglages& r) {
             EXPECT_EQ(r.ValSMTPPort.Texte, "") << "the default applies only to a missing key";
             EXPECT_FALSE(r.ValSMTPPort.Numero);
             EXPECT_FALSE(r.ValConnectTlS) << "only the exact word Oui";
         }},
        {"délais de reprise", "[Parametres]\r\nDelaisReprise= 2, x,30 \r\n",
         [](const Reglages& r) {
             EXPECT_EQ(r.ValDelaisReprise, (std::vector<std::chrono::minutes>{
                                               std::chrono::minutes(2), std::chrono::minutes(30)}));
         }},
        {"cadence",
         "[Parametres]\r\nMessagesParMinute=30\r\nMessagesParConnexion=x\r\n"
         "ConnexionsSimultanees=4\r\nPipelining=Oui\r\nMessagesParHeure=400\r\n"
         "MessagesParJour=-3\r\n",
         [](const Reglages& r) {
             EXPECT_EQ(r.ValMessagesParMinute, 30);
             EXPECT_EQ(r.ValMessagesParHeure, 400);
             EXPECT_EQ(r.ValMessagesParJour, 0) << "below zero: no limit";
             EXPECT_EQ(r.ValMessagesParConnexion, 0) << "no number: no limit";
             EXPECT_EQ(r.ValConnexionsSimultanees, 4);
             EXPECT_TRUE(r.ValPipelining);
         }},
        {"connexions hors limites", "[Parametres]\r\nConnexionsSimultanees=20\r\n",
         [](const Reglages& r) { EXPECT_EQ(r.ValConnexionsSimultanees, 1); }},
        {"aucune reprise", "[Parametres]\r\nDelaisReprise=\r\n",
         [](const Reglages& r) { EXPECT_TRUE(r.ValDelaisReprise.empty()); }},
        {"port hors limites", "[Parametres]\r\nSMTPPort=70000\r\n",
         [](const Reglages& r) { EXPECT_EQ(r.ValSMTPPort.Numero, 70000 % 65536); }},
        {"port qui n'est pas un nombre", "[Parametres]\r\nSMTPPort=vingt-cinq\r\n",
         [](const Reglages& r) {
             EXPECT_FALSE(r.ValSMTPPort.Numero);
             try {
                 r.ValSMTPPort.Exiger();
                 ADD_FAILURE() << "no number: the campaign cannot start";
             } catch (const Erreur& e) {
                 EXPECT_EQ(e.Message(), "'vingt-cinq' n'est pas une valeur entière correcte");
             }
         }},
    };
    for (const CasLecture& c : cas) {
        SCOPED_TRACE(c.nom);
        RepertoireTemporaire rep;
        if (!c.fichier.isNull())
            rep.Ecrire("Lettrova.ini", c.fichier);
        const FichierReglages fichier(rep.Fichier("Lettrova.ini"));
        c.verifier(fichier.Lire());
        EXPECT_FALSE(fichier.AuTrousseau(FichierReglages::Secret::SMTP));
        EXPECT_FALSE(fichier.AuTrousseau(FichierReglages::Secret::IMAP));
    }
}

// What "Enregistrer" and the single-key writes leave in the file: the format earlier versions
// wrote, byte for byte, and what is read back is what was written.
TEST(FichierReglages, EcritLeFormatDeToujoursEtSeRelit) {
    RepertoireTemporaire rep;
    FichierReglages fichier(rep.Fichier("Lettrova.ini"));
    fichier.EcrireVersion("1.0.4.42");
    Reglages saisis;
    saisis.ValSMTPServeur = "smtp.exemple.fr";
    saisis.ValSMTPPort = PortSMTP::Depuis("587");
    saisis.ValSMTPUser = "jean";
    saisis.ValSMTPPassword = "s3cr\"t =";
    saisis.ValEditMailEXP = "jean@exemple.fr";
    saisis.ValConnectTlS = true;
    Reglages actifs;
    fichier.EcrireServeur(actifs, saisis, true);
    fichier.EcrireListeFav("club.list");
    fichier.EcrireSujet("Été");
    fichier.EcrireDernierFichier("/tmp/l.html");
    EXPECT_EQ(
        rep.Lire("Lettrova.ini"),
        "[parametres]\r\nVersionAppli=1.0.4.42\r\nSMTPServeur=smtp.exemple.fr\r\n"
        "SMTPPort=587\r\nSMTPUser=jean\r\nSMTPPassword=" +
            CodageFichier::Coder(CodageMotDePasse("s3cr\"t =", kCleMotDePasse)) +
            "\r\nMailEXP=jean@exemple.fr\r\nNomExpediteur=\r\nDesinscription=\r\n"
            "ConnectTlS=Oui\r\nChrgtHtmlAuto=Non\r\nMessagesParMinute=0\r\nMessagesParHeure=0\r\n"
            "MessagesParJour=0\r\n"
            "MessagesParConnexion=0\r\nConnexionsSimultanees=1\r\nPipelining="
            "Non\r\nJoindreImages=Oui\r\n"
            "ListeFav=club.list\r\n"
            "ValSujet=\xC9t\xE9\r\nDernierFichierCharg\xE9=/tmp/l.html\r\n");
    const Reglages relus = fichier.Lire();
    EXPECT_EQ(relus.ValSMTPPassword, actifs.ValSMTPPassword);
    EXPECT_EQ(relus.ValSMTPPort.Numero, 587);
    EXPECT_TRUE(relus.ValConnectTlS && actifs.ValConnectTlS);
    EXPECT_EQ(relus.ValSujet, "Été");
    EXPECT_TRUE(relus.ValJoindreImages);

    // Without the password: the stored one stays as it is.
    saisis.ValSMTPPassword.clear();
    fichier.EcrireServeur(actifs, saisis, false);
    EXPECT_EQ(fichier.Lire().ValSMTPPassword, "s3cr\"t =");
}

// Only the exact "Oui" joins the page's local pictures, and a file without the key (every
// earlier version's) joins them.
TEST(FichierReglages, JoindreLesImagesParDefaut) {
    const struct {
        const char* fichier;
        bool joindre;
    } cas[] = {{"", true},
               {"[Parametres]\r\nJoindreImages=Oui\r\n", true},
               {"[Parametres]\r\nJoindreImages=Non\r\n", false},
               {"[Parametres]\r\nJoindreImages=oui\r\n", false}};
    for (const auto& c : cas) {
        RepertoireTemporaire rep;
        rep.Ecrire("Lettrova.ini", c.fichier);
        EXPECT_EQ(FichierReglages(rep.Fichier("Lettrova.ini")).Lire().ValJoindreImages, c.joindre)
            << c.fichier;
    }
}

// The mailbox's block: 993 by default, the password disguised as the SMTP one, read back; in
// the keyring, under an entry of its own beside the SMTP one.
TEST(FichierReglages, BoiteIMAP) {
    RepertoireTemporaire rep;
    const QString chemin = rep.Fichier("Lettrova.ini");
    const Reglages defaut = FichierReglages(chemin).Lire();
    EXPECT_EQ(defaut.ValIMAPPort.Texte, "993");
    EXPECT_TRUE(defaut.ValIMAPServeur.isEmpty());
    Reglages actifs, saisis;
    saisis.ValIMAPServeur = "imap.exemple.fr";
    saisis.ValIMAPPort = PortSMTP::Depuis("143");
    saisis.ValIMAPUser = "club@exemple.fr";
    saisis.ValIMAPPassword = "Élan-Passé9";
    FichierReglages(chemin).EcrireIMAP(actifs, saisis, true);
    EXPECT_EQ(actifs.ValIMAPServeur, "imap.exemple.fr");
    const QString texte = QString::fromLatin1(rep.Lire("Lettrova.ini"));
    EXPECT_TRUE(texte.contains("IMAPServeur=imap.exemple.fr\r\nIMAPPort=143\r\n"
                               "IMAPUser=club@exemple.fr\r\nIMAPPassword="))
        << texte.toStdString();
    EXPECT_FALSE(texte.contains("Passé9"));
    const Reglages relu = FichierReglages(chemin).Lire();
    EXPECT_EQ(relu.ValIMAPServeur, "imap.exemple.fr");
    EXPECT_EQ(relu.ValIMAPPort.Numero, quint16(143));
    EXPECT_EQ(relu.ValIMAPUser, "club@exemple.fr");
    EXPECT_EQ(relu.ValIMAPPassword, "Élan-Passé9");

    using Secret = FichierReglages::Secret;
    FichierReglages fichier(chemin);
    const QString entree = fichier.EntreeTrousseau(Secret::IMAP);
    EXPECT_EQ(entree, QFileInfo(chemin).absoluteFilePath() + " (IMAP)");
    EXPECT_NE(entree, fichier.EntreeTrousseau(Secret::SMTP));
    EXPECT_EQ(fichier.ApresEcritureTrousseau(Secret::IMAP, OperationTrousseau::Etat::Reussie,
                                             entree, "Élan-Passé9"),
              FichierReglages::LieuMotDePasse::Trousseau);
    EXPECT_TRUE(fichier.AuTrousseau(Secret::IMAP));
    EXPECT_FALSE(fichier.AuTrousseau(Secret::SMTP));
    EXPECT_TRUE(fichier.Lire().ValIMAPPassword.isEmpty());
    // A save without the block's password keeps the way to it.
    saisis.ValIMAPServeur = "imap2.exemple.fr";
    fichier.EcrireIMAP(actifs, saisis, false);
    EXPECT_TRUE(fichier.AuTrousseau(Secret::IMAP));
    EXPECT_EQ(fichier.EntreeTrousseau(Secret::IMAP), entree);
    // Refused: back in the file, disguised, the entry no longer named.
    EXPECT_EQ(fichier.ApresEcritureTrousseau(Secret::IMAP, OperationTrousseau::Etat::Refusee,
                                             entree, "Autre-Passé"),
              FichierReglages::LieuMotDePasse::FichierApresRefus);
    EXPECT_FALSE(fichier.AuTrousseau(Secret::IMAP));
    EXPECT_EQ(fichier.Lire().ValIMAPPassword, "Autre-Passé");
}

// One pin per server and port, host names without case; a hostile host name stays inside its
// own key; forgetting leaves the other pins and the settings as they were.
TEST(FichierReglages, UneEmpreinteParServeurEtPort) {
    RepertoireTemporaire rep;
    rep.Ecrire("Lettrova.ini", "[Parametres]\r\nSMTPServeur=smtp.exemple.fr\r\n");
    const QString ini = rep.Fichier("Lettrova.ini");
    FichierReglages f(ini);
    f.EcrireEmpreinte("smtp.exemple.fr", 465, "AA:01");
    f.EcrireEmpreinte("smtp.exemple.fr", 587, "BB:02");
    f.EcrireEmpreinte("x=y]\r\n[Parametres", 25, "CC:03");
    EXPECT_EQ(f.Empreinte("SMTP.Exemple.FR", 465), "AA:01");
    EXPECT_EQ(f.Empreinte("smtp.exemple.fr", 587), "BB:02");
    EXPECT_EQ(f.Empreinte("smtp.exemple.fr", 25), "");
    EXPECT_EQ(f.Empreinte("x=y]\r\n[Parametres", 25), "CC:03");
    f.EcrireEmpreinte("smtp.exemple.fr", 465, "");
    EXPECT_EQ(f.Empreinte("smtp.exemple.fr", 465), "");
    EXPECT_EQ(f.Empreinte("smtp.exemple.fr", 587), "BB:02");
    FichierParametres brut(ini);
    EXPECT_EQ(brut.Lire("Parametres", "SMTPServeur", ""), "smtp.exemple.fr");
    EXPECT_EQ(brut.Lire("Parametres", "y]", "absent"), "absent");
    EXPECT_EQ(f.Lire().ValSMTPServeur, "smtp.exemple.fr");
}

} // namespace
