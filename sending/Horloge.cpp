#include "sending/Horloge.h"

namespace {
// The date from the system's own clock: a machine asleep during a pause wakes at the right
// date, which the steady clock would not know.
class HorlogeSysteme : public Horloge {
public:
    qint64 Date() const override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::system_clock::now().time_since_epoch())
            .count();
    }
};
} // namespace

Horloge& Horloge::Systeme() {
    static HorlogeSysteme systeme;
    return systeme;
}
