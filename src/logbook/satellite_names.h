#pragma once

#include <QString>
#include <QStringList>

#include <map>

namespace orvanta {

inline const QString satelliteNamesFileName = QStringLiteral("SatNoms.cfg");

// The names LoTW accepts for the satellites (SAT_NAME), by catalogue number:
// the station file SatNoms.cfg, lines "catalogue;name" ("24278;FO-29"),
// '#' lines and blank lines skipped. A line that cannot be used is said in
// problems and left out.
class SatelliteNames {
public:
    // Reads the folder's file; a missing file is an empty table.
    explicit SatelliteNames(QString folder);

    QString nameOf(long catalogNumber) const; // empty when unknown
    const QStringList &problems() const { return problems_; }

    // Keeps the operator's answer for a satellite: a line added to the file,
    // written atomically (the rest of the file kept as it was). False and
    // *error when the name is not one or the file cannot be written.
    bool learn(long catalogNumber, const QString &name, QString *error = nullptr);

private:
    QString path() const;

    QString folder_;
    std::map<long, QString> names_;
    QStringList problems_;
};

} // namespace orvanta
