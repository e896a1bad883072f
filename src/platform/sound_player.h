#pragma once

#include <QString>

namespace orvanta {

// Plays a WAV file and returns when it has finished; with no audio device or
// no file it returns at once.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void playAndWait(const QString &path) = 0;
};

} // namespace orvanta
