#pragma once

#include <cstdint>

namespace orvanta::test {

// While it lives, this thread meets file permissions as any user does, root
// included: root's power to write through them (CAP_DAC_OVERRIDE and
// CAP_DAC_READ_SEARCH) leaves the thread's effective set, and comes back
// after. A read-only file is then read only for real.
class FileModesHonoured {
public:
    FileModesHonoured();
    ~FileModesHonoured();
    FileModesHonoured(const FileModesHonoured &) = delete;
    FileModesHonoured &operator=(const FileModesHonoured &) = delete;

    // False when the thread may still write through file modes (root whose
    // capabilities could not be changed).
    bool honoured() const { return honoured_; }

private:
    std::uint32_t saved_ = 0; // the first word of the effective set
    bool changed_ = false;
    bool honoured_ = false;
};

} // namespace orvanta::test
