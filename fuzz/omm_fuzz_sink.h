#pragma once

#include "orbit/omm_readers.h"
#include "orbit/sgp4.h"

#include <cstdlib>

namespace orvanta::fuzz {

// Checks what an OMM reader hands over: every refusal says why and where
// it stands, and every set read is propagated without undefined behaviour.
class CheckingSink : public orbit::ElementSink {
public:
    void add(orbit::ElementSet set, orbit::RecordPlace place) override
    {
        if (place.line < 0 || place.record < 0 || set.catalogId < 1 || set.name.empty())
            std::abort();
        const orbit::Sgp4Propagator propagator(set);
        if (propagator.initError() != orbit::PropagationError::None)
            return;
        orbit::TemeState state;
        for (double minutes : {0.0, 90.0, -1440.0, 14.0 * 1440.0})
            propagator.propagate(minutes, state);
    }

    void problem(orbit::RecordPlace place, std::string reason) override
    {
        if (reason.empty() || place.line < 0 || place.record < 0)
            std::abort();
    }
};

} // namespace orvanta::fuzz
