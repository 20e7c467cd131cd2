#pragma once
// The few questions put to the session bus about the desktop's keyring, through a connection
// of their own made for each: they block, with limits, so they are asked on a thread that the
// program never waits for (QtDBus's shared connection would hold the program's end while a
// hung bus holds it).
#include <QString>

namespace BusSession {

// The bus name of the first keyring on the session bus (running, or started on demand), empty
// when there is none or the bus does not answer within `delaiMs` per call.
QString ServiceTrousseau(int delaiMs);

// True when `service` answers a ping within `delaiMs`.
bool Repond(const QString& service, int delaiMs);

} // namespace BusSession
