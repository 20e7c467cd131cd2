#include "page/ui/TexteEditeur.h"
#include "tests/ui/page/FenetrePage.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

class ApercuWebTest : public FenetrePage {
protected:
    QWebEngineView* Vue() const { return qobject_cast<QWebEngineView*>(f->WebBrowserApercu); }

    // "Aperçu", then the rendered page's text once the page has loaded.
    QString Apercu() {
        f->SpeedButApercuMAil->setEnabled(true);
        QTest::mouseClick(f->SpeedButApercuMAil, Qt::LeftButton);
        QSignalSpy fin(Vue(), &QWebEngineView::loadFinished);
        EXPECT_TRUE(fin.wait(30000));
        EXPECT_TRUE(fin.first().first().toBool());
        return Executer("document.body.innerText").toString();
    }
    QVariant Executer(const QString& script) {
        QVariant resultat;
        bool fait = false;
        Vue()->page()->runJavaScript(script, [&](const QVariant& v) {
            resultat = v;
            fait = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return fait; }, 30000));
        return resultat;
    }
};

TEST_F(ApercuWebTest, LeNavigateurNaitAuPremierApercu) {
    EXPECT_EQ(f->WebBrowserApercu, nullptr);
    EXPECT_EQ(f->findChild<QWebEngineView*>(), nullptr);
}

TEST_F(ApercuWebTest, MontreLeTexteCourantDeLEditeurAvecSesAccents) {
    // The page declares another charset than the one it travels in: the text must win.
    Charger(Fichier("lettre.html", "\xEF\xBB\xBF<html><head><meta charset=\"windows-1252\">"
                                   "</head><body><p>\xC3\x89t\xC3\xA9 d\xC3\xA9j\xC3\xA0 "
                                   "\xE2\x82\xAC</p></body></html>"));
    f->EditBefore->setText(QString::fromUtf8("déjà"));
    f->EditAfter->setText(QString::fromUtf8("ça"));
    QTest::mouseClick(f->SpeedButRemplacer, Qt::LeftButton);
    EXPECT_EQ(Apercu(), QString::fromUtf8("Été ça €"));

    const QWidget* client = f->PanelApercuWeb->parentWidget();
    EXPECT_TRUE(f->PanelApercuWeb->isVisible());
    EXPECT_EQ(f->PanelApercuWeb->geometry(), client->rect());
    const int hBouton = f->SpeedButFermerApercuWeb->height();
    EXPECT_EQ(f->WebBrowserApercu->geometry(),
              QRect(0, 0, client->width(), client->height() - hBouton - 10));
    EXPECT_EQ(f->SpeedButFermerApercuWeb->pos(), QPoint(417, client->height() - hBouton - 5));

    QTest::mouseClick(f->SpeedButFermerApercuWeb, Qt::LeftButton);
    EXPECT_FALSE(f->PanelApercuWeb->isVisible());

    // A second preview shows the new text in the same view.
    QWidget* vue = f->WebBrowserApercu;
    f->MemoHtmlBrut->setPlainText("<html><body>Deuxième</body></html>");
    EXPECT_EQ(Apercu(), QString::fromUtf8("Deuxième"));
    EXPECT_EQ(f->WebBrowserApercu, vue);
}

TEST_F(ApercuWebTest, PageDePlusieursMegaoctets) {
    // Beyond the 2 MB that the engine takes from setContent(): about 2.9 MB in UTF-8.
    const QString ligne = "<p>" + QString::fromUtf8("é").repeated(90) + "</p>\n";
    f->MemoHtmlBrut->setPlainText("<html><body>" + ligne.repeated(15000) +
                                  "<p id=\"fin\">fin</p></body></html>");
    Apercu();
    EXPECT_EQ(Executer("document.getElementsByTagName('p').length").toInt(), 15001);
    EXPECT_EQ(Executer("document.getElementById('fin').innerText").toString(), "fin");
}

TEST_F(ApercuWebTest, LesImagesLocalesSeMontrentCommeLesDestinatairesLesVerront) {
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(rep.Fichier("image.png")));
    // The picture lies beside the page; the second one nowhere.
    const QString page = "<html><head></head><body><img src=\"image.png\">"
                         "<p style=\"background:url(image.png)\">x</p>"
                         "<img src=\"manque.png\"></body></html>";
    Charger(Fichier("lettre.html", page.toUtf8()));
    f->MemoHtmlBrut->setPlainText(page.left(page.indexOf("<img src=\"manque")) + "</body></html>");
    // Joined: the page shows its picture as the message carries it.
    Apercu();
    EXPECT_TRUE(Executer("document.images[0].complete").toBool());
    EXPECT_EQ(Executer("document.images[0].naturalWidth").toInt(), 4);
    EXPECT_TRUE(Executer("document.images[0].src").toString().startsWith("cid:"));
    EXPECT_EQ(f->LabImagesApercu->text(), "");
    QTest::mouseClick(f->SpeedButFermerApercuWeb, Qt::LeftButton);

    // A missing picture is named beside "Fermer".
    f->MemoHtmlBrut->setPlainText(page);
    Apercu();
    EXPECT_EQ(f->LabImagesApercu->text(), "1 image ne s'affichera pas : manque.png");
    QTest::mouseClick(f->SpeedButFermerApercuWeb, Qt::LeftButton);

    // Not joined: the page goes as it is, and its local pictures lead nowhere.
    f->ReglagesActifs.ValJoindreImages = false;
    Apercu();
    EXPECT_TRUE(Executer("document.images[0].complete").toBool());
    EXPECT_EQ(Executer("document.images[0].naturalWidth").toInt(), 0);
    EXPECT_EQ(f->LabImagesApercu->text(), "2 images ne s'afficheront pas : manque.png, image.png");
    EXPECT_TRUE(f->LabImagesApercu->isVisible());
}

} // namespace
