#pragma once

#include "data/transponder_table.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace orvanta {

// The transmitters list of SatNOGS DB (its JSON API: an array of objects with
// uuid, description, alive, type, uplink_low, uplink_high, downlink_low,
// downlink_high, mode, uplink_mode, invert, baud, norad_cat_id, status) made
// into transponder entries. A document that is not such a list is refused
// whole (error says why); a transmitter that cannot be used (no downlink, an
// edge above the other, marked invalid) is left out and said in skipped.
struct SatnogsTransmitters {
    QString error;
    std::vector<Transponder> entries;
    QStringList skipped;
};

SatnogsTransmitters readSatnogsTransmitters(const QByteArray &json);

// The import file at path replaced by the list in json, atomically and only
// when the list is sound; the old file stays as it was otherwise.
struct SatnogsReplacement {
    enum class Outcome { Replaced, NotTheList, WriteFailed };
    Outcome outcome = Outcome::NotTheList;
    QString problem; // why nothing was replaced
    int entries = 0;
    int satellites = 0;
    QStringList skipped;
};

SatnogsReplacement replaceSatnogsFile(const QString &path, const QByteArray &json);

// Imports the file the operator picked into Transpondeurs_SatNOGS.cfg, which
// is replaced atomically and only by a sound list; the text tells the
// operator what was done, or why nothing was replaced. The satellites list
// of the DB goes to Statuts_SatNOGS.cfg the same way.
struct SatnogsImport {
    bool done = false;
    bool statuses = false; // the file was the satellites list
    QString message;
};

SatnogsImport importSatnogsFile(const QString &folder, const QString &path);

} // namespace orvanta
