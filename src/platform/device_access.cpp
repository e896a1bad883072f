#include "platform/device_access.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace orvanta {

QString deviceOpenFailure(const QString &path, DeviceKind kind, int error)
{
    if (error == ENOENT || error == ENODEV || error == ENXIO)
        return QCoreApplication::translate("Devices", "Le peripherique %1 n'existe pas.").arg(path);
    if (error == EACCES || error == EPERM) {
        const QString group = kind == DeviceKind::Serial ? QStringLiteral("dialout") : QStringLiteral("lp");
        return QCoreApplication::translate(
                   "Devices", "Acces refuse au peripherique %1 : l'utilisateur doit faire partie du groupe %2 "
                              "(sudo adduser $USER %2, puis ouvrir une nouvelle session).")
            .arg(path, group);
    }
    return QCoreApplication::translate("Devices", "Le peripherique %1 ne peut pas etre ouvert : %2.")
        .arg(path, QString::fromLocal8Bit(std::strerror(error)));
}

QString deviceAccessProblem(const QString &path, DeviceKind kind)
{
    const QByteArray name = path.toLocal8Bit();
    if (path.isEmpty() || ::access(name.constData(), F_OK) != 0)
        return deviceOpenFailure(path, kind, ENOENT);
    if (::access(name.constData(), R_OK | W_OK) != 0)
        return deviceOpenFailure(path, kind, errno);
    return {};
}

} // namespace orvanta
