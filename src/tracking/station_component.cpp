#include "tracking/station_component.h"

#include "config/config_station.h"
#include "tracking/tracking_work.h"

namespace orvanta {

ComponentSource StationComponent::source() const
{
    const ConfigStation &config = links_.config;
    return {links_.folder.toStdString(), config.Lat_Obs, config.Long_Obs, config.Alt_Obs};
}

void StationComponent::build()
{
    const ComponentSource from = source();
    use(orbit::Init_Satellites(from.folder, from.latitudeDeg, from.longitudeDeg, from.heightMetres));
}

void StationComponent::use(std::unique_ptr<orbit::Satellites> built)
{
    links_.replacing();
    component_ = std::move(built);
    links_.tracking.componentBuilt(*component_);
}

void StationComponent::handOver(std::unique_ptr<orbit::Satellites> built, const ComponentSource &from)
{
    if (ended_)
        return;
    const QStringList before = links_.tracking.satelliteNames();
    if (from == source())
        use(std::move(built));
    else
        build();
    links_.tracking.componentReplaced(before);
}

void StationComponent::end()
{
    component_.reset();
    ended_ = true;
}

} // namespace orvanta
