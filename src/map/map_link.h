#pragma once

#include "map/carte_window.h"
#include "map/map_feed.h"

#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

namespace orvanta {

// The map window as the station drives it: opened from the menu, fed at
// each tick while it is shown, and asking for a satellite's details when
// one is clicked.
class MapLink {
public:
    explicit MapLink(QWidget *owner) : owner_(owner) {}

    // Opens the window (made at the first opening) and fills it at once.
    void open(const orbit::Satellites *satellites);
    // A tick's result; nothing is computed while the window is hidden.
    void ticked(const orbit::Satellites *satellites, const MapTick &tick);
    // The component was replaced.
    void clear() { feed_.clear(); }
    void setHorizon(const orbit::HorizonMask &mask) { feed_.setHorizon(mask); }

    CarteWindow *window() const { return window_; }
    // Called with the name of a satellite clicked on the map.
    std::function<void(const QString &name)> chosen;

private:
    void show(const orbit::Satellites *satellites);

    QWidget *owner_;
    QPointer<CarteWindow> window_;
    MapFeed feed_;
    std::optional<MapTick> last_;
};

} // namespace orvanta
