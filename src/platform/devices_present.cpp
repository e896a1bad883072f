#include "platform/devices_present.h"

#include <QCollator>
#include <QDir>

#include <algorithm>

namespace orvanta {

namespace {

QStringList entries(const QString &root, const QStringList &patterns)
{
    const QDir dir(root);
    // Devices are neither files nor folders to QDir: ask for everything.
    QStringList names = dir.entryList(patterns, QDir::System | QDir::Files | QDir::NoDotAndDotDot);
    // ttyS2 before ttyS10.
    QCollator collator;
    collator.setNumericMode(true);
    std::sort(names.begin(), names.end(), collator);
    QStringList paths;
    for (const QString &name : names)
        paths << dir.filePath(name);
    return paths;
}

} // namespace

QStringList serialDevicesPresent(const QString &devRoot, const QString &byIdRoot)
{
    return entries(byIdRoot, {QStringLiteral("*")})
           + entries(devRoot, {QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*"), QStringLiteral("ttyS*")});
}

QStringList parallelDevicesPresent(const QString &devRoot)
{
    return entries(devRoot, {QStringLiteral("parport*")});
}

} // namespace orvanta
