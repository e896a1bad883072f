#pragma once

#include "orbit/horizon_mask.h"

#include <QString>
#include <QStringList>

namespace orvanta {

inline const QString horizonFileName = QStringLiteral("Horizon.cfg");

// Horizon.cfg: one point a line, the azimuth and the minimum elevation in
// degrees separated by blanks, a tab or a semicolon; '#' starts a comment.
// A line that cannot be used is left out and said in problems with its
// number and why; the other points still count. The file belongs to the
// operator: nothing here ever writes it back.
struct HorizonFile {
    bool found = false;
    orbit::HorizonMask mask;
    QStringList problems;
};

HorizonFile parseHorizon(const QString &text);
// The station folder's Horizon.cfg; none is the flat horizon.
HorizonFile readHorizon(const QString &folder);

} // namespace orvanta
