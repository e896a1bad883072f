#pragma once

namespace orvanta {

// The time the radio's commands take, as a running mean of the last
// measures, kept within what a working radio may take.
class CommandLatency {
public:
    static constexpr double kLongestSeconds = 1.0;

    void measured(double seconds);
    double seconds() const { return seconds_; }

private:
    double seconds_ = 0;
    bool measured_ = false;
};

} // namespace orvanta
