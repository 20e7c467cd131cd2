// Messages per second of a campaign run through the real window, from "Oui" to
// "Envois Terminé.", and the window thread's processor time meanwhile, next to ClientSMTP
// sending the same message the same number of times over one connection, and the campaign
// engine without a window.
#include "app/CodageMotDePasse.h"
#include "app/ui/TForm1.h"
#include "commun/CodageFichier.h"
#include "commun/Erreur.h"
#include "mail/ClientSMTP.h"
#include "mail/LectureAdresses.h"
#include "mail/MessageCourriel.h"
#include "page/TexteAlternatif.h"
#include "sending/MoteurCampagne.h"
#include "sending/PreparationCampagne.h"
#include "tests/support/SocketLocale.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <arpa/inet.h>
#include <cstdio>
#include <ctime>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

class DialoguesOui : public Dialogues {
public:
    void ErreurStandard(const QString& m) override { qFatal("error box: %s", qPrintable(m)); }
    void Message(const QString& m) override { qFatal("message box: %s", qPrintable(m)); }
    bool Question(const QString&) override { return true; }
    QString OuvrirFichier(const QString&) override { return {}; }
    std::optional<QString> Saisir(const QString&, const QString&) override { return std::nullopt; }
};

double CpuFil() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

// A page of about `octets` bytes with accents, as a newsletter would be.
QByteArray Page(int octets) {
    QByteArray page = "<html><head><title>Lettre</title></head><body>\r\n";
    while (page.size() < octets)
        page += "<p>Des nouvelles de l'\xC3\xA9t\xC3\xA9 : 10 \xE2\x82\xAC la place, "
                "inscriptions ouvertes.</p>\r\n";
    return "\xEF\xBB\xBF" + page + "</body></html>\r\n";
}

void Configurer(ClientSMTP& client, quint16 port) {
    client.Hote = QStringLiteral("127.0.0.1");
    client.Port = port;
    client.NomHelo = QStringLiteral("jean");
}

MessageCourriel Lettre(const QString& page) {
    MessageCourriel message;
    const QStringList textePage = PreparationCampagne::TextePage(page);
    PreparationCampagne::ConstruireMessage(message, {QStringLiteral("lettre@exemple.fr"), {}, {}},
                                           QStringLiteral("Nouvelles"), textePage,
                                           TexteAlternatif(textePage.join(u'\n')));
    return message;
}

double ClientSeul(quint16 port, int compte, const QString& page) {
    ClientSMTP client;
    Configurer(client, port);
    MessageCourriel message = Lettre(page);
    QElapsedTimer t;
    t.start();
    client.Connecter();
    for (int i = 0; i < compte; ++i) {
        LireListeAdresses(QStringLiteral("dest%1@exemple.net").arg(i), message.Destinataires);
        client.Envoyer(message);
    }
    client.Deconnecter(true);
    return t.nsecsElapsed() / 1e9;
}

