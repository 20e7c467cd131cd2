// Times the page's heavy actions in the real window, each until the window has handled the
// events they left (layout, painting), and prints one figure per action.
#include "app/ui/TForm1.h"
#include "commun/ui/Dialogues.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>
#include <cstdio>
#include <functional>

namespace {

class DialoguesBanc : public Dialogues {
public:
    void ErreurStandard(const QString& m) override {
        std::fprintf(stderr, "error: %s\n", qPrintable(m));
    }
    void Message(const QString&) override {}
    bool Question(const QString&) override { return true; }
    QString OuvrirFichier(const QString&) override { return fichier; }
    std::optional<QString> Saisir(const QString&, const QString&) override { return std::nullopt; }
    QString fichier;
};

// A page of `lignes` lines of 100 bytes, each holding the word "newsletter" once.
QByteArray Page(int lignes) {
    const QByteArray ligne = "<p class=\"texte\" style=\"margin:0\">Voici la newsletter du "
                             "mois, avec nos nouvelles et offres !!</p>\r\n";
    if (ligne.size() != 100)
        qFatal("line of %lld bytes", static_cast<long long>(ligne.size()));
    QByteArray page = "<html><head><title>Banc</title></head><body>\r\n";
    page.reserve(qsizetype(lignes) * ligne.size() + 100);
    for (int i = 0; i < lignes; ++i)
        page += ligne;
    return page + "</body></html>\r\n";
}

void Ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size())
        qFatal("cannot write %s", qPrintable(chemin));
}

void Mesurer(const char* nom, const std::function<void()>& action) {
    QElapsedTimer t;
    t.start();
    action();
    QCoreApplication::processEvents();
    std::printf("  %-40s %8.1f ms\n", nom, t.nsecsElapsed() / 1e6);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir rep;
    DialoguesBanc boites;
    TForm1 f(boites, rep.path());
    f.show();
    f.PageControlPrinc->setCurrentWidget(f.TabSheet3);
    QCoreApplication::processEvents();

    const QByteArray page = Page(50000);
    boites.fichier = rep.filePath("grande.html");
    Ecrire(boites.fichier, page);
    f.SpeedButton2->click();
    std::printf("5 MB page (%lld bytes, %lld occurrences of the word)\n",
                static_cast<long long>(page.size()),
                static_cast<long long>(page.count("newsletter")));
    Mesurer("load and check (\"Charger\")", [&] { f.SpeedButCharger->click(); });
    f.EditChercherInHtmBrut->setText("newsletter");
    Mesurer("\"Chercher\"", [&] { f.SpeedButFindInHtmlBrut->click(); });
    Mesurer("scroll to the top, highlights shown", [&] {
        f.MemoHtmlBrut->moveCursor(QTextCursor::Start);
        f.MemoHtmlBrut->repaint();
    });
    f.EditBefore->setText("NEWSLETTER");
    f.EditAfter->setText("lettre d'information");
    Mesurer("\"Tous Remplacer\"", [&] { f.SpeedButRemplacer->click(); });

    boites.fichier = rep.filePath("petite.html");
    Ecrire(boites.fichier, Page(2000));
    f.SpeedButton2->click();
    f.SpeedButCharger->click();
    QElapsedTimer t;
    t.start();
    f.SpeedButApercuMAil->setEnabled(true);
    f.SpeedButApercuMAil->click();
    QSignalSpy fin(qobject_cast<QWebEngineView*>(f.WebBrowserApercu),
                   &QWebEngineView::loadFinished);
    if (!fin.wait(60000))
        qFatal("the preview did not finish loading");
    std::printf("200 KB page\n  %-40s %8.1f ms\n", "first preview until loaded",
                t.nsecsElapsed() / 1e6);
    return 0;
}
