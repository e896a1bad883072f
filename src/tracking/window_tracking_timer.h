#pragma once

#include "platform/tracking_timer.h"

#include <QTimer>

namespace orvanta {

// The main window's Timer1 as the dialogs stop and start it.
class WindowTrackingTimer final : public TrackingTimer {
public:
    explicit WindowTrackingTimer(QTimer &timer) : timer_(timer) {}
    void start() override { timer_.start(); }
    void stop() override { timer_.stop(); }
    bool isActive() const override { return timer_.isActive(); }

private:
    QTimer &timer_;
};

} // namespace orvanta
