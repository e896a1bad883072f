#pragma once

#include <QString>

namespace orvanta {

// Checks of what the operator types before it reaches Frequences.cfg. Each
// returns the message to show, or an empty text when the entry is fit.

// A name must be given, stand on one line, and hold no comma, no double
// quote and only characters the 8-bit file can keep. Long names are fine.
QString satelliteNameProblem(const QString &name);

// A frequency must be a decimal number in MHz with "." as the decimal point,
// of at most 10 characters.
QString frequencyProblem(const QString &frequency);

} // namespace orvanta
