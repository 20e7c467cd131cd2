#pragma once
// What a campaign keeps on record (its journal), told by the engine as it happens, before the
// next step: a try is on record before its message's end-of-data line leaves. Called on the
// worker of the connection concerned, or on the caller's thread once the workers have ended,
// one call at a time and in order. A call that raises ends the record: the engine calls it no
// more and tells the listener (EcouteurCampagne::ErreurRegistre).
#include "sending/ResultatEnvoi.h"

#include <QString>

class RegistreCampagne {
public:
    virtual ~RegistreCampagne() = default;

    // Once, when the first message is about to leave.
    virtual void Ouvrir() = 0;
    // A try of `adresse` starts: without an outcome after it, the message may have left.
    virtual void Essai(const QString& adresse) = 0;
    // An outcome that is final.
    virtual void Resultat(const ResultatEnvoi& resultat) = 0;
    // A temporary failure that will be tried again.
    virtual void Temporaire(const ResultatEnvoi& resultat) = 0;
    // The pace learnt from the server (messages per minute), for a resumed campaign.
    virtual void Allure(double allure) { (void)allure; }
    // A quota's pause until `jusqua` (Horloge::Date).
    virtual void Pause(qint64 jusqua) { (void)jusqua; }
};
