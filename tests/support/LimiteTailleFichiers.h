#pragma once
// While it lives, writing past `octets` in any file fails (EFBIG) as on a full disk, even
// for root. SIGXFSZ is ignored so that the write only reports the error.
#include <csignal>
#include <sys/resource.h>

class LimiteTailleFichiers {
public:
    explicit LimiteTailleFichiers(rlim_t octets) {
        ancienSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &ancienne_);
        rlimit l = ancienne_;
        l.rlim_cur = octets;
        setrlimit(RLIMIT_FSIZE, &l);
    }
    ~LimiteTailleFichiers() {
        setrlimit(RLIMIT_FSIZE, &ancienne_);
        std::signal(SIGXFSZ, ancienSignal_);
    }
    LimiteTailleFichiers(const LimiteTailleFichiers&) = delete;
    LimiteTailleFichiers& operator=(const LimiteTailleFichiers&) = delete;

private:
    rlimit ancienne_{};
    void (*ancienSignal_)(int) = nullptr;
};
