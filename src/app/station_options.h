#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace orvanta {

// Command-line options of the station program.
struct StationOptions {
    QString stationFolder; // element files, Elements.cfg, Frequences.cfg; empty without --station
    QString settingsFile;  // the per-user settings file
    QDateTime startTime;   // UTC instant the clock starts from (rehearsal); invalid: the real time
};

// Reads "--station DIR", "--settings FILE" and "--start-time
// YYYY-MM-DDTHH:MM:SSZ" (all optional). On a bad
// command line returns nothing and puts the reason in *error.
std::optional<StationOptions> parseStationOptions(const QStringList &arguments, QString *error);

} // namespace orvanta
