#include "tracking/satellite_filter.h"

namespace orvanta {

bool matchesSatelliteFilter(const QString &name, long catalogNumber, const QString &filter)
{
    const QString wanted = filter.trimmed();
    if (wanted.isEmpty() || name.contains(wanted, Qt::CaseInsensitive))
        return true;
    return catalogNumber > 0 && QString::number(catalogNumber).startsWith(wanted);
}

QString catalogNumberTip(long catalogNumber)
{
    return catalogNumber > 0 ? QStringLiteral("n° %1").arg(catalogNumber) : QString();
}

} // namespace orvanta
