#pragma once

#include <QString>

class QWidget;

namespace orvanta {

// Asks the operator for the SatNOGS DB transmitters list to import; empty
// when the choice was cancelled.
QString chooseSatnogsFile(QWidget *parent);

} // namespace orvanta
