// Reading a mailbox of 10,000 messages, 1,000 of which are delivery status notifications of a
// campaign, from a real Dovecot over TLS on loopback: the whole "Relever les retours" (IMAP,
// GMime, the ties to the campaign), its time and peak memory, in a process of its own; then
// curl fetching the same messages over one connection, the floor for the same bytes.
#include "returns/ReleveRetours.h"
#include "sending/JournalCampagne.h"
#include "tests/support/ProcessusEnfant.h"
#include "tests/support/RepertoireTemporaire.h"
#include "tests/support/ServeurIMAPReel.h"

#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr int kMessages = 10000;
constexpr int kNotifications = 1000;

QByteArray Lettre(int n) {
    QByteArray corps;
    for (int i = 0; i < 40; ++i)
        corps += "Ligne " + QByteArray::number(i) + " d'un message ordinaire de la boite.\r\n";
    return "From: ami" + QByteArray::number(n) +
           "@exemple.fr\r\nTo: club@example.org\r\nSubject: Bonjour\r\nMessage-ID: <m" +
           QByteArray::number(n) + "@exemple.fr>\r\n\r\n" + corps;
}
} // namespace

int main() {
    if (!ServeurIMAPReel::Possible()) {
        std::fprintf(stderr, "bench_retours: Dovecot runs as root only\n");
        return 77;
    }
    // The test certificates are made from the tests' data.
    if (qEnvironmentVariableIsEmpty("LETTROVA_DONNEES"))
        qputenv("LETTROVA_DONNEES", LETTROVA_DONNEES);
    QFile f(QStringLiteral(LETTROVA_DONNEES "/retours/postfix_echec.eml"));
    if (!f.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray modele = f.readAll();
    ServeurIMAPReel dovecot({});
    RepertoireTemporaire rep;
    JournalCampagne journal;
    journal.Creer(rep.Chemin(), {QStringLiteral("Lettre"), JournalCampagne::Empreinte({"p"}),
                                 QStringLiteral("abonnes.list"), QDateTime::currentDateTime()});
    qint64 octets = 0;
    for (int n = 0; n < kMessages; ++n) {
        QByteArray m = Lettre(n);
        if (n % (kMessages / kNotifications) == 0) {
            const QByteArray id = "n" + QByteArray::number(n) + "@example.org";
            const QByteArray numero = QByteArray::number(n);
            m = QByteArray(modele)
                    .replace("abc.123@example.org", id)
                    .replace("a@rebond.test", "a" + numero + "@rebond.test")
                    .replace("b@rebond.test", "b" + numero + "@rebond.test");
            journal.Resultat({.adresse = QStringLiteral("a%1@rebond.test").arg(n),
                              .accepte = true,
                              .identifiant = QString::fromLatin1("<" + id + ">")});
        }
        octets += m.size();
        dovecot.Deposer(m);
    }
    journal.Terminer();
    ServeurIMAP s;
    s.hote = QStringLiteral("127.0.0.1");
    s.port = dovecot.PortTls();
    s.utilisateur = ServeurIMAPReel::Utilisateur();
    s.motDePasse = QStringLiteral("secret-Passe9");
    std::printf("%d messages (%d notifications), %.1f MB, Dovecot over TLS on 127.0.0.1\n",
                kMessages, kNotifications, octets / 1e6);
    std::fflush(stdout);

    // Ours, in a child of its own so that its peak memory is its own.
    const pid_t enfant = ::fork();
    if (enfant == 0) {
        QElapsedTimer chrono;
        chrono.start();
        BilanRetours bilan;
        const ReleveRetours::Releve r = ReleveRetours::Relever(
            s, rep.Chemin(), QStringLiteral("mailto:desinscription@example.org"), bilan, {});
        std::printf("Lettrova (libcurl + GMime + campaign ties): %.2f s, %d read, %lld definitive "
                    "failures tied to the campaign\n",
                    chrono.elapsed() / 1000.0, r.lus,
                    static_cast<long long>(bilan.Definitifs().size()));
        std::fflush(stdout);
        ::_exit(0);
    }
    int statut = 0;
    rusage usage{};
    ::wait4(enfant, &statut, 0, &usage);
    std::printf("  peak memory: %ld MB\n", usage.ru_maxrss / 1024);

    // The floor: curl alone, one connection, the same messages to /dev/null.
    ProcessusEnfant curl(
        QStringLiteral("/usr/bin/time"),
        {QStringLiteral("-f"), QStringLiteral("%e s, peak memory %M KB"), QStringLiteral("sh"),
         QStringLiteral("-c"),
         QStringLiteral("curl -s -k -u %1:secret-Passe9 'imaps://127.0.0.1:%2/INBOX;UID=[1-%3]' "
                        "> /dev/null")
             .arg(ServeurIMAPReel::Utilisateur())
             .arg(s.port)
             .arg(kMessages)});
    curl.Attendre(600000);
    std::printf("curl alone (the same bytes): %s\n", curl.Erreurs().trimmed().constData());
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : 1;
}
