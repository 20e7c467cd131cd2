#pragma once
// The ASCII form of an e-mail domain (IDNA 2008 with UTS #46, through libidn2): what servers read in the
// envelope and the headers.
#include <QString>
#include <QStringView>

// True when no character is beyond ASCII.
bool EstAscii(QStringView texte);

// The domain's ASCII form; an ASCII domain as it is (an encoded label "xn--" checked), an
// address literal ("[192.0.2.1]") as it is. Empty when IDNA refuses the domain.
QString DomaineAscii(const QString& domaine);
