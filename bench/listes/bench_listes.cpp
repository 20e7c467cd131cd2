// Prints the figures of the address lists at a million addresses. The data are made here
// with a fixed seed; GNU sort and grep run on the same files in the same run.
//   bench_listes [directory for the files]
#include "app/ui/TForm1.h"
#include "commun/ui/Dialogues.h"
#include "lists/Jokers.h"
#include "lists/ListeAdresses.h"
#include "lists/ui/ImportAdresses.h"
#include "lists/ui/ModeleListe.h"
#include "lists/ui/PageListes.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

class DialoguesMuets : public Dialogues {
public:
    void ErreurStandard(const QString& m) override {
        std::fprintf(stderr, "error: %s\n", qPrintable(m));
    }
    void Message(const QString& m) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(m));
    }
    bool Question(const QString&) override { return true; }
    QString OuvrirFichier(const QString&) override { return {}; }
    std::optional<QString> Saisir(const QString&, const QString&) override { return std::nullopt; }
};

double Ms(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

long RssKo(const char* cle) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& ligne : f.readAll().split('\n'))
        if (ligne.startsWith(cle))
            return ligne.mid(static_cast<int>(std::strlen(cle)))
                .trimmed()
                .split(' ')
                .first()
                .toLong();
    return -1;
}

double Commande(const std::string& commande) {
    QElapsedTimer t;
    t.start();
    if (std::system(commande.c_str()) != 0)
        std::fprintf(stderr, "failed: %s\n", commande.c_str());
    return Ms(t);
}

// Addresses of about 28 characters; one in a hundred repeats an earlier one.
QByteArray Adresses(int nombre, std::mt19937_64& hasard, bool csv) {
    static const char* prenoms[] = {"jean", "marie",  "luc",    "anne",   "paul",  "julie",
                                    "marc", "claire", "pierre", "sophie", "louis", "emma"};
    static const char* domaines[] = {"exemple.fr", "courrier.com", "poste.net", "societe.org",
                                     "fai-regional.fr"};
    std::vector<std::string> faites;
    faites.reserve(static_cast<std::size_t>(nombre));
    QByteArray sortie;
    sortie.reserve(nombre * (csv ? 50 : 30));
    for (int i = 0; i < nombre; ++i) {
        std::string a;
        if (!faites.empty() && hasard() % 100 == 0) {
            a = faites[hasard() % faites.size()];
        } else {
            a = std::string(prenoms[hasard() % 12]) + "." +
                std::string(1, char('a' + hasard() % 26)) + std::to_string(hasard() % 1000000) +
                "@" + domaines[hasard() % 5];
            if (hasard() % 4 == 0)
                a[0] = static_cast<char>(a[0] - 32);
        }
        faites.push_back(a);
        if (csv)
            sortie += "Nom" + QByteArray::number(i % 977) + ";Prenom;" +
                      QByteArray::fromStdString(a) + ";\r\n";
        else
            sortie += QByteArray::fromStdString(a) + "\r\n";
    }
    return sortie;
}

void Ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size())
        std::exit(1);
}

double Charger(TForm1& f, const QString& nom) {
    f.pageListes->ChargeListe();
    const int i = f.ComboBoxListe2->findText(nom);
    f.ComboBoxListe2->setCurrentIndex(i);
    QElapsedTimer t;
    t.start();
    emit f.ComboBoxListe2->activated(i);
    QApplication::processEvents();
    return Ms(t);
}

double Cliquer(QPushButton* b) {
    QElapsedTimer t;
    t.start();
    b->click();
    QApplication::processEvents();
    return Ms(t);
}

