#include "platform/station_notices.h"

#include <QTimer>

namespace orvanta {

void StationNotices::later(const QString &text, const QString &title, Icon icon)
{
    QTimer::singleShot(0, &context_, [this, text, title, icon] {
        if (!stopped_)
            boxes_.notice(text, title, icon);
    });
}

} // namespace orvanta
