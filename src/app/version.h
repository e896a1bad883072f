#pragma once

#include <QString>

namespace orvanta {

// The program's version, "1.3.4".
QString orvantaVersion();

// The revision text shown in the window caption and the about box, "Rev 1.3.4".
QString Version();

} // namespace orvanta
