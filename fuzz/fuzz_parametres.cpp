// The settings file: any file content reads without fault, and a value written reads back the
// same while every other key keeps its value.
#include "app/FichierParametres.h"
#include "commun/Erreur.h"
#include "commun/Windows1252.h"

#include <QDir>
#include <QFile>
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

namespace {

// The program's own section and keys, in several spellings, and a few foreign ones.
const char* const kSections[] = {"Parametres", "parametres", "PARAMETRES", "Autre", "a b"};
const char* const kCles[] = {"SMTPServeur", "SMTPPort",   "smtpuser",      "SMTPPassword",
                             "MailEXP",     "ConnectTlS", "ChrgtHtmlAuto", "DernierFichierChargé",
                             "ValSujet",    "ListeFav",   "VersionAppli",  "x"};

QString CheminFichier() {
    // Memory-backed when possible: every write is flushed to disk.
    const QString dossier =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    return dossier + QStringLiteral("/lettrova-fuzz-%1.ini").arg(::getpid());
}

bool Blanc(QChar c) {
    return c == u' ' || c == u'\t';
}

// What a read gives back for a value written: one line, up to a NUL, without surrounding
// blanks and one pair of enclosing quotes, at most 2047 characters.
QString Attendu(QString v) {
    v = v.left(v.indexOf(QChar(0)));
    v.replace(u'\r', u' ').replace(u'\n', u' ');
    qsizetype d = 0, f = v.size();
    while (d < f && Blanc(v[d]))
        ++d;
    while (f > d && Blanc(v[f - 1]))
        --f;
    v = v.mid(d, f - d);
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v.left(2047);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    static const QString chemin = CheminFichier();
    FuzzedDataProvider fdp(donnees, taille);
    const QString section = QString::fromUtf8(fdp.PickValueInArray(kSections));
    const QString cle = QString::fromUtf8(fdp.PickValueInArray(kCles));
    const std::string brut = fdp.ConsumeRandomLengthString(4096);
    // The value as typed in the window: only what the file's code page can hold.
    QString valeur = Windows1252::Decoder(QByteArrayView(brut.data(), qsizetype(brut.size())));
    const std::string contenu = fdp.ConsumeRemainingBytesAsString();

    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        f.write(contenu.data(), qint64(contenu.size())) != qint64(contenu.size()))
        abort();
    f.close();

    FichierParametres avant(chemin);
    QList<std::pair<QString, QString>> temoins;
    for (const char* s : kSections)
        for (const char* c : kCles)
            temoins.append({QString::fromUtf8(s), QString::fromUtf8(c)});
    QStringList valeursAvant;
    for (const auto& [s, c] : temoins)
        valeursAvant << avant.Lire(s, c, QStringLiteral("<absent>"));

    try {
        avant.Ecrire(section, cle, valeur);
    } catch (const Erreur&) {
        abort(); // the file is writable here
    }
    FichierParametres apres(chemin);
    if (apres.Lire(section, cle, QStringLiteral("<absent>")) != Attendu(valeur))
        abort();
    for (qsizetype i = 0; i < temoins.size(); ++i) {
        const auto& [s, c] = temoins[i];
        const bool memeCle = s.compare(section, Qt::CaseInsensitive) == 0 &&
                             c.compare(cle, Qt::CaseInsensitive) == 0;
        if (!memeCle && apres.Lire(s, c, QStringLiteral("<absent>")) != valeursAvant[i])
            abort();
    }
    return 0;
}
