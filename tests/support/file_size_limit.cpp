#include "support/file_size_limit.h"

#include <csignal>

namespace orvanta::test {

FileSizeLimit::FileSizeLimit()
{
    std::signal(SIGXFSZ, SIG_IGN); // a refused write, not a killed process
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit tight = saved_;
    tight.rlim_cur = 8;
    setrlimit(RLIMIT_FSIZE, &tight);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &saved_);
}

} // namespace orvanta::test
