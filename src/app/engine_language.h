#pragma once

namespace orvanta {

// The orbit engine's reasons and errors, written without Qt, are translated
// by Qt's translators in force, as the windows' own texts are.
void translateEngineTexts();

} // namespace orvanta
