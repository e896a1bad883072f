#pragma once

#include <QString>
#include <QStringList>

namespace orvanta {

// A text file of the station folder, read whole. The files are 8-bit text;
// they are read and written as Latin-1 so that every byte comes back as it was.
struct StationFile {
    enum class State { Missing, Read, Unreadable };
    State state = State::Missing;
    QString text;
    QString error; // why an existing file could not be read
};

QString stationFilePath(const QString &folder, const QString &name);

StationFile readStationFile(const QString &path);

// Writes the lines, each ended by CR LF, replacing the file atomically: on
// failure the old file is left whole and error says why.
bool writeStationFile(const QString &path, const QStringList &lines, QString *error);

} // namespace orvanta
