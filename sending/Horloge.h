#pragma once
// The time of a campaign: its paces, back-offs, limits and pauses, and the dates of its journal
// and quotas. The system's clocks, or one a test moves by hand, so that no test waits for real
// minutes or days.
#include <QtGlobal>
#include <chrono>

class Horloge {
public:
    using Instant = std::chrono::steady_clock::time_point;
    virtual ~Horloge() = default;
    virtual Instant Maintenant() const { return std::chrono::steady_clock::now(); }
    // The date, in milliseconds since 1970 (UTC). A clock that moves Maintenant() moves this
    // one with it.
    virtual qint64 Date() const {
        return origineDate_ +
               std::chrono::duration_cast<std::chrono::milliseconds>(Maintenant() - origine_)
                   .count();
    }
    static Horloge& Systeme();

private:
    const Instant origine_ = std::chrono::steady_clock::now();
    const qint64 origineDate_ = std::chrono::duration_cast<std::chrono::milliseconds>(
                                    std::chrono::system_clock::now().time_since_epoch())
                                    .count();
};
