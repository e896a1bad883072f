#pragma once

#include <QString>

namespace orvanta {

// "Rev 1.3.4": the revision the window caption and the about box show.
QString Version();
// The revisions, oldest first, each line ended by CR LF.
QString Historique();
// The about box: product name, revision and what the program does.
QString aboutText();

} // namespace orvanta
