#include "support/file_modes.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace orvanta::test {

namespace {

constexpr std::uint32_t kWritesThrough = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

bool capabilities(__user_cap_data_struct (&data)[2], bool set)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return syscall(set ? SYS_capset : SYS_capget, &header, data) == 0;
}

} // namespace

FileModesHonoured::FileModesHonoured()
{
    __user_cap_data_struct data[2]{};
    if (!capabilities(data, false))
        return;
    saved_ = data[0].effective;
    if ((saved_ & kWritesThrough) == 0) {
        honoured_ = true;
        return;
    }
    data[0].effective = saved_ & ~kWritesThrough;
    changed_ = capabilities(data, true);
    honoured_ = changed_;
}

FileModesHonoured::~FileModesHonoured()
{
    if (!changed_)
        return;
    __user_cap_data_struct data[2]{};
    if (capabilities(data, false)) {
        data[0].effective = saved_;
        capabilities(data, true);
    }
}

} // namespace orvanta::test
