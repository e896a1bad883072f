#pragma once

#include <QDateTime>

#include <optional>

namespace orvanta {

// When the automatic element update runs: at start-up, then every so many
// hours (at least 2, as the public element services ask; default 12), and
// never while a pass is being taken up (from a few minutes before its
// acquisition to a minute after), when it waits for the take-up to end.
class ElementUpdateSchedule {
public:
    static constexpr double kShortestHours = 2;
    static constexpr double kDefaultHours = 12;
    // Before and after an acquisition, the station is busy taking the pass up.
    static constexpr int kTakeUpBeforeSeconds = 3 * 60;
    static constexpr int kTakeUpAfterSeconds = 60;

    // Hours below the shortest are raised to it.
    explicit ElementUpdateSchedule(double everyHours = kDefaultHours);
    double everyHours() const { return everyHours_; }

    // Whether to start one now. nextAcquisition: the next pass's
    // acquisition, or the last one's when it is only just past.
    bool due(const QDateTime &now, const std::optional<QDateTime> &nextAcquisition) const;
    void started(const QDateTime &now) { lastStart_ = now; }
    std::optional<QDateTime> lastStart() const { return lastStart_; }

private:
    double everyHours_;
    std::optional<QDateTime> lastStart_;
};

} // namespace orvanta
