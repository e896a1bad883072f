#pragma once

#include <QString>

namespace orvanta {

// The mode a receiver is set up in for a satellite, as Frequences.cfg names
// it ("Mode A" to "Mode D"). Any other text is Unknown: the radios then get
// their fixed set-up without a mode.
enum class ReceiverMode { Unknown, A, B, C, D };

// Exactly "Mode A" to "Mode D"; anything else, other letter cases included,
// is Unknown.
inline ReceiverMode receiverModeOf(const QString &text)
{
    if (text == QLatin1String("Mode A"))
        return ReceiverMode::A;
    if (text == QLatin1String("Mode B"))
        return ReceiverMode::B;
    if (text == QLatin1String("Mode C"))
        return ReceiverMode::C;
    if (text == QLatin1String("Mode D"))
        return ReceiverMode::D;
    return ReceiverMode::Unknown;
}

} // namespace orvanta
