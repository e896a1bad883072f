#pragma once

#include "tracking/component_build.h"

#include <QString>

#include <functional>
#include <memory>

namespace orvanta {

struct ConfigStation;
class TrackingWork;

// The orbital component the station works with: built from the station
// folder for the observer at start-up and when the observer changes, and
// put in place between two ticks when a build away from the window ends.
class StationComponent {
public:
    struct Links {
        const ConfigStation &config;
        QString folder;
        TrackingWork &tracking;
        std::function<void()> replacing; // the views drop what they hold of the old one
    };
    explicit StationComponent(Links links) : links_(std::move(links)) {}

    orbit::Satellites *get() const { return component_.get(); }
    ComponentSource source() const;
    // Builds it now, on the window's thread.
    void build();
    // A build away from the window has ended: it is used unless the
    // observer moved meanwhile, and the lists keep what they can.
    void handOver(std::unique_ptr<orbit::Satellites> built, const ComponentSource &source);
    // At shutdown: nothing is handed over any more.
    void end();

private:
    void use(std::unique_ptr<orbit::Satellites> built);

    Links links_;
    std::unique_ptr<orbit::Satellites> component_;
    bool ended_ = false;
};

} // namespace orvanta
