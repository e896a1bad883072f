#pragma once

#include <sys/resource.h>

namespace orvanta::test {

// While it lives, no file of this process may grow past a few bytes, so a
// write fails for real even for root.
class FileSizeLimit {
public:
    FileSizeLimit();
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit saved_{};
};

} // namespace orvanta::test
