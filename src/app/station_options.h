#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

#include "remote/remote_settings.h"

namespace orvanta {

// Command-line options of the station program.
struct StationOptions {
    QString stationFolder; // element files, Elements.cfg, Frequences.cfg; empty without --station
    QString settingsFile;  // the per-user settings file
    QDateTime startTime;   // UTC instant the clock starts from (rehearsal); invalid: the real time
    bool help = false;     // --help or -h: print the usage and stop
    std::optional<RemoteListen> remote; // --remote [ADDRESS:]PORT: the remote station's server for this run
    QString remotePasswordRole;         // --set-remote-password operator|viewer: store it and stop
};

// The usage text "--help" prints.
QString stationUsage();

// Reads "--station DIR", "--settings FILE", "--start-time
// YYYY-MM-DDTHH:MM:SSZ", "--remote [ADDRESS:]PORT" and
// "--set-remote-password ROLE" (all optional), or "--help". Needs no application
// object, so the program can answer --help without a display. On a bad
// command line returns nothing and puts the reason in *error.
std::optional<StationOptions> parseStationOptions(const QStringList &arguments, QString *error);

} // namespace orvanta
