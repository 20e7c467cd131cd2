// "Retours" in the real window: the mailbox of a real Dovecot read off the window's thread,
// what came back shown by campaign, the failures removed from their list and kept beside it,
// the requests added to "Désinscrits"; each failure told in French.
#include "returns/ui/PageRetours.h"
#include "app/CodageMotDePasse.h"
#include "commun/CodageFichier.h"
#include "sending/JournalCampagne.h"
#include "tests/support/FenetreDeTest.h"
#include "tests/support/FixtureRetour.h"
#include "tests/support/ImpressionQt.h"
#include "tests/support/ServeurIMAPReel.h"

#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// Each line of the tree, indented by depth, its columns after " | ".
QStringList Arbre(const QTreeWidget& arbre) {
    QStringList lignes;
    std::function<void(QTreeWidgetItem*, int)> parcourir = [&](QTreeWidgetItem* e, int n) {
        QString ligne = QString(n * 2, u' ') + e->text(0);
        if (!e->text(1).isEmpty())
            ligne += QStringLiteral(" | ") + e->text(1);
        lignes << ligne;
        for (int i = 0; i < e->childCount(); ++i)
            parcourir(e->child(i), n + 1);
    };
    for (int i = 0; i < arbre.topLevelItemCount(); ++i)
        parcourir(arbre.topLevelItem(i), 0);
    return lignes;
}

class PageRetoursFenetre : public testing::Test, protected FenetreDeTest {
protected:
    void SetUp() override {
        if (!ServeurIMAPReel::Possible())
            GTEST_SKIP() << "Dovecot runs as root only";
        dovecot_ = std::make_unique<ServeurIMAPReel>(ServeurIMAPReel::Options{});
    }
    void Ecrire(const QString& motDePasse) {
        const QString ini =
            QStringLiteral("[Parametres]\r\nSMTPServeur=127.0.0.1\r\nSMTPPort=25\r\n"
                           "SMTPUser=club@example.org\r\nSMTPPassword=%1\r\n"
                           "MailEXP=club@example.org\r\nDesinscription=mailto:"
                           "desinscription@example.org?subject=unsubscribe\r\n"
                           "IMAPServeur=127.0.0.1\r\nIMAPPort=%2\r\nVersionAppli=1.0.4.42\r\n")
                .arg(CodageMotDePasse(motDePasse, kCleMotDePasse))
                .arg(dovecot_->PortTls());
        rep.Ecrire("Lettrova.ini", CodageFichier::Coder(ini));
    }
    // Clicks "Relever les retours" and waits for the reading's end.
    void Relever() {
        f->PageControlPrinc->setCurrentWidget(f->TabSheetRetours);
        const ControlesRetours& c = f->pageRetours->Controles();
        QTest::mouseClick(c.SpeedButRelever, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return c.SpeedButRelever->isEnabled(); }, 60000));
    }
    std::unique_ptr<ServeurIMAPReel> dovecot_;
};

} // namespace

