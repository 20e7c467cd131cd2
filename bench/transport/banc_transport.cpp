// Messages per second of ClientSMTP over one connection to Postfix's smtp-sink, measured in the
// same run as smtp-source and Python's smtplib sending the same count and size to the same
// sink; and the bytes each message puts on the wire, split between headers and parts. Last, the
// 1 KB page with a 300 KB picture inside the message, beside the same page without it. Usage:
// bench_transport [count of 100 KB pages] [count of 1 KB pages] [count of pictures]
#include "mail/ClientSMTP.h"
#include "mail/CodageMessage.h"
#include "mail/LectureAdresses.h"
#include "page/TexteAlternatif.h"
#include "tests/support/SocketLocale.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <arpa/inet.h>
#include <cstdio>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// A page of about `taille` bytes: the fixed head, then lines of French text.
QStringList Page(int taille) {
    QStringList page = {QStringLiteral("<!DOCTYPE html>"), QStringLiteral("<html>"),
                        QStringLiteral("<head>"), QStringLiteral("<meta charset=\"utf-8\" /> ")};
    const QString ligne = QStringLiteral("<p>R\u00e9union du club \u00e0 20 h : l\u2019entr\u00e9e "
                                         "co\u00fbte 5 \u20ac, venez nombreux !</p>");
    int total = 60;
    while (total < taille) {
        page << ligne;
        total += ligne.toUtf8().size() + 2;
    }
    return page;
}

// With `image` bytes of picture: made once, as a campaign makes its message once.
MessageCourriel Message(int taille, int image) {
    MessageCourriel m;
    m.De = {LireAdresse(QStringLiteral("club@exemple.org"))};
    m.Objet = QStringLiteral("Lettre d'\u00e9t\u00e9");
    QStringList page = Page(taille);
    if (image > 0) {
        const QString identifiant = QStringLiteral("photo@lettrova.invalid");
        page << QStringLiteral("<img src=\"cid:%1\" alt=\"Photo\">").arg(identifiant);
        QByteArray octets("\x89PNG\r\n\x1a\n", 8);
        QRandomGenerator hasard(42);
        while (octets.size() < image)
            octets += char(hasard.bounded(256));
        m.Images << PartieImage(QStringLiteral("image/png"), identifiant,
                                QStringLiteral("photo.png"), octets);
    }
    m.Parties << PartieTexte(QStringLiteral("text/plain"), TexteAlternatif(page.join(u'\n')))
              << PartieTexte(QStringLiteral("text/html"), page);
    return m;
}

// What one message puts on the wire after DATA, end-of-data line included, as the client
// counts it while writing; and how the text splits between the headers and each part.
struct Fil {
    qint64 total = 0;
    qint64 entetes = 0;
    QList<qint64> parties;
};

Fil MesurerFil(quint16 port, int taille, int image) {
    MessageCourriel m = Message(taille, image);
    ClientSMTP client;
    client.Hote = QStringLiteral("127.0.0.1");
    client.Port = port;
    Fil fil;
    client.SurProgression = [&fil](ClientSMTP&, SensTravail, qint64 total) { fil.total = total; };
    client.Connecter();
    LireListeAdresses(QStringLiteral("dest@exemple.net"), m.Destinataires);
    client.Envoyer(m);
    client.Deconnecter(true);
    const QByteArray texte = ComposerMessage(m);
    const qsizetype finEntetes = texte.indexOf("\r\n\r\n") + 4;
    fil.entetes = finEntetes;
    const QByteArray separateur = "\r\n--" + texte.mid(texte.indexOf("boundary=\"") + 10, 34);
    for (qsizetype debut = texte.indexOf(separateur, finEntetes); debut >= 0;) {
        const qsizetype suivant = texte.indexOf(separateur, debut + separateur.size());
        if (suivant < 0)
            break;
        fil.parties << suivant - debut;
        debut = suivant;
    }
    return fil;
}

double Lettrova(quint16 port, int compte, int taille, int image) {
    MessageCourriel m = Message(taille, image);
    ClientSMTP client;
    client.Hote = QStringLiteral("127.0.0.1");
    client.Port = port;
    client.NomHelo = QStringLiteral("banc");
    QElapsedTimer chrono;
    chrono.start();
    client.Connecter();
    for (int i = 0; i < compte; ++i) {
        LireListeAdresses(QStringLiteral("dest%1@exemple.net").arg(i), m.Destinataires);
        client.Envoyer(m);
    }
    client.Deconnecter(true);
    return chrono.nsecsElapsed() / 1e9;
}

