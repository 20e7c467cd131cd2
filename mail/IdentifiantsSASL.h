#pragma once
// The user name and password as AUTH sends them: in UTF-8 (RFC 4616, and what servers expect
// for LOGIN too), then base64 on one line.
#include <QString>

namespace IdentifiantsSASL {
// One AUTH LOGIN answer: the text in UTF-8, in base64.
QString Login(const QString& texte);
// The AUTH PLAIN answer: no authorisation identity, NUL, user, NUL, password, in base64.
QString Plain(const QString& utilisateur, const QString& motDePasse);
} // namespace IdentifiantsSASL
