#include "app/FichierParametres.h"
#include "commun/Erreur.h"
#include "tests/support/RepertoireTemporaire.h"

#include "tests/support/LimiteTailleFichiers.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(FichierParametres, LitLesValeursSansBlancsNiGuillemets) {
    RepertoireTemporaire rep;
    rep.Ecrire("Lettrova.ini", "[PARAMETRES]\r\n"
                               "smtpserveur =  mail.exemple.fr  \r\n"
                               "SMTPUser=\"jean dupont\"\r\n"
                               "MailEXP='a@b.fr'\r\n"
                               "ValSujet=\"seul\r\n"
                               "ListeFav=\"\"\r\n"
                               "VersionAppli=\r\n");
    FichierParametres f(rep.Fichier("Lettrova.ini"));
    EXPECT_EQ(f.Lire("Parametres", "SMTPServeur", "x"), "mail.exemple.fr");
    EXPECT_EQ(f.Lire("parametres", "SMTPUser", "x"), "jean dupont");
    EXPECT_EQ(f.Lire("Parametres", "MailEXP", "x"), "a@b.fr");
    EXPECT_EQ(f.Lire("Parametres", "ValSujet", "x"), "\"seul");
    EXPECT_EQ(f.Lire("Parametres", "ListeFav", "x"), "");
    EXPECT_EQ(f.Lire("Parametres", "VersionAppli", "x"), "") << "an empty value is no missing key";
    EXPECT_EQ(f.Lire("Parametres", "SMTPPort", "25"), "25");
    EXPECT_EQ(f.Lire("Autre", "SMTPUser", "d"), "d");
}

TEST(FichierParametres, LongueurLimiteeA2047) {
    RepertoireTemporaire rep;
    rep.Ecrire("p.ini", "[s]\r\nk=" + QByteArray(3000, 'a') + "\r\n");
    EXPECT_EQ(FichierParametres(rep.Fichier("p.ini")).Lire("s", "k", "").size(), 2047);
}

TEST(FichierParametres, PremiereEcritureCreeLaSectionAvecSonOrthographe) {
    RepertoireTemporaire rep;
    FichierParametres f(rep.Fichier("Lettrova.ini"));
    f.Ecrire("parametres", "VersionAppli", "1.0.4.42");
    f.Ecrire("Parametres", "SMTPServeur", "smtp.exemple.fr");
    EXPECT_EQ(rep.Lire("Lettrova.ini"),
              "[parametres]\r\nVersionAppli=1.0.4.42\r\nSMTPServeur=smtp.exemple.fr\r\n");
}

TEST(FichierParametres, RemplaceSurPlaceEtAjouteEnFinDeSection) {
    RepertoireTemporaire rep;
    rep.Ecrire("Lettrova.ini", "; note\r\n[Parametres]\r\nSMTPServeur=a\r\nSMTPPort=25\r\n\r\n"
                               "[Autre]\r\ncle=v\r\n");
    FichierParametres f(rep.Fichier("Lettrova.ini"));
    f.Ecrire("parametres", "smtpport", "587");
    f.Ecrire("parametres", "ListeFav", "amis.list");
    EXPECT_EQ(rep.Lire("Lettrova.ini"),
              "; note\r\n[Parametres]\r\nSMTPServeur=a\r\nsmtpport=587\r\n"
              "ListeFav=amis.list\r\n\r\n[Autre]\r\ncle=v\r\n");
    // A new reader of the same file sees one section.
    EXPECT_EQ(FichierParametres(rep.Fichier("Lettrova.ini")).Lire("PARAMETRES", "listefav", ""),
              "amis.list");
}

// Windows-1252 while every character fits; UTF-8 behind a mark as soon as one does not, so that
// no character of a setting is lost.
TEST(FichierParametres, TexteEnWindows1252OuUtf8) {
    const struct {
        const char* valeur;
        QByteArray fichier;
    } cas[] = {
        {"Été € – ok", "[s]\r\nValSujet=\xC9t\xE9 \x80 \x96 ok\r\n"},
        {"Été € – ok ☃", "\xEF\xBB\xBF[s]\r\nValSujet=\xC3\x89t\xC3\xA9 \xE2\x82\xAC \xE2\x80\x93 "
                         "ok \xE2\x98\x83\r\n"},
    };
    for (const auto& c : cas) {
        RepertoireTemporaire rep;
        FichierParametres f(rep.Fichier("p.ini"));
        f.Ecrire("s", "ValSujet", QString::fromUtf8(c.valeur));
        EXPECT_EQ(rep.Lire("p.ini"), c.fichier);
        EXPECT_EQ(FichierParametres(rep.Fichier("p.ini")).Lire("s", "ValSujet", ""),
                  QString::fromUtf8(c.valeur));
    }
}

TEST(FichierParametres, EchecDEcritureGardeLAncienFichier) {
    RepertoireTemporaire rep;
    rep.Ecrire("p.ini", "[s]\r\nk=ancien\r\n");
    FichierParametres f(rep.Fichier("p.ini"));
    {
        // A file size limit makes the write fail part-way, as a full disk would.
        LimiteTailleFichiers limite(64);
        try {
            f.Ecrire("s", "k", QString(200, 'n'));
            ADD_FAILURE() << "the write should fail";
        } catch (const Erreur& e) {
            EXPECT_EQ(e.Message(), QString::fromUtf8("Impossible d'écrire dans ") +
                                       rep.Fichier("p.ini") + ". Fichier trop grand");
        }
    }
    EXPECT_EQ(rep.Lire("p.ini"), "[s]\r\nk=ancien\r\n");
    EXPECT_EQ(QDir(rep.Chemin()).entryList(QDir::Files), QStringList{"p.ini"}) << "no leftover";
    f.Ecrire("s", "k2", "v");
    EXPECT_EQ(rep.Lire("p.ini"), "[s]\r\nk=ancien\r\nk2=v\r\n");
}
