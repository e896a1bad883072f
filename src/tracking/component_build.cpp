#include "tracking/component_build.h"

#include <QMetaObject>

namespace orvanta {

ComponentBuild::ComponentBuild(Done done) : done_(std::move(done)) {}

ComponentBuild::~ComponentBuild()
{
    if (worker_.joinable())
        worker_.join();
}

void ComponentBuild::start(const ComponentSource &source)
{
    if (worker_.joinable()) {
        next_ = source;
        return;
    }
    worker_ = std::thread([this, source] {
        // Shared so the posted call can be copied; dropped with it if the window goes first.
        auto built = std::make_shared<std::unique_ptr<orbit::Satellites>>(orbit::Init_Satellites(
            source.folder, source.latitudeDeg, source.longitudeDeg, source.heightMetres));
        QMetaObject::invokeMethod(
            &context_, [this, built, source] { finished(std::move(*built), source); }, Qt::QueuedConnection);
    });
}

void ComponentBuild::finished(std::unique_ptr<orbit::Satellites> built, const ComponentSource &source)
{
    worker_.join();
    if (next_) {
        const ComponentSource again = *next_;
        next_.reset();
        start(again);
        return;
    }
    done_(std::move(built), source);
}

} // namespace orvanta
