#pragma once
// The time a campaign's back-offs are counted on: the system's steady clock, or one a test
// moves by hand, so that no test waits for real minutes.
#include <chrono>

class Horloge {
public:
    using Instant = std::chrono::steady_clock::time_point;
    virtual ~Horloge() = default;
    virtual Instant Maintenant() const { return std::chrono::steady_clock::now(); }
    static Horloge& Systeme() {
        static Horloge systeme;
        return systeme;
    }
};
