#pragma once

#include "data/element_download.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace orvanta {

// What an update of the station's element files will download: every file
// named in Elements.cfg that has a source in Sources.cfg, and the SatNOGS DB
// transmitters list when Sources.cfg has a "Transpondeurs.json" line.
struct ElementUpdatePlan {
    QList<ElementDownloadJob> jobs; // in the order of Sources.cfg
    // Lines of Sources.cfg left out, sources for files Elements.cfg does not
    // name, or no source at all: each means a file that will not be updated.
    QStringList problems;
};

// A source names its file as Elements.cfg does, ignoring case; the file is
// written over the one of the folder whose name matches, ignoring case, or
// under the name of Elements.cfg when the folder has none yet.
ElementUpdatePlan planElementUpdate(const QString &folder);

// "Amateur.txt : <what happened>", as the window and the command line show it.
QString elementResultLine(const ElementFileResult &result);

// The names of the files a run replaced ("Transpondeurs.json" for the
// transponder import).
QStringList replacedFiles(const QList<ElementFileResult> &results);

// The one message listing the satellites of before that are not in after,
// or an empty text when none disappeared.
QString disappearedSatellitesMessage(const QStringList &before, const QStringList &after);

} // namespace orvanta
