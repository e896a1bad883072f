#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace orvanta {

// The station folder the program works from, and what to tell the user.
struct StationFolderChoice {
    QString folder; // absolute path; empty when error is set
    QString notice; // said once, on the start that created the per-user folder
    QString error;  // no folder could be chosen: show it and stop
};

// Where an installed program keeps its demo station: <bin>/../share/orvanta/demo.
QString installedDemoFolder(const QString &executableDir);

// The per-user station folder: $XDG_DATA_HOME/Orvanta, or ~/.local/share/Orvanta.
// Empty when neither variable gives an absolute path.
QString userStationFolder(const QProcessEnvironment &env);

// The folder named by --station when there is one (given, empty otherwise);
// else the current folder when it holds an element file (*.txt, or an OMM
// *.csv, *.json or *.xml); else the
// per-user folder, filled from the installed demo station on the first start.
// Nothing is ever written into the executable's folder.
StationFolderChoice chooseStationFolder(const QString &given, const QString &currentDir, const QString &executableDir,
                                        const QProcessEnvironment &env);

} // namespace orvanta