double Processus(const QString& programme, const QStringList& arguments, bool lireDuree) {
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer chrono;
    chrono.start();
    p.start(programme, arguments);
    if (!p.waitForFinished(-1) || p.exitCode() != 0)
        qFatal("%s failed", qPrintable(programme));
    const double duree = chrono.nsecsElapsed() / 1e9;
    return lireDuree ? p.readAllStandardOutput().trimmed().toDouble() : duree;
}

// The three senders take turns, in rounds, so that the load of the machine weighs on each
// alike; every figure is the total count over the total time.
// ClientSMTP's messages per second.
double Mesurer(quint16 port, int compte, int taille, int image = 0) {
    constexpr int tours = 10;
    const Fil fil = MesurerFil(port, taille, image);
    const qint64 octets = fil.total;
    const int parTour = compte / tours;
    double lettrova = 0, source = 0, python = 0;
    for (int tour = 0; tour < tours; ++tour) {
        lettrova += Lettrova(port, parTour, taille, image);
        source += Processus(
            QStringLiteral("/usr/sbin/smtp-source"),
            {QStringLiteral("-d"), QStringLiteral("-s"), QStringLiteral("1"), QStringLiteral("-m"),
             QString::number(parTour), QStringLiteral("-l"), QString::number(octets),
             QStringLiteral("-f"), QStringLiteral("club@exemple.org"), QStringLiteral("-t"),
             QStringLiteral("dest@exemple.net"), QStringLiteral("127.0.0.1:%1").arg(port)},
            false);
        python +=
            Processus(QStringLiteral("/usr/bin/python3"),
                      {QStringLiteral(LETTROVA_ENVOI_SMTPLIB), QStringLiteral("127.0.0.1"),
                       QString::number(port), QString::number(parTour), QString::number(octets)},
                      true);
    }
    const int total = parTour * tours;
    std::printf("page %6d bytes, picture %6d bytes, %d messages:\n", taille, image, total);
    std::printf("  on the wire  %9lld bytes per message after DATA (end-of-data line included):"
                " headers %lld",
                static_cast<long long>(octets), static_cast<long long>(fil.entetes));
    for (qsizetype i = 0; i < fil.parties.size(); ++i)
        std::printf(", part %lld %lld", static_cast<long long>(i + 1),
                    static_cast<long long>(fil.parties[i]));
    std::printf("\n");
    std::printf("  ClientSMTP   %9.1f msg/s\n", total / lettrova);
    std::printf("  smtp-source  %9.1f msg/s   ClientSMTP / smtp-source = %.2f\n", total / source,
                source / lettrova);
    std::printf("  smtplib      %9.1f msg/s   ClientSMTP / smtplib     = %.2f\n", total / python,
                python / lettrova);
    std::fflush(stdout);
    return total / lettrova;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int grands = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int petits = argc > 2 ? std::atoi(argv[2]) : 20000;
    const int images = argc > 3 ? std::atoi(argv[3]) : 2000;
    const quint16 port = PortLibre();
    QProcess puits;
    QStringList arguments;
    if (::geteuid() == 0)
        arguments << QStringLiteral("-u") << QStringLiteral("nobody");
    arguments << QStringLiteral("127.0.0.1:%1").arg(port) << QStringLiteral("64");
    puits.start(QStringLiteral("/usr/sbin/smtp-sink"), arguments);
    if (!puits.waitForStarted())
        qFatal("cannot start smtp-sink");
    for (int essai = 0;; ++essai) {
        CanalConnexion sonde;
        sonde.Hote = QStringLiteral("127.0.0.1");
        sonde.Port = port;
        try {
            sonde.Ouvrir();
            break;
        } catch (const Erreur&) {
            if (essai > 100)
                qFatal("smtp-sink does not answer");
            QThread::msleep(20);
        }
    }
    try {
        Mesurer(port, grands, 100 * 1024);
        const double seule = Mesurer(port, petits, 1024);
        const double avecImage = Mesurer(port, images, 1024, 300 * 1024);
        std::printf("1 KB page with a 300 KB picture / without: %.3f of the messages per second\n",
                    avecImage / seule);
    } catch (const Erreur& e) {
        qFatal("send failed: %s", qPrintable(e.Message()));
    }
    puits.terminate();
    puits.waitForFinished();
    return 0;
}
