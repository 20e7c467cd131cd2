#include "app/ui/TForm1.h"
#include "app/ui/historique/PageHistorique.h"
#include "tests/support/FenetreDeTest.h"

#include <QPlainTextEdit>
#include <QStyleOptionViewItem>
#include <QTextBlock>
#include <QTextEdit>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

TEST(Historique, VersionsEntreesImagesEtDeploiement) {
    FenetreDeTest t;
    TForm1& f = t.Ouvrir(true);
    QTreeWidget* arbre = f.TreeViewHistorique;
    ASSERT_EQ(arbre->topLevelItemCount(), 6);
    EXPECT_EQ(arbre->topLevelItem(0)->text(0), "2012.08.26_Version 1.0.4.x");
    EXPECT_EQ(arbre->topLevelItem(0)->childCount(), 9);
    EXPECT_TRUE(arbre->topLevelItem(0)->isExpanded());
    for (int i = 1; i < 6; ++i)
        EXPECT_FALSE(arbre->topLevelItem(i)->isExpanded()) << i;
    QTreeWidgetItem* formats = arbre->topLevelItem(3)->child(2);
    EXPECT_EQ(formats->text(0),
              "Formats supportés : Thunderbird(*.LDIF), Text(*.TXT) et Excel(*.CSV).");
    EXPECT_TRUE(formats->icon(0).isNull());
    EXPECT_EQ(PageHistorique::Image(arbre->indexFromItem(arbre->topLevelItem(2)->child(0))), 6);

    // Selecting a collapsed version opens it and closes the one selected before.
    arbre->setCurrentItem(arbre->topLevelItem(1));
    EXPECT_TRUE(arbre->topLevelItem(1)->isExpanded());
    arbre->setCurrentItem(arbre->topLevelItem(2));
    EXPECT_TRUE(arbre->topLevelItem(2)->isExpanded());
    EXPECT_FALSE(arbre->topLevelItem(1)->isExpanded());
    arbre->setCurrentItem(arbre->topLevelItem(2)->child(0));
    EXPECT_TRUE(arbre->topLevelItem(2)->isExpanded()) << "a parent stays open for its child";
}

TEST(Historique, LesLignesImportantesRestentRougesEnGrasSurBlanc) {
    FenetreDeTest t;
    TForm1& f = t.Ouvrir();
    QTreeWidget* arbre = f.TreeViewHistorique;
    int rouges = 0;
    for (int v = 0; v < arbre->topLevelItemCount(); ++v)
        for (int e = 0; e < arbre->topLevelItem(v)->childCount(); ++e) {
            const QModelIndex index = arbre->indexFromItem(arbre->topLevelItem(v)->child(e));
            QStyleOptionViewItem option;
            option.initFrom(arbre);
            option.state |= QStyle::State_Selected;
            f.pageHistorique->TreeViewHistoriqueAdvancedCustomDrawItem(option, index);
            if (!option.font.bold())
                continue;
            ++rouges;
            EXPECT_EQ(option.palette.color(QPalette::HighlightedText), QColor(255, 0, 0));
            EXPECT_EQ(option.palette.color(QPalette::Highlight), QColor(Qt::white));
            EXPECT_EQ(option.backgroundBrush.color(), QColor(Qt::white));
        }
    EXPECT_EQ(rouges, 3);
}

TEST(Aide, CouleursTaillesStylesEtAlignement) {
    FenetreDeTest t;
    TForm1& f = t.Ouvrir();
    QTextDocument* doc = f.RichEditAideServeur->document();
    auto chercher = [&](const QString& texte) {
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().text().startsWith(texte))
                    return std::make_pair(b, it.fragment().charFormat());
        ADD_FAILURE() << texte.toStdString();
        return std::make_pair(QTextBlock(), QTextCharFormat());
    };
    const auto [titre, fTitre] = chercher("Paramètre Serveur:");
    EXPECT_EQ(titre.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(fTitre.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(fTitre.fontPointSize(), 11);
    EXPECT_TRUE(fTitre.fontUnderline());
    const auto [serveur, fServeur] = chercher("Serveur:");
    EXPECT_EQ(serveur.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_TRUE(fServeur.fontUnderline());
    EXPECT_EQ(fServeur.foreground().color(), QColor(0, 0, 128));
    EXPECT_TRUE(chercher("Généralement du type \"smtp.").second.fontUnderline());
    const auto [port, fPort] = chercher("Port:");
    EXPECT_FALSE(fPort.fontUnderline());
    EXPECT_EQ(fPort.fontPointSize(), 10);
    const auto fAttention = chercher("-Attention: L'utilisation").second;
    EXPECT_EQ(fAttention.fontWeight(), QFont::Bold);
    EXPECT_EQ(fAttention.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(chercher("________________________________ ").second.fontPointSize(), 9);
}

TEST(APropos, TexteEtVersion) {
    FenetreDeTest t;
    TForm1& f = t.Ouvrir();
    const QStringList lignes = f.MemoAPropos->toPlainText().split('\n');
    ASSERT_EQ(lignes.size(), 20);
    EXPECT_EQ(lignes[0],
              QString(38, ' ') + "Lettrova: Gestionnaire d'envois de Mail de type Newsletter.");
    EXPECT_EQ(lignes[2],
              "-Ce logiciel a pour but de gérer une liste d'adresse mail pour l’envoi de "
              "courrier électronique de type ");
    EXPECT_TRUE(lignes[16].contains("être  plus"));
    // Pictures beside the page travel with it: no web site is needed for them.
    EXPECT_TRUE(lignes[10].startsWith("Les images enregistrées à côté de la page voyagent"));
    EXPECT_TRUE(lignes[11].contains("\"Joindre les images locales au message\""));
    EXPECT_FALSE(f.MemoAPropos->toPlainText().contains("lien absolu"));
    EXPECT_FALSE(f.MemoAPropos->isEnabled());
    EXPECT_TRUE(f.MemoAPropos->isReadOnly());
}

} // namespace
