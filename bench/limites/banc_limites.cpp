// A campaign of `messages` messages through an aiosmtpd that takes `debit` messages a second
// and answers MAIL beyond with 450 4.7.1, with the engine's default settings, with one
// connection and with four: the time to the last acceptance over the bound (messages / debit),
// the refused tries per message and the addresses in error. A run still going after `limite`
// seconds is stopped and told as such. Usage:
// bench_limites [messages] [debit] [limite in s] [server script]
#include "mail/ClientSMTP.h"
#include "mail/LectureAdresses.h"
#include "mail/MessageCourriel.h"
#include "sending/MoteurCampagne.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

class Compte : public EcouteurCampagne {
public:
    explicit Compte(const QElapsedTimer& chrono) : chrono_(chrono) {}
    void Resultat(const ResultatEnvoi& r) override {
        if (r.accepte) {
            ++acceptes;
            derniere = chrono_.elapsed();
        } else {
            ++erreurs;
        }
    }
    int acceptes = 0;
    int erreurs = 0;
    qint64 derniere = 0;

private:
    const QElapsedTimer& chrono_;
};

int Lignes(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? int(f.readAll().count('\n')) : 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int messages = argc > 1 ? atoi(argv[1]) : 100;
    const double debit = argc > 2 ? atof(argv[2]) : 5;
    const int limite = argc > 3 ? atoi(argv[3]) : 600;
    const QString script =
        argc > 4 ? QString::fromLocal8Bit(argv[4]) : QStringLiteral(LETTROVA_SERVEUR_LIMITE);
    const double borne = messages / debit;
    std::printf("%d messages, server taking %.1f a second: bound %.1f s\n", messages, debit,
                borne);
    for (const int connexions : {1, 4}) {
        QTemporaryDir dossier;
        QProcess serveur;
        serveur.start(QStringLiteral("/usr/bin/python3"),
                      {script, QStringLiteral("--dossier"), dossier.path(),
                       QStringLiteral("--debit"), QString::number(debit)});
        if (!serveur.waitForReadyRead(15000))
            qFatal("the server did not start");
        const quint16 port = quint16(serveur.readLine().trimmed().toUInt());

        ClientSMTP client;
        client.Hote = QStringLiteral("127.0.0.1");
        client.Port = port;
        client.NomHelo = QStringLiteral("banc.test");
        MoteurCampagne::Limites limites;
        limites.connexions = connexions;
        MoteurCampagne moteur(client, limites);
        MessageCourriel message;
        LireListeAdresses(QStringLiteral("club@exemple.org"), message.De);
        message.Objet = QStringLiteral("Lettre");
        message.Corps = QStringList{QStringLiteral("<p>Bonjour</p>")};
        QStringList adresses;
        for (int i = 0; i < messages; ++i)
            adresses << QStringLiteral("n%1@exemple.fr").arg(i);

        QElapsedTimer chrono;
        Compte compte(chrono);
        QTimer arret;
        arret.setSingleShot(true);
        QObject::connect(&arret, &QTimer::timeout, [&] { moteur.DemanderArret(); });
        arret.start(limite * 1000);
        chrono.start();
        const FinCampagne fin = moteur.Executer(message, adresses, compte);
        const int refus = Lignes(QDir(dossier.path()).filePath(QStringLiteral("differes.log")));
        std::printf("%d connection%s: %s%d accepted, last at %.1f s = %.2f x the bound; %.2f "
                    "refused tries per message; %d addresses in error\n",
                    connexions, connexions > 1 ? "s" : "",
                    fin == FinCampagne::Terminee ? "" : "STOPPED at the time limit, ",
                    compte.acceptes, compte.derniere / 1000.0, compte.derniere / 1000.0 / borne,
                    double(refus) / messages, compte.erreurs);
        std::fflush(stdout);
        serveur.kill();
        serveur.waitForFinished();
    }
    return 0;
}
