#pragma once
// The argument of EHLO and HELO: a name servers accept (a fully qualified domain or an address
// literal), never an e-mail address. Servers that check it refuse every recipient otherwise.
#include <QString>

// A fully qualified domain: at least two labels of letters, digits and inner hyphens, each
// of 1 to 63 characters, 253 at most in all, and a last label that is not all digits.
bool EstNomDomaine(const QString& nom);

// `nomVoulu` (the user name) when it is a domain; else `nomHote` when it is one; else the
// address literal of `adresseLocale` ("192.0.2.5:41000" gives "[192.0.2.5]").
QString NomSalutation(const QString& nomVoulu, const QString& nomHote,
                      const QString& adresseLocale);
