#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace orvanta {

inline const QString elementSourcesFileName = QStringLiteral("Sources.cfg");

// Where one element file is downloaded from.
struct ElementSource {
    QString fileName; // as written, no folder
    QString address;
    bool operator==(const ElementSource &) const = default;
};

// Sources.cfg read line by line: "file name=address", blanks around both
// trimmed, blank lines and lines starting with '#' skipped. A line that
// cannot be used is left out and said in problems; the others still count.
struct ElementSourcesFile {
    bool found = false;
    QList<ElementSource> sources; // in the order of the file
    QStringList problems;         // one per line left out, or why the file could not be read
};

ElementSourcesFile readElementSources(const QString &folder);

// Replaces Sources.cfg with one "file name=address" line per source, atomically.
bool writeElementSources(const QString &folder, const QList<ElementSource> &sources, QString *error);

} // namespace orvanta
