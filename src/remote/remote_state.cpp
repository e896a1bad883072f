#include "remote/remote_state.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>

namespace orvanta {

namespace {

// Tenths of a degree and metres per second are all a page shows; shorter
// numbers make a shorter message. Divided by a power of ten, so 192.6
// stays 192.6 and not 192.60000000000002.
double rounded(double value, double unit)
{
    const double scale = std::round(1.0 / unit);
    return std::round(value * scale) / scale;
}

QJsonValue optionalNumber(const std::optional<double> &value, double unit)
{
    return value ? QJsonValue(rounded(*value, unit)) : QJsonValue();
}

QJsonObject pointJson(const RemoteSkyPoint &point)
{
    return {{QStringLiteral("azimuth"), rounded(point.azimuthDeg, 0.1)},
            {QStringLiteral("elevation"), rounded(point.elevationDeg, 0.1)}};
}

QJsonValue optionalPoint(const std::optional<RemoteSkyPoint> &point)
{
    return point ? QJsonValue(pointJson(*point)) : QJsonValue();
}

// A path as [[az, el], ...]: half the size of objects.
QJsonArray pathJson(const std::vector<RemoteSkyPoint> &path)
{
    QJsonArray points;
    for (const RemoteSkyPoint &point : path)
        points.append(QJsonArray{rounded(point.azimuthDeg, 0.1), rounded(point.elevationDeg, 0.1)});
    return points;
}

QJsonValue satelliteJson(const std::optional<RemoteSatellite> &satellite)
{
    if (!satellite)
        return QJsonValue();
    return QJsonObject{{QStringLiteral("catalog_number"), double(satellite->catalogNumber)},
                       {QStringLiteral("name"), satellite->name},
                       {QStringLiteral("azimuth"), rounded(satellite->azimuthDeg, 0.1)},
                       {QStringLiteral("elevation"), rounded(satellite->elevationDeg, 0.1)},
                       {QStringLiteral("range_rate_km_s"), optionalNumber(satellite->rangeRateKmS, 0.001)},
                       {QStringLiteral("frequency_hz"), optionalNumber(satellite->frequencyHz, 1)},
                       {QStringLiteral("doppler_hz"), optionalNumber(satellite->dopplerHz, 1)}};
}

} // namespace

QString isoUtc(const QDateTime &instant)
{
    return instant.isValid() ? instant.toUTC().toString(Qt::ISODate) : QString();
}

QJsonObject stateJson(const RemoteSnapshot &snapshot, SkyPaths paths)
{
    QJsonArray passes;
    for (const RemotePass &pass : snapshot.passes)
        passes.append(QJsonObject{{QStringLiteral("catalog_number"), double(pass.catalogNumber)},
                                  {QStringLiteral("name"), pass.name},
                                  {QStringLiteral("aos"), isoUtc(pass.aos)},
                                  {QStringLiteral("los"), isoUtc(pass.los)},
                                  {QStringLiteral("max_elevation"), rounded(pass.maxElevationDeg, 0.1)},
                                  {QStringLiteral("in_progress"), pass.inProgress}});
    const RemoteSky &sky = snapshot.sky;
    QJsonObject skyJson{{QStringLiteral("tracked_name"), sky.trackedName},
                        {QStringLiteral("awaited_name"), sky.awaitedName},
                        {QStringLiteral("satellite"), optionalPoint(sky.satellite)},
                        {QStringLiteral("rotor"), optionalPoint(sky.rotor)},
                        {QStringLiteral("info"), sky.info},
                        {QStringLiteral("min_elevation"), sky.minElevationDeg}};
    if (paths == SkyPaths::Included) {
        skyJson.insert(QStringLiteral("tracked_path"), pathJson(sky.trackedPath));
        skyJson.insert(QStringLiteral("awaited_path"), pathJson(sky.awaitedPath));
    }
    return {
        {QStringLiteral("time"), isoUtc(snapshot.time)},
        {QStringLiteral("followed"), satelliteJson(snapshot.followed)},
        {QStringLiteral("awaited"), satelliteJson(snapshot.awaited)},
        {QStringLiteral("switches"), QJsonObject{{QStringLiteral("rotor"), snapshot.rotorTracking},
                                                 {QStringLiteral("doppler"), snapshot.dopplerCorrection},
                                                 {QStringLiteral("receiver"), snapshot.receiverProgramming}}},
        {QStringLiteral("devices"),
         QJsonObject{{QStringLiteral("rotor"), optionalPoint(snapshot.rotorReading)},
                     {QStringLiteral("radio_frequency_hz"), optionalNumber(snapshot.radioReadingHz, 1)}}},
        {QStringLiteral("passes"), passes},
        {QStringLiteral("sky"), skyJson},
        {QStringLiteral("alarm"), snapshot.alarm},
        {QStringLiteral("tuning"), QJsonObject{{QStringLiteral("available"), snapshot.tuning.available},
                                               {QStringLiteral("step_hz"), snapshot.tuning.stepHz},
                                               {QStringLiteral("downlink_hz"), double(snapshot.tuning.downlinkHz)}}},
    };
}

QByteArray stateMessage(const RemoteSnapshot &snapshot, SkyPaths paths)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("type"), QStringLiteral("state")},
                                     {QStringLiteral("state"), stateJson(snapshot, paths)}})
        .toJson(QJsonDocument::Compact);
}

} // namespace orvanta
