#pragma once
// What the transport tests share: a campaign-like message and the text an SMTP call raises.
#include "mail/MessageCourriel.h"

#include <QString>
#include <QStringList>
#include <functional>

// From club@exemple.org, the page as "text/html", "Newsletter" as
// "text/plain", to `destinataires`.
MessageCourriel MessageDeTest(const QString& destinataires = QStringLiteral("dest@exemple.net"),
                              const QString& objet = QStringLiteral("Lettre"),
                              const QStringList& page = {QStringLiteral("<p>page</p>")});

// "" when the call returns, else the message of the Erreur it raised ("(vide)" for an empty
// one).
QString ResultatAppel(const std::function<void()>& appel);
