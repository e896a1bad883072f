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

// Imports the file the operator picked into Transpondeurs_SatNOGS.cfg, which
// is replaced atomically and only by a sound list; the text tells the
// operator what was done, or why nothing was replaced.
struct SatnogsImport {
    bool done = false;
    QString message;
};

SatnogsImport importSatnogsFile(const QString &folder, const QString &path);

} // namespace orvanta