// The campaign engine with a listener that shows nothing: what the window adds is the rest.
double MoteurSeul(quint16 port, int compte, const QString& page) {
    ClientSMTP client;
    Configurer(client, port);
    MoteurCampagne moteur(client, {.reprises = {}});
    QStringList adresses;
    for (int i = 0; i < compte; ++i)
        adresses << QStringLiteral("dest%1@exemple.net").arg(i);
    EcouteurCampagne ecouteur;
    QElapsedTimer t;
    t.start();
    if (moteur.Executer(Lettre(page), adresses, ecouteur) != FinCampagne::Terminee)
        qFatal("the engine's campaign did not end well");
    return t.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int compte = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int taille = argc > 2 ? std::atoi(argv[2]) : 100 * 1024;

    const quint16 port = PortLibre();
    QProcess puits;
    QStringList arguments;
    if (::geteuid() == 0)
        arguments << QStringLiteral("-u") << QStringLiteral("nobody");
    // -a: smtp-sink answers AUTH LOGIN with 250 instead of a challenge; it offers none then.
    arguments << QStringLiteral("-a") << QStringLiteral("127.0.0.1:%1").arg(port)
              << QStringLiteral("64");
    puits.start(QStringLiteral("/usr/sbin/smtp-sink"), arguments);
    if (!puits.waitForStarted())
        qFatal("cannot start smtp-sink");
    QThread::msleep(300);

    QTemporaryDir rep;
    const QByteArray page = Page(taille);
    {
        QFile f(rep.filePath("page.html"));
        f.open(QIODevice::WriteOnly);
        f.write(page);
        QFile l(rep.filePath("banc.list"));
        l.open(QIODevice::WriteOnly);
        for (int i = 0; i < compte; ++i)
            l.write(QStringLiteral("dest%1@exemple.net\r\n").arg(i, 5, 10, QChar('0')).toLatin1());
        QFile ini(rep.filePath("Lettrova.ini"));
        ini.open(QIODevice::WriteOnly);
        ini.write(CodageFichier::Coder(
            QStringLiteral(
                "[Parametres]\r\nSMTPServeur=127.0.0.1\r\nSMTPPort=%1\r\nSMTPUser=jean\r\n"
                "SMTPPassword=%2\r\nMailEXP=lettre@exemple.fr\r\nConnectTlS=Non\r\n"
                "ChrgtHtmlAuto=Oui\r\nDernierFichierChargé=%3\r\nValSujet=Nouvelles\r\n"
                "ListeFav=banc.list\r\nVersionAppli=1.0.4.42\r\n")
                .arg(port)
                .arg(CodageMotDePasse(QStringLiteral("x"), kCleMotDePasse),
                     rep.filePath("page.html"))));
    }

    const double seul = ClientSeul(port, compte, QString::fromUtf8(page.mid(3)));
    const double moteur = MoteurSeul(port, compte, QString::fromUtf8(page.mid(3)));

    DialoguesOui dialogues;
    TForm1 f(dialogues, rep.path());
    f.show();
    QApplication::setActiveWindow(&f);
    if (!QTest::qWaitFor([&] { return f.SpeedButEnvoyer->isEnabled(); }, 10000))
        qFatal("the window does not allow sending");
    QElapsedTimer duree;
    double cpuDebut = 0;
    QTimer oui;
    QObject::connect(&oui, &QTimer::timeout, [&] {
        if (f.PanelConfirmeEnvois->isVisible()) {
            oui.stop();
            duree.start();
            cpuDebut = CpuFil();
            QTest::mouseClick(f.SpeedButOui, Qt::LeftButton);
        }
    });
    oui.start(1);
    QTest::mouseClick(f.SpeedButEnvoyer, Qt::LeftButton);
    const double campagne = duree.nsecsElapsed() / 1e9;
    const double cpu = CpuFil() - cpuDebut;
    if (f.LabStatusInfos->text() != QStringLiteral("Envois Terminé."))
        qFatal("campaign ended with: %s", qPrintable(f.LabStatusInfos->text()));
    if (f.ListBoxErrAdresse->count() > 0)
        qFatal("%d messages failed, the first with: %s", f.ListBoxErrAdresse->count(),
               qPrintable(f.ListBoxErrDescription->item(0)->text()));

    std::printf("%d messages of a %d-byte page to smtp-sink\n", compte, taille);
    std::printf("  ClientSMTP alone        %8.1f msg/s\n", compte / seul);
    std::printf("  engine, no window       %8.1f msg/s   ratio %.2f\n", compte / moteur,
                seul / moteur);
    std::printf("  campaign (window)       %8.1f msg/s   ratio %.2f\n", compte / campagne,
                seul / campagne);
    std::printf("  window thread CPU time  %8.2f s of %.2f s\n", cpu, campagne);
    puits.terminate();
    puits.waitForFinished();
    return 0;
}
