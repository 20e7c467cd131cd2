#pragma once
#include <QString>

// The lock that lets one instance of the program run for a user. It is an advisory lock on
// a file of the temporary directory: the system releases it when the process ends, however
// it ends, so a crash never locks the user out.
class VerrouInstance {
public:
    VerrouInstance() = default;
    VerrouInstance(const VerrouInstance&) = delete;
    VerrouInstance& operator=(const VerrouInstance&) = delete;
    ~VerrouInstance();

    // True when this process now holds the lock; false when another instance holds it.
    bool Prendre();
    static QString Chemin();

private:
    int fd_ = -1;
};
