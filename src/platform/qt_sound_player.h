#pragma once

#include "platform/sound_player.h"

namespace orvanta {

class QtSoundPlayer final : public SoundPlayer {
public:
    void playAndWait(const QString &path) override;
};

} // namespace orvanta
