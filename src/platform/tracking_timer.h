#pragma once

namespace orvanta {

// The main window's tracking timer as the dialogs see it: the frequency
// editors and the calibration dialog stop it while they are open and start it
// again when they close.
class TrackingTimer {
public:
    virtual ~TrackingTimer() = default;
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

} // namespace orvanta
