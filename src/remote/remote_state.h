#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>

#include <optional>
#include <vector>

namespace orvanta {

struct RemoteSatellite {
    long catalogNumber = 0;
    QString name;
    double azimuthDeg = 0;
    double elevationDeg = 0;
    std::optional<double> rangeRateKmS;
    std::optional<double> frequencyHz; // the downlink in the table
    std::optional<double> dopplerHz;   // the shift of that downlink now
};

// One row of the window's pass lists.
struct RemotePass {
    long catalogNumber = 0;
    QString name;
    QDateTime aos; // UTC
    QDateTime los;
    double maxElevationDeg = 0;
    bool inProgress = false;
};

struct RemoteSkyPoint {
    double azimuthDeg = 0;
    double elevationDeg = 0;
    bool operator==(const RemoteSkyPoint &) const = default;
};

// The window's sky view scene, as points on the sky.
struct RemoteSky {
    QString trackedName;
    std::vector<RemoteSkyPoint> trackedPath;
    QString awaitedName;
    std::vector<RemoteSkyPoint> awaitedPath;
    std::optional<RemoteSkyPoint> satellite;
    std::optional<RemoteSkyPoint> rotor;
    QString info; // the line under the plot
    double minElevationDeg = 0;
};

// What the station is doing, as one tick left it.
struct RemoteSnapshot {
    QDateTime time; // UTC
    std::optional<RemoteSatellite> followed;
    std::optional<RemoteSatellite> awaited;
    bool rotorTracking = false;
    bool dopplerCorrection = false;
    bool receiverProgramming = false;
    std::optional<RemoteSkyPoint> rotorReading;  // what the rotor said
    std::optional<double> radioReadingHz;        // what the radio said
    std::vector<RemotePass> passes;              // in progress first, then to come
    RemoteSky sky;
    QString alarm; // the alarm banner's text, empty when hidden
    struct Tuning {
        bool available = false; // a transponder is chosen for the followed satellite
        int stepHz = 100;
        qint64 downlinkHz = 0;
    } tuning;
};

QString isoUtc(const QDateTime &instant);
// Everything, sky paths included unless told otherwise.
enum class SkyPaths { Included, LeftOut };
QJsonObject stateJson(const RemoteSnapshot &snapshot, SkyPaths paths = SkyPaths::Included);
// The WebSocket's message of one tick: {"type": "state", "state": {...}},
// compact. A tick whose sky paths are those of the last message leaves them
// out: the page keeps the ones it has.
QByteArray stateMessage(const RemoteSnapshot &snapshot, SkyPaths paths = SkyPaths::Included);

} // namespace orvanta
