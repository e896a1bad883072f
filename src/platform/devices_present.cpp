#include "platform/devices_present.h"

#include <QDir>

#include <algorithm>

namespace orvanta {

namespace {

// ttyS2 before ttyS10: runs of digits compare as numbers.
bool naturalLess(const QString &a, const QString &b)
{
    int i = 0;
    int j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            int endA = i;
            int endB = j;
            while (endA < a.size() && a[endA].isDigit())
                ++endA;
            while (endB < b.size() && b[endB].isDigit())
                ++endB;
            const qulonglong numberA = a.mid(i, endA - i).toULongLong();
            const qulonglong numberB = b.mid(j, endB - j).toULongLong();
            if (numberA != numberB)
                return numberA < numberB;
            i = endA;
            j = endB;
        } else {
            if (a[i] != b[j])
                return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

QStringList entries(const QString &root, const QStringList &patterns)
{
    const QDir dir(root);
    // Devices are neither files nor folders to QDir: ask for everything.
    QStringList names = dir.entryList(patterns, QDir::System | QDir::Files | QDir::NoDotAndDotDot);
    std::sort(names.begin(), names.end(), naturalLess);
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