TEST_F(PageRetoursFenetre, ReleverRetirerNePlusEcrire) {
    Ecrire(QStringLiteral("secret-Passe9"));
    rep.Ecrire("clients.list", "a@rebond.test\r\nc@x.fr\r\nb@rebond.test\r\n");
    JournalCampagne j;
    j.Creer(rep.Chemin(), {"Lettre de juin", JournalCampagne::Empreinte({"p"}), "clients.list",
                           QDateTime(QDate(2026, 6, 1), QTime(9, 30))});
    for (const char* a : {"a@rebond.test", "b@rebond.test", "c@x.fr"}) {
        j.Essai(a);
        j.Resultat({.adresse = a,
                    .accepte = true,
                    .code = 250,
                    .identifiant = QStringLiteral("<abc.123@example.org>")});
    }
    j.Terminer();
    for (const char* m : {"postfix_echec.eml", "desinscription.eml", "absence.eml"})
        dovecot_->Deposer(FixtureRetour(m));
    Ouvrir(true);
    // After "Erreurs Envois"; the other pages keep their places.
    EXPECT_EQ(f->PageControlPrinc->indexOf(f->TabSheetErreur), 6);
    EXPECT_EQ(f->PageControlPrinc->indexOf(f->TabSheetRetours), 7);
    EXPECT_EQ(f->PageControlPrinc->tabText(7), "Retours");

    Relever();
    EXPECT_EQ(f->pageRetours->Controles().LabEtatRetours->text(),
              "3 messages lus : 2 échecs définitifs, 0 échec temporaire, 1 demande de "
              "désinscription, 1 réponse automatique ignorée.");
    // The status line, narrower, says only the count.
    EXPECT_EQ(f->LabStatusInfos->text(), "Retours relevés : 3 messages lus.");
    EXPECT_EQ(f->pageRetours->Controles().ProgressBarRetours->value(), 3);
    const QStringList trouves = Arbre(*f->pageRetours->Controles().TreeRetours);
    // Closed before anything is handled, the program shows the same at its next start, though
    // the reading position has moved past these messages.
    f.reset();
    Ouvrir(true);
    const ControlesRetours& c = f->pageRetours->Controles();
    EXPECT_EQ(Arbre(*c.TreeRetours), trouves);
    EXPECT_EQ(
        Arbre(*c.TreeRetours),
        QStringList({"« Lettre de juin » | clients.list, le 01/06/2026 09:30",
                     "  Échecs définitifs (2)", "    a@rebond.test | 5.1.1 Utilisateur inconnu ici",
                     "    b@rebond.test | 5.1.1 Utilisateur inconnu ici",
                     "Demandes de désinscription (1)", "  jean.martin@exemple.fr"}));
    // The certificate was pinned on first use, as for SMTP.
    EXPECT_TRUE(Parametres().contains("[EmpreintesTLS]"));

    boites.reponses = {true, true};
    QTest::mouseClick(c.SpeedButRetirerListe, Qt::LeftButton);
    EXPECT_EQ(boites.Textes(DialoguesScriptes::Boite::Question).last(),
              "Retirer de leur liste 2 adresses en échec définitif ? Elles seront gardées dans "
              "le fichier « .retirees » à côté de chaque liste.");
    EXPECT_EQ(rep.Lire("clients.list"), "c@x.fr\r\n");
    EXPECT_EQ(rep.Lire("clients.retirees"), "a@rebond.test\r\nb@rebond.test\r\n");
    EXPECT_EQ(f->LabStatusInfos->text(), "2 adresses retirées de la liste.");
    EXPECT_EQ(Arbre(*c.TreeRetours),
              QStringList({"Demandes de désinscription (1)", "  jean.martin@exemple.fr"}));

    QTest::mouseClick(c.SpeedButNePlusEcrire, Qt::LeftButton);
    EXPECT_EQ(rep.Lire("Désinscrits.txt"), "jean.martin@exemple.fr\r\n");
    EXPECT_EQ(f->LabStatusInfos->text(), "1 adresse ajoutée aux Désinscrits.");
    EXPECT_TRUE(Arbre(*c.TreeRetours).isEmpty());
    EXPECT_FALSE(c.SpeedButNePlusEcrire->isEnabled());

    // Nothing new: nothing more.
    Relever();
    EXPECT_TRUE(Arbre(*c.TreeRetours).isEmpty());
    EXPECT_TRUE(c.LabEtatRetours->text().startsWith("0 message lu : "));
}

TEST_F(PageRetoursFenetre, EchecsDitsEnFrancais) {
    Ecrire(QStringLiteral("mauvais"));
    Ouvrir(true);
    Relever();
    const ControlesRetours& c = f->pageRetours->Controles();
    EXPECT_EQ(c.LabEtatRetours->text(),
              "Le serveur IMAP 127.0.0.1 a refusé l'identifiant ou le mot de passe.");
    EXPECT_EQ(f->LabStatusInfos->text(), c.LabEtatRetours->text());
    EXPECT_TRUE(c.SpeedButRelever->isEnabled());
    EXPECT_FALSE(c.SpeedButRetirerListe->isEnabled());
}
