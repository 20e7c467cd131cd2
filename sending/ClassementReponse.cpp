#include "sending/ClassementReponse.h"

#include <QRegularExpression>

namespace {
// Words of limits, as providers and traffic-shaping servers write them.
bool TexteDeLimite(const QString& texte) {
    static const QRegularExpression mots(
        QStringLiteral("\\b(limit\\w*|limite\\w*|quotas?|rate|ratelimit\\w*|too many|too much|"
                       "try (again )?later|d[ée]bit|trop (de|d')|r?[ée]?essayez plus tard)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return mots.match(texte).hasMatch();
}

// Greylisting is about one recipient, whatever words of "later" it uses.
bool Grisee(const QString& texte) {
    return texte.contains(QLatin1String("greylist"), Qt::CaseInsensitive) ||
           texte.contains(QLatin1String("graylist"), Qt::CaseInsensitive);
}

// The enhanced codes that servers give to a sender past its limits.
bool CodeDeLimite(const QString& etendu) {
    const QStringList p = etendu.split(QLatin1Char('.'));
    if (p.size() != 3)
        return false;
    return (p[1] == QLatin1String("4") && p[2] == QLatin1String("5")) ||
           (p[1] == QLatin1String("7") &&
            (p[2] == QLatin1String("0") || p[2] == QLatin1String("1")));
}

// X.1.x: the address itself (unknown, bad syntax, moved).
bool CodeAdresse(const RefusServeur& r) {
    if (!r.codeEtendu.isEmpty())
        return r.codeEtendu.section(QLatin1Char('.'), 1, 1) == QLatin1String("1");
    // A server without enhanced codes: its words tell an unknown recipient.
    static const QRegularExpression mots(
        QStringLiteral("user unknown|unknown user|no such user|does not exist|mailbox "
                       "unavailable|invalid recipient|recipient unknown|utilisateur inconnu|"
                       "destinataire inconnu|n'existe pas"),
        QRegularExpression::CaseInsensitiveOption);
    return mots.match(r.texte).hasMatch();
}
} // namespace

bool LimiteJournaliere(const QString& texte) {
    static const QRegularExpression mots(
        QStringLiteral("\\b(daily|per day|24 ?h(ours?)?|journali\\w*|quotidien\\w*|par jour)\\b"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return mots.match(texte).hasMatch();
}

Verdict ClasserReponse(const RefusServeur& r) {
    const bool temporaire = r.code / 100 == 4;
    const bool limite = TexteDeLimite(r.texte) && !Grisee(r.texte);
    if (r.code == 421) {
        if (!limite)
            return Verdict::SessionPerdue;
        return LimiteJournaliere(r.texte) ? Verdict::Quota : Verdict::Ralentir;
    }
    if (limite && CodeDeLimite(r.codeEtendu))
        return temporaire && !LimiteJournaliere(r.texte) ? Verdict::Ralentir : Verdict::Quota;
    switch (r.etape) {
    case EtapeSMTP::Session:
        return Verdict::Arreter;
    case EtapeSMTP::Expediteur:
        return temporaire ? Verdict::Ralentir : Verdict::Arreter;
    case EtapeSMTP::Destinataire:
    case EtapeSMTP::Donnees:
    case EtapeSMTP::FinDonnees:
        break;
    }
    return temporaire ? Verdict::ReessayerAdresse : Verdict::RefuseAdresse;
}

bool RefusEnSerie(const RefusServeur& r) {
    const Verdict v = ClasserReponse(r);
    if (v != Verdict::RefuseAdresse && v != Verdict::ReessayerAdresse)
        return false;
    return !CodeAdresse(r);
}
