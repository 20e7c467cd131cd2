#include "commun/ui/ImageMarque.h"
#include "page/ui/ChargementPage.h"
#include "page/ui/TexteEditeur.h"
#include "tests/ui/page/FenetrePage.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextLayout>

namespace {

class OutilsHtmlTest : public FenetrePage {
protected:
    void SetUp() override {
        FenetrePage::SetUp();
        f->PageControlPrinc->setCurrentWidget(f->TabSheet3);
    }
    void Texte(const QString& t) { f->MemoHtmlBrut->setPlainText(t); }
    void Chercher(const QString& mot) {
        f->EditChercherInHtmBrut->setText(mot);
        QTest::mouseClick(f->SpeedButFindInHtmlBrut, Qt::LeftButton);
    }
    void Remplacer(const QString& avant, const QString& apres) {
        f->EditBefore->setText(avant);
        f->EditAfter->setText(apres);
        QTest::mouseClick(f->SpeedButRemplacer, Qt::LeftButton);
    }
    // Positions of the highlighted characters; each highlight sets the yellow background
    // and nothing else.
    QList<int> Surlignages() const {
        QList<int> r;
        for (QTextBlock b = f->MemoHtmlBrut->document()->begin(); b.isValid(); b = b.next())
            for (const QTextLayout::FormatRange& z : b.layout()->formats()) {
                EXPECT_EQ(z.format.background().color(), QColor(255, 255, 0));
                EXPECT_EQ(z.format.properties().size(), 1) << "only the background is set";
                for (int i = 0; i < z.length; ++i)
                    r.append(b.position() + z.start + i);
            }
        return r;
    }
};

TEST_F(OutilsHtmlTest, ChercherSurligneLesOccurrencesQuiSeChevauchent) {
    Texte("aaaa");
    Chercher("aa");
    EXPECT_EQ(Surlignages(), (QList<int>{0, 1, 2, 3}));
    const QTextCursor c = f->MemoHtmlBrut->textCursor();
    EXPECT_EQ(c.selectionStart(), 2);
    EXPECT_EQ(c.selectionEnd(), 4) << "the last occurrence stays selected";
    EXPECT_EQ(QApplication::focusWidget(), f->MemoHtmlBrut);
    EXPECT_EQ(TexteEditeur(*f->MemoHtmlBrut), "aaaa");

    // Each search starts one character after the previous match.
    Texte("aaa");
    Chercher("aa");
    EXPECT_EQ(Surlignages(), (QList<int>{0, 1, 2}));
    EXPECT_EQ(f->MemoHtmlBrut->textCursor().selectionStart(), 1);

    // A new search drops the earlier highlights; case counts.
    Chercher("A");
    EXPECT_TRUE(Surlignages().isEmpty());
    Chercher("");
    EXPECT_TRUE(Surlignages().isEmpty());
}

TEST_F(OutilsHtmlTest, EntreeDansLeChampCherche) {
    Texte("<p>un</p>\n<p>deux</p>");
    QTest::keyClicks(f->EditChercherInHtmBrut, "<p>");
    QTest::keyClick(f->EditChercherInHtmBrut, Qt::Key_Return);
    EXPECT_EQ(Surlignages(), (QList<int>{0, 1, 2, 10, 11, 12}));
    EXPECT_EQ(f->EditChercherInHtmBrut->text(), "<p>");
}

TEST_F(OutilsHtmlTest, EntreeNInserePasDeSautDeLigne) {
    Texte("ab");
    f->MemoHtmlBrut->setFocus();
    QTest::keyClick(f->MemoHtmlBrut, Qt::Key_Right);
    QTest::keyClick(f->MemoHtmlBrut, Qt::Key_Return);
    QTest::keyClick(f->MemoHtmlBrut, Qt::Key_Enter);
    QTest::keyClick(f->MemoHtmlBrut, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(f->MemoHtmlBrut, "x");
    EXPECT_EQ(TexteEditeur(*f->MemoHtmlBrut), "axb");
}

TEST_F(OutilsHtmlTest, CasseDistincteAChercherMaisPasARemplacer) {
    Texte("<div>x</div>");
    Chercher("Div");
    EXPECT_TRUE(Surlignages().isEmpty());
    Remplacer("Div", "span");
    EXPECT_EQ(TexteEditeur(*f->MemoHtmlBrut), "<span>x</span>");
}

TEST_F(OutilsHtmlTest, ToutRemplacer) {
    const struct {
        const char* texte;
        const char* avant;
        const char* apres;
        const char* resultat;
    } cas[] = {{"aaa", "a", "aa", "aaaaaa"},
               {"aaa", "", "b", "aaa"},
               {"Été\nété", "ÉTÉ", "hiver", "hiver\nhiver"},
               {"a\u00A0b", "b", "c", "a\u00A0c"}};
    for (const auto& c : cas) {
        Texte(QString::fromUtf8(c.texte));
        Chercher("a");
        Remplacer(QString::fromUtf8(c.avant), QString::fromUtf8(c.apres));
        EXPECT_EQ(TexteEditeur(*f->MemoHtmlBrut), QString::fromUtf8(c.resultat)) << c.texte;
        EXPECT_TRUE(Surlignages().isEmpty()) << "highlights go even when nothing changes";
    }
}

TEST_F(OutilsHtmlTest, RemplacerGardeLaMarqueDeLaPage) {
    Charger(Fichier("bonne.html", kPageCorrecte));
    Remplacer("</html>", "");
    EXPECT_EQ(f->LMDLImageStatusChargement->Index(), ChargementPage::MarqueCorrecte);
}

TEST_F(OutilsHtmlTest, RetourChariotAutoGardeLeTexte) {
    QPlainTextEdit* memo = f->MemoHtmlBrut;
    Texte("une ligne\nune autre");
    Chercher("une");
    f->CheckBoxRetourChariotAuto->click();
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(TexteEditeur(*memo), "une ligne\nune autre");
    EXPECT_TRUE(Surlignages().isEmpty());
    f->CheckBoxRetourChariotAuto->click();
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(TexteEditeur(*memo), "une ligne\nune autre");
}

class PleinEcranTest : public OutilsHtmlTest {
protected:
    void VerifierNormal() {
        EXPECT_FALSE(f->isMaximized());
        EXPECT_EQ(f->PageControlPrinc->geometry(), QRect(0, -1, 696, 437));
        EXPECT_EQ(f->MemoHtmlBrut->geometry(), QRect(-1, -5, 691, 291));
        EXPECT_EQ(f->PanelOutils->geometry(), QRect(-1, 292, 689, 116));
    }
    void VerifierPleinEcran() {
        EXPECT_TRUE(f->isMaximized());
        const QWidget* client = f->PageControlPrinc->parentWidget();
        EXPECT_GT(client->width(), 696);
        EXPECT_EQ(f->PageControlPrinc->geometry(), client->rect());
        const QRect onglets = f->PageControlPrinc->geometry();
        EXPECT_EQ(f->MemoHtmlBrut->geometry(),
                  QRect(-1, -5, onglets.width() - 10, onglets.height() - 116 - 30));
        const QWidget* page = f->TabSheet3;
        EXPECT_EQ(f->PanelOutils->geometry(), QRect(0, page->height() - 116, page->width(), 116));
    }
    void Basculer() {
        QTest::mouseClick(f->SpeedButtonPleinEcran, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
};

TEST_F(PleinEcranTest, DeuxFoisRevientALaDispositionNormale) {
    Basculer();
    VerifierPleinEcran();
    Basculer();
    VerifierNormal();
    EXPECT_EQ(f->size(), QSize(696, 462));
}

TEST_F(PleinEcranTest, ChangerDOngletQuitteLePleinEcran) {
    Basculer();
    VerifierPleinEcran();
    QTabBar* barre = f->PageControlPrinc->tabBar();
    QTest::mouseClick(barre, Qt::LeftButton, {}, barre->tabRect(0).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(f->PageControlPrinc->currentWidget(), f->TabSheetPrincipale);
    VerifierNormal();
}

} // namespace