void Matcheur() {
    // A 64-character address made of a..g only: a pattern that needs an "h" tries every split.
    QString adresse;
    for (int i = 0; i < 64; ++i)
        adresse.append(QChar(u'a' + i % 7));
    std::printf("wildcard matcher, 64-character address that does not match:\n");
    for (const char* motif : {"*a*b*h*", "*a*b*c*h*", "*a*b*c*d*h*", "*a*b*c*d*e*f*g*h*"}) {
        const QString m = QString::fromLatin1(motif);
        QElapsedTimer t;
        t.start();
        int n = 0;
        bool r = false;
        while (t.nsecsElapsed() < 200'000'000) {
            r |= CorrespondMasque(adresse, m);
            ++n;
        }
        const double rapide = static_cast<double>(t.nsecsElapsed()) / n / 1e3;
        const int etoiles = static_cast<int>(m.count(u'*'));
        if (etoiles <= 6) {
            t.start();
            r |= CorrespondMasqueParEnumeration(adresse, m);
            std::printf("  %-20s quick %8.2f us   enumeration %12.1f us\n", motif, rapide,
                        static_cast<double>(t.nsecsElapsed()) / 1e3);
        } else {
            std::printf("  %-20s quick %8.2f us   enumeration not run: C(%d, %d) splits\n", motif,
                        rapide, static_cast<int>(64 - (m.size() - etoiles) + etoiles - 1),
                        etoiles - 1);
        }
        if (r)
            std::printf("  unexpected match\n");
    }
    // The many-star pattern, on an address short enough for the enumeration to end.
    const QString courte = adresse.left(32);
    const QString m = QStringLiteral("*a*b*c*d*e*f*g*h*");
    QElapsedTimer t;
    t.start();
    int n = 0;
    bool r = false;
    while (t.nsecsElapsed() < 200'000'000) {
        r |= CorrespondMasque(courte, m);
        ++n;
    }
    const double rapide = static_cast<double>(t.nsecsElapsed()) / n / 1e3;
    t.start();
    r |= CorrespondMasqueParEnumeration(courte, m);
    std::printf("32-character address:\n  %-20s quick %8.2f us   enumeration %12.1f us%s\n",
                "*a*b*c*d*e*f*g*h*", rapide, static_cast<double>(t.nsecsElapsed()) / 1e3,
                r ? " (unexpected match)" : "");
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir temporaire;
    const QString dossier = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporaire.path();
    {
        std::mt19937_64 hasard(20261209);
        const QByteArray million = Adresses(1'000'000, hasard, false);
        Ecrire(dossier + "/million.list", million);
        qsizetype fin = 0;
        for (int i = 0; i < 100'000; ++i)
            fin = million.indexOf("\r\n", fin) + 2;
        Ecrire(dossier + "/cent-mille.list", million.left(fin));
        Ecrire(dossier + "/import.csv", Adresses(1'000'000, hasard, true));
        std::printf("files: %.1f MB of addresses, in %s\n", million.size() / 1e6,
                    qPrintable(dossier));
    }

    const std::string liste = (dossier + "/million.list").toStdString();
    const double tri = Commande("LC_ALL=C.UTF-8 sort '" + liste + "' -o /dev/null");
    const double grep =
        Commande("grep -c @ '" + (dossier + "/import.csv").toStdString() + "' > /dev/null");

    DialoguesMuets boites;
    TForm1 f(boites, dossier);
    f.show();
    f.PageControlPrinc->setCurrentWidget(f.TabSheetAdresseMail);
    QApplication::processEvents();

    const double cent = Charger(f, "cent-mille.list");
    const long avant = RssKo("VmRSS:");
    const double charge = Charger(f, "million.list");
    const long apres = RssKo("VmRSS:");
    std::printf("load, sort and count, 1,000,000 addresses: %8.1f ms (%s)\n", charge,
                qPrintable(f.LabStatusInfos->text()));
    std::printf("GNU sort (LC_ALL=C.UTF-8) on the same file:  %8.1f ms   ratio %.2f\n", tri,
                charge / tri);
    std::printf("load, sort and count, 100,000 addresses:     %8.1f ms\n", cent);
    std::printf("memory: resident %ld MB after the load (%+ld MB for it), peak %ld MB\n",
                apres / 1024, (apres - avant) / 1024, RssKo("VmHWM:") / 1024);

    const double doublons = Cliquer(f.SpeedButSupDoublon);
    std::printf("duplicate removal, 1,000,000 addresses:      %8.1f ms (%s)\n", doublons,
                qPrintable(f.LabStatusInfos->text()));
    const double sauve = Cliquer(f.SpeedButSaveGestionAdresse);
    std::printf("save (check, write, reload and sort):         %8.1f ms (%s)\n", sauve,
                qPrintable(f.LabStatusInfos->text()));

    f.EditFindAdresse->setText(QStringLiteral("introuvable"));
    const double recherche = Cliquer(f.SpeedButFindAdresse);
    std::printf("search for a plain word, no match:           %8.1f ms (%s)\n", recherche,
                qPrintable(f.LabStatusInfos->text()));

    f.SpeedButImporterMail->click();
    f.EditCheminImportMAil->setText(dossier + "/import.csv");
    f.ComboBoxTypeImport->setCurrentIndex(1);
    QElapsedTimer t;
    t.start();
    emit f.ComboBoxTypeImport->activated(1);
    QApplication::processEvents();
    const double import = Ms(t);
    std::printf("import scan of a 1,000,000-line CSV file:    %8.1f ms (%s)\n", import,
                qPrintable(f.LabStatusInfos->text()));
    std::printf("grep -c @ on the same file:                   %8.1f ms   ratio %.2f\n", grep,
                import / grep);
    Matcheur();
    return 0;
}
