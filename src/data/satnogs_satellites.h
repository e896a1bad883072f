#pragma once

#include "data/element_download.h"
#include "data/satellite_status.h"

#include <QByteArray>
#include <QString>

namespace orvanta {

// The satellites list of SatNOGS DB (its JSON API: an array of objects with
// sat_id, norad_cat_id, name, status among them), as the statuses it gives.
// An object without a catalogue number (a satellite not yet launched) gives
// nothing; when the list names a number twice, alive wins.
struct SatnogsSatellites {
    QString error; // why the document is not the list, or empty
    SatelliteStatuses statuses;
    int satellites = 0; // the catalogue numbers it names
};

// Whether the document is a satellites list rather than a transmitters list.
bool isSatnogsSatelliteList(const QByteArray &json);

SatnogsSatellites readSatnogsSatellites(const QByteArray &json);

// The status file at path replaced by the list in json, atomically and only
// when the list is sound.
struct StatusReplacement {
    enum class Outcome { Replaced, NotTheList, WriteFailed };
    Outcome outcome = Outcome::NotTheList;
    QString problem;
    int satellites = 0;
    int dead = 0;
    int reEntered = 0;
};

StatusReplacement replaceSatnogsStatusFile(const QString &path, const QByteArray &json);

// The operator's account of a replacement: how many satellites, how many dead.
QString statusReplacementSummary(const StatusReplacement &replaced);

// A downloaded satellites list written over job.path, or the old file kept
// and why, as one result line of the update.
ElementFileResult installSatellitesDownload(const ElementDownloadJob &job, const QByteArray &body);

} // namespace orvanta
