#pragma once
// A limit on the size of the files this process writes (RLIMIT_FSIZE). Writing past it fails
// with EFBIG, a cause the user is told by its number; the signal that would otherwise end the
// process is ignored while the limit stands. Both are restored when the limit goes.

#include <csignal>
#include <sys/resource.h>

namespace tw::test {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        set_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }

    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool isSet() const { return set_; }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = SIG_DFL;
    bool set_ = false;
};

} // namespace tw::test
