#pragma once

namespace orvanta::bench {

// The benchmarks' one application object, offscreen unless QT_QPA_PLATFORM
// says otherwise: painting text needs a GUI application and the station's
// windows need widgets. Made at the first call and left for the end of the
// process to reclaim, since later benchmarks may still paint.
void ensureApplication();

} // namespace orvanta::bench
