#pragma once
// A failure of the session as a whole, not of the address being sent to: the server refused
// the user name or password, or its certificate is no longer the one it had. Going on would
// only repeat it for every address (and a refused login repeated thousands of times gets the
// user's address banned), so the campaign stops at once and shows this text.
#include "commun/Erreur.h"

class ErreurSession : public Erreur {
public:
    using Erreur::Erreur;
};
