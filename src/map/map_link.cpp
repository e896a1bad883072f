#include "map/map_link.h"

#include "map/carte_window.h"

namespace orvanta {

void MapLink::open(const orbit::Satellites *satellites)
{
    if (!window_) {
        window_ = new CarteWindow(owner_);
        QObject::connect(window_, &CarteWindow::satelliteChosen, window_, [this](const QString &name) {
            if (chosen)
                chosen(name);
        });
    }
    window_->ouvrir();
    show(satellites);
}

void MapLink::ticked(const orbit::Satellites *satellites, const MapTick &tick)
{
    last_ = tick;
    if (window_ && window_->isVisible())
        show(satellites);
}

void MapLink::show(const orbit::Satellites *satellites)
{
    if (satellites && last_)
        window_->setScene(feed_.scene(*satellites, *last_));
}

} // namespace orvanta
