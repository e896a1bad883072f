#include "config/device_kinds.h"

namespace orvanta {

ReceiverKind receiverKindOf(const QString &recepteur)
{
    if (recepteur == QLatin1String("AR5000"))
        return ReceiverKind::Ar5000;
    if (recepteur == QLatin1String("FT847"))
        return ReceiverKind::Ft847;
    if (recepteur == QLatin1String("Hamlib"))
        return ReceiverKind::Hamlib;
    return ReceiverKind::None;
}

RotorKind rotorKindOf(const QString &interfaceRotor)
{
    if (interfaceRotor == QLatin1String("Fodtrack"))
        return RotorKind::Fodtrack;
    if (interfaceRotor == QLatin1String("GS232"))
        return RotorKind::Gs232;
    if (interfaceRotor == QLatin1String("Hamlib"))
        return RotorKind::Hamlib;
    return RotorKind::None;
}

} // namespace orvanta
