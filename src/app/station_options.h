#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace orvanta {

// Command-line options of the station program.
struct StationOptions {
    QString stationFolder; // element files, Elements.cfg, Frequences.cfg; empty without --station
    QString settingsFile;  // the per-user settings file
};

// Reads "--station DIR" and "--settings FILE" (both optional). On a bad
// command line returns nothing and puts the reason in *error.
std::optional<StationOptions> parseStationOptions(const QStringList &arguments, QString *error);

} // namespace orvanta
