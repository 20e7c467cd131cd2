// The whole way, as a user goes it: a campaign to 20 addresses through a real Postfix, 5 of
// which it finds unknown later and bounces; an unsubscribe request meanwhile; "Relever les
// retours" from a real Dovecot; the 5 removed from the list and kept beside it; the requester
// never written to again, and the next campaign says so.
#include "app/CodageMotDePasse.h"
#include "commun/CodageFichier.h"
#include "mail/ClientSMTP.h"
#include "mail/LectureAdresses.h"
#include "returns/ui/PageRetours.h"
#include "tests/support/CourrielDeTest.h"
#include "tests/support/PostfixRetours.h"
#include "tests/support/ServeurIMAPReel.h"
#include "tests/ui/sending/FenetreCampagne.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {

class RetoursDeCampagne : public FenetreCampagne {};

// What the top-level rows and their groups say.
QStringList Groupes(const QTreeWidget& arbre) {
    QStringList lignes;
    for (int i = 0; i < arbre.topLevelItemCount(); ++i) {
        QTreeWidgetItem* e = arbre.topLevelItem(i);
        lignes << e->text(0);
        for (int j = 0; j < e->childCount(); ++j)
            lignes << QStringLiteral("  ") + e->child(j)->text(0);
    }
    return lignes;
}

} // namespace

TEST_F(RetoursDeCampagne, VingtAdressesCinqRetoursUneDesinscription) {
    if (!ServeurIMAPReel::Possible() || !PostfixRetours::Possible())
        GTEST_SKIP() << "Postfix and Dovecot run as root only";
    QStringList connues, liste;
    for (int i = 1; i <= 20; ++i) {
        const QString a = i % 4 == 0 ? QStringLiteral("parti%1@example.org").arg(i)
                                     : QStringLiteral("abonne%1@example.org").arg(i);
        liste << a;
        if (i % 4 != 0)
            connues << a;
    }
    PostfixRetours postfix(connues, {QStringLiteral("desinscription@example.org")});
    ServeurIMAPReel dovecot({.maildir = postfix.Maildir()});
    rep.Ecrire("page.html", QByteArray("\xEF\xBB\xBF") + kPage);
    rep.Ecrire("abonnes.list", CodageFichier::Coder(liste.join("\r\n") + "\r\n"));
    rep.Ecrire(
        "Lettrova.ini",
        CodageFichier::Coder(
            QStringLiteral(
                "[Parametres]\r\nSMTPServeur=127.0.0.1\r\nSMTPPort=%1\r\n"
                // Postfix offers no AUTH: the user and password serve the mailbox.
                "SMTPUser=club@example.org\r\nSMTPPassword=%3\r\n"
                "MailEXP=Club <club@example.org>\r\nConnectTlS=Non\r\n"
                "Desinscription=mailto:desinscription@example.org?subject=unsubscribe\r\n"
                "IMAPServeur=127.0.0.1\r\nIMAPPort=%2\r\n"
                "ChrgtHtmlAuto=Oui\r\nDernierFichierChargé=%4\r\n"
                "ValSujet=Lettre de décembre\r\nListeFav=abonnes.list\r\n"
                "VersionAppli=1.0.4.42\r\n")
                .arg(postfix.Port())
                .arg(dovecot.PortTls())
                .arg(CodageMotDePasse("secret-Passe9", kCleMotDePasse), rep.Fichier("page.html"))));
    Ouvrir(true);
    Envoyer();
    ASSERT_EQ(Statut(), "Envois Terminé.");
    ASSERT_TRUE(postfix.Attendre(15, "abonnes"));

    // A subscriber asks, by the header's mailto, to be left alone.
    {
        ClientSMTP client;
        client.Hote = QStringLiteral("127.0.0.1");
        client.Port = postfix.Port();
        client.NomHelo = QStringLiteral("abonne.test");
        client.Connecter();
        MessageCourriel demande = MessageDeTest(QStringLiteral("desinscription@example.org"),
                                                QStringLiteral("unsubscribe"));
        LireListeAdresses(QStringLiteral("abonne3@example.org"), demande.De);
        demande.Expediteur = LireAdresse(QStringLiteral("abonne3@example.org"));
        client.Envoyer(demande);
        client.Deconnecter(true);
    }
    ASSERT_TRUE(postfix.Attendre(6));

    f->PageControlPrinc->setCurrentWidget(f->TabSheetRetours);
    const ControlesRetours& c = f->pageRetours->Controles();
    QTest::mouseClick(c.SpeedButRelever, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.SpeedButRelever->isEnabled(); }, 60000));
    const QStringList groupes = Groupes(*c.TreeRetours);
    EXPECT_EQ(groupes, QStringList({"« Lettre de décembre »", "  Échecs définitifs (5)",
                                    "Demandes de désinscription (1)", "  abonne3@example.org"}));
    QTreeWidgetItem* echecs = c.TreeRetours->topLevelItem(0)->child(0);
    ASSERT_EQ(echecs->childCount(), 5);
    for (int i = 0; i < echecs->childCount(); ++i) {
        const QString a = echecs->child(i)->text(0);
        EXPECT_TRUE(a.startsWith("parti")) << a.toStdString();
        // Postfix's own words.
        EXPECT_EQ(echecs->child(i)->text(1), QStringLiteral("5.1.1 unknown user: \"%1\"").arg(a));
    }

    boites.reponses = {true, true};
    QTest::mouseClick(c.SpeedButRetirerListe, Qt::LeftButton);
    EXPECT_EQ(CodageFichier::Coder(connues.join("\r\n") + "\r\n"), rep.Lire("abonnes.list"));
    EXPECT_EQ(rep.Lire("abonnes.retirees").count('\n'), 5);
    QTest::mouseClick(c.SpeedButNePlusEcrire, Qt::LeftButton);
    EXPECT_EQ(rep.Lire("Désinscrits.txt"), "abonne3@example.org\r\n");

    // The next campaign: the 15 left but the one who asked.
    f->PageControlPrinc->setCurrentWidget(f->TabSheetPrincipale);
    QTest::mouseClick(f->SpeedButFermerVisuEnvoisMail, Qt::LeftButton);
    QString statutALaQuestion;
    Envoyer({.question = [&] {
        statutALaQuestion = Statut();
        Repondre(true);
    }});
    EXPECT_EQ(statutALaQuestion, "1 adresse désinscrite ne recevra pas ce message.");
    EXPECT_EQ(Statut(), "Envois Terminé.");
    EXPECT_EQ(f->LabNbEnvois->text(), "14 / 14");
    ASSERT_TRUE(postfix.Attendre(29, "abonnes"));
}
