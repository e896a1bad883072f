#pragma once

#include "orbit/satellites.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace orvanta {

// Where the component is built for: the element files' folder and the station.
struct ComponentSource {
    std::string folder;
    double latitudeDeg = 0;
    double longitudeDeg = 0;
    double heightMetres = 0;

    bool operator==(const ComponentSource &) const = default;
};

// The orbital component built from the element files on a thread of its
// own, then handed to the window thread: reading and initialising a
// catalogue of thousands of sets takes a tenth of a second, which a tick
// due meanwhile must not wait for. A build asked while one runs follows it,
// and only the last one's component is handed on.
class ComponentBuild {
public:
    using Done = std::function<void(std::unique_ptr<orbit::Satellites> built, const ComponentSource &source)>;

    explicit ComponentBuild(Done done);
    ~ComponentBuild(); // waits for a build under way; its component is dropped
    ComponentBuild(const ComponentBuild &) = delete;
    ComponentBuild &operator=(const ComponentBuild &) = delete;

    void start(const ComponentSource &source);
    bool running() const { return worker_.joinable(); }

private:
    void finished(std::unique_ptr<orbit::Satellites> built, const ComponentSource &source);

    Done done_;
    std::thread worker_;
    std::optional<ComponentSource> next_;
    QObject context_; // the window thread's end of the hand-over; its posted calls die with it
};

} // namespace orvanta
