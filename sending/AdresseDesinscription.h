#pragma once
// The unsubscribe address of the settings, and the headers that carry it (RFC 2369, and the
// one-click POST of RFC 8058 for a web address).
#include <QList>
#include <QPair>
#include <QString>

namespace AdresseDesinscription {

// Empty (no unsubscribe header), "mailto:" followed by an address, or "https://" followed by
// a host: printable ASCII without blanks, angle brackets or commas, which would end the
// header's value.
bool Valide(const QString& adresse);

// The headers for a valid address: none when it is empty, "List-Unsubscribe" with it in angle
// brackets, and "List-Unsubscribe-Post: List-Unsubscribe=One-Click" for an https address.
QList<QPair<QString, QString>> Entetes(const QString& adresse);

} // namespace AdresseDesinscription
