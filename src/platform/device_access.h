#pragma once

#include <QString>

namespace orvanta {

// What a Linux device is for decides which group grants access to it.
enum class DeviceKind {
    Serial,   // /dev/ttyS*, /dev/ttyUSB*, ...: group dialout
    Parallel, // /dev/parport*: group lp
};

// Why a device could not be opened, in the operator's words, from the errno
// of the failed open: missing, not allowed (with the group to join), or the
// system's own text for anything else.
QString deviceOpenFailure(const QString &path, DeviceKind kind, int error);

// Whether the program may open the device for writing: an empty text when
// it may, otherwise the reason as deviceOpenFailure gives it.
QString deviceAccessProblem(const QString &path, DeviceKind kind);

} // namespace orvanta
