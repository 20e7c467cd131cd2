#pragma once
// Direction of a progress bracket, and the object that keeps the progress counters of a
// channel (the SMTP client).
#include <QtGlobal>

enum class SensTravail { Lecture, Ecriture };

class ProprietaireCanal {
public:
    virtual void DebutTravail(SensTravail sens, qint64 taille) = 0;
    virtual void Travail(SensTravail sens, qint64 n) = 0;
    virtual void FinTravail(SensTravail sens) = 0;

protected:
    ~ProprietaireCanal() = default;
};
