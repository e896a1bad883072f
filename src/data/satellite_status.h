#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace orvanta {

// What the SatNOGS DB says of a satellite. One it does not know, or names
// with a word we do not know, is taken as alive: a satellite is hidden from
// the automatic follow only on the DB's clear word.
enum class SatelliteStatus { Alive, Dead, ReEntered };

// The satellites list's statuses, kept in the station folder; rewritten by
// every import of the list, never edited by hand.
inline const QString satnogsStatusFileName = QStringLiteral("Statuts_SatNOGS.cfg");

// The Sources.cfg name whose address gives the SatNOGS DB satellites list:
// the element update downloads it and writes its statuses into
// Statuts_SatNOGS.cfg.
inline const QString statusSourceName = QStringLiteral("Satellites.json");

// The statuses by catalogue number; only the satellites that are not alive
// are held.
class SatelliteStatuses {
public:
    SatelliteStatus of(long catalogNumber) const { return notAlive_.value(catalogNumber, SatelliteStatus::Alive); }
    void set(long catalogNumber, SatelliteStatus status);
    int count(SatelliteStatus status) const;
    const QHash<long, SatelliteStatus> &notAlive() const { return notAlive_; }

private:
    QHash<long, SatelliteStatus> notAlive_;
};

// The operator's word for a status ("hors service", ...), empty for alive.
QString satelliteStatusText(SatelliteStatus status);

// Statuts_SatNOGS.cfg of the folder; a missing or damaged file, or a line
// that cannot be read, leaves the satellites it would name alive.
SatelliteStatuses loadSatelliteStatuses(const QString &folder);

// The statuses written over path atomically; error says why on failure,
// the old file then left whole.
bool writeSatelliteStatuses(const QString &path, const SatelliteStatuses &statuses, QString *error);

} // namespace orvanta
