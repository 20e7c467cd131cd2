#pragma once
// The kinds of failure of the mail transport. The campaign shows only the text; the extra data
// (socket error number, reply code, enhanced status code) is for the callers that look closer.
#include "commun/Erreur.h"
#include "mail/CodeEtendu.h"

// An operating-system socket or resolver call failed: "Erreur de socket # <n>" CR LF <text>.
class ErreurSocket : public Erreur {
public:
    ErreurSocket(int numero, const QString& texte)
        : Erreur(QStringLiteral("Erreur de socket # %1\r\n%2").arg(numero).arg(texte)),
          numero_(numero) {}
    int Numero() const { return numero_; }

private:
    int numero_;
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
