#pragma once
// The kinds of failure of the mail transport. The campaign shows only the text; the extra data
// (socket error number, reply code, enhanced status code) is for the callers that look closer.
#include "commun/Erreur.h"
#include "mail/CodeEtendu.h"

#include <chrono>

// An operating-system socket or resolver call failed: "Erreur de socket # <n>" CR LF <text>.
class ErreurSocket : public Erreur {
public:
    ErreurSocket(int numero, const QString& texte)
        : Erreur(QStringLiteral("Erreur de socket # %1\r\n%2").arg(numero).arg(texte)),
          numero_(numero) {}
    int Numero() const { return numero_; }

protected:
    // For the kinds that give their own text to a socket condition.
    ErreurSocket(int numero, QString message, std::nullptr_t)
        : Erreur(std::move(message)), numero_(numero) {}

private:
    int numero_;
};

// The server stayed silent, or stopped taking bytes, longer than the limit of the step under
// way. The connection is then dropped: it is a socket time-out (10060) whose text names the
// limit and the step.
class ErreurDelaiDepasse : public ErreurSocket {
public:
    ErreurDelaiDepasse(std::chrono::milliseconds delai, const QString& texte)
        : ErreurSocket(10060, texte, nullptr), delai_(delai) {}
    std::chrono::milliseconds Delai() const { return delai_; }
    // "5 min", "2 min 30 s", "45 s", "200 ms".
    static QString TexteDelai(std::chrono::milliseconds delai) {
        const qint64 ms = delai.count();
        if (ms % 1000 != 0 || ms == 0)
            return QStringLiteral("%1 ms").arg(ms);
        const qint64 minutes = ms / 60000, secondes = ms / 1000 % 60;
        if (minutes == 0)
            return QStringLiteral("%1 s").arg(secondes);
        if (secondes == 0)
            return QStringLiteral("%1 min").arg(minutes);
        return QStringLiteral("%1 min %2 s").arg(minutes).arg(secondes);
    }

private:
    std::chrono::milliseconds delai_;
};

// The connection is closed and the operation needs it.
class ErreurConnexionFermee : public Erreur {
public:
    ErreurConnexionFermee() : Erreur(QStringLiteral("La connexion s'est terminée proprement.")) {}
};

// The server answered a step with a code the step does not accept; the text is the server's.
class ErreurReponseSMTP : public Erreur {
public:
    ErreurReponseSMTP(int code, CodeEtendu etendu, const QString& texte)
        : Erreur(texte), code_(code), etendu_(etendu) {}
    int Code() const { return code_; }
    const CodeEtendu& Etendu() const { return etendu_; }

private:
    int code_;
    CodeEtendu etendu_;
};

// The TLS library cannot be loaded or refused to make its objects.
class ErreurBibliothequeTLS : public Erreur {
public:
    using Erreur::Erreur;
};

// The TLS library files or one of their entry points are missing. A connection in clear text
// goes on without them.
class ErreurBibliothequeAbsente : public ErreurBibliothequeTLS {
public:
    ErreurBibliothequeAbsente()
        : ErreurBibliothequeTLS(QStringLiteral("Impossible de charger la bibliothèque SSL.")) {}
};
