#pragma once

#include "data/element_download.h"

#include <QByteArray>
#include <QString>

namespace orvanta {

// The Sources.cfg name whose address gives the SatNOGS DB transmitters list:
// the element update downloads it with the element files and writes it into
// the transponder import, Transpondeurs_SatNOGS.cfg.
inline const QString transponderSourceName = QStringLiteral("Transpondeurs.json");

// A downloaded transmitters list checked and written over job.path, or the
// old file kept and why, as one result line of the update.
ElementFileResult installTransmittersDownload(const ElementDownloadJob &job, const QByteArray &body);

} // namespace orvanta
