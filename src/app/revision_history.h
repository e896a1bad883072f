#pragma once

#include "app/version.h"

#include <QString>

namespace orvanta {

// The revisions, oldest first, each line ended by CR LF.
QString Historique();
// The about box: product name, revision and what the program does.
QString aboutText();

} // namespace orvanta
