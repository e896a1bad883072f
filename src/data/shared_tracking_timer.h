#pragma once

#include "platform/tracking_timer.h"

namespace orvanta {

// The tracking timer as seen by the frequency editor and the add dialog,
// which can be open at the same time: it runs again only once every window
// that stopped it has started it again.
class SharedTrackingTimer final : public TrackingTimer {
public:
    explicit SharedTrackingTimer(TrackingTimer &timer) : timer_(timer) {}

    void stop() override
    {
        if (holds_++ == 0)
            timer_.stop();
    }
    void start() override
    {
        if (holds_ > 0)
            --holds_;
        if (holds_ == 0)
            timer_.start();
    }
    bool isActive() const override { return timer_.isActive(); }

private:
    TrackingTimer &timer_;
    int holds_ = 0;
};

} // namespace orvanta
