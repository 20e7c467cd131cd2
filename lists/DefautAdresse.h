#pragma once
// What would keep an address from ever being sent, told to the user when it enters a list (added
// or imported). The list still takes it: its own check stays "an @ and a dot".
#include <QString>

// The reason, empty for an address that may be sent: a blank, a control character, a domain that
// IDNA refuses.
QString DefautAdresse(const QString& adresse);
