#pragma once
// The SMTP password in the desktop's keyring (the Secret Service of GNOME, or KDE's wallet),
// reached through QtKeychain. The keyring answers asynchronously: each call waits for it in a
// local event loop that holds back the user's input, at most kDelaiMs, so that a hung keyring
// never holds the window for good.
#include <QString>

class TrousseauMotDePasse {
public:
    // How long one keyring call may take before it counts as refused.
    static constexpr int kDelaiMs = 5000;

    // True when a keyring service is on the session bus, running or started on demand. Without
    // a session bus (a bare session, a server) there is none.
    static bool Present();

    // The password stored under `entree`; false when the keyring is locked, refuses, does not
    // answer in time or holds no such entry.
    static bool Lire(const QString& entree, QString& motDePasse);

    // Stores `motDePasse` under `entree`, replacing what was there; false when the keyring is
    // locked, refuses or does not answer in time.
    static bool Ecrire(const QString& entree, const QString& motDePasse);
};
