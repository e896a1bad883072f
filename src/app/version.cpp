#include "app/version.h"

#include "orvanta_version.h"

namespace orvanta {

QString orvantaVersion()
{
    return QStringLiteral(ORVANTA_VERSION);
}

QString Version()
{
    return QStringLiteral("Rev ") + orvantaVersion();
}

} // namespace orvanta
