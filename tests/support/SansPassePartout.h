#pragma once
// Root opens every file whatever its permissions: while this lives, the calling thread gives
// up that right, so that a file made unreadable by chmod is unreadable for it too, as it is for
// a user. Without root, it changes nothing.
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

class SansPassePartout {
public:
    SansPassePartout() {
        syscall(SYS_capget, &entete_, ancien_);
        __user_cap_data_struct reduit[2] = {ancien_[0], ancien_[1]};
        reduit[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &entete_, reduit);
    }
    ~SansPassePartout() { syscall(SYS_capset, &entete_, ancien_); }
    SansPassePartout(const SansPassePartout&) = delete;
    SansPassePartout& operator=(const SansPassePartout&) = delete;

private:
    __user_cap_header_struct entete_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct ancien_[2]{};
};
