// Element files as found on the web: any bytes must give sets or problems,
// and every set the reader accepts must be one the model can start from or
// refuse with an error code, never undefined behaviour; the batch engine
// must agree with the scalar one on each of them.
#include "orbit/batch_propagator.h"
#include "orbit/element_files.h"
#include "orbit/sgp4.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

namespace {

using namespace orvanta::orbit;

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

// Most mutations of a digit break the line's checksum and stop the reading
// there; when the first byte is odd the checksums are made right first, so the
// fields behind the checksum are explored too.
void repairChecksums(std::string &text)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && !isLineEnd(text[end]))
            ++end;
        if (end - start >= 69 && (text[start] == '1' || text[start] == '2') && text[start + 1] == ' ') {
            int sum = 0;
            for (std::size_t i = start; i < start + 68; ++i) {
                if (text[i] >= '0' && text[i] <= '9')
                    sum += text[i] - '0';
                else if (text[i] == '-')
                    sum += 1;
            }
            text[start + 68] = char('0' + sum % 10);
        }
        start = end + 1;
    }
}

// The batch engine must give each lane the scalar engine's error, and a
// state close to its state. Fuzzed orbits can be far less well conditioned
// than real ones, hence a wider margin than the tests' 1e-8 km.
void expectSameAsScalar(const Sgp4Propagator &scalar, double minutes, const TemeState &state, PropagationError error)
{
    TemeState expected;
    if (scalar.propagate(minutes, expected) != error)
        std::abort();
    if (error != PropagationError::None && error != PropagationError::Decayed)
        return;
    const double *got = &state.position_km.x, *want = &expected.position_km.x;
    for (int k = 0; k < 6; ++k) {
        if (!(std::fabs(got[k] - want[k]) <= (k < 3 ? 1e-6 : 1e-9) * std::max(1.0, std::fabs(want[k]))))
            std::abort();
    }
}

void propagateAccepted(const ElementCatalogue &catalogue)
{
    constexpr double kMinutes[] = {0.0, 90.0, -1440.0, 14.0 * 1440.0};
    std::vector<Sgp4Propagator> propagators(catalogue.sets.begin(), catalogue.sets.end());
    std::vector<const Sgp4Propagator *> all;
    for (const Sgp4Propagator &propagator : propagators) {
        all.push_back(&propagator);
        TemeState states[std::size(kMinutes)];
        PropagationError errors[std::size(kMinutes)];
        BatchPropagator::propagateTimes(propagator, kMinutes, states, errors);
        for (std::size_t i = 0; i < std::size(kMinutes); ++i)
            expectSameAsScalar(propagator, kMinutes[i], states[i], errors[i]);
    }
    const BatchPropagator batch(all);
    std::vector<TemeState> states(all.size());
    std::vector<PropagationError> errors(all.size());
    for (const double minutes : kMinutes) {
        const std::vector<double> instants(all.size(), minutes);
        batch.propagate(instants, states, errors);
        for (std::size_t i = 0; i < all.size(); ++i)
            expectSameAsScalar(propagators[i], minutes, states[i], errors[i]);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string text(reinterpret_cast<const char *>(data), size);
    if (size > 0 && (data[0] & 1) != 0)
        repairChecksums(text);

    ElementCatalogue catalogue;
    readElementText(text, "fuzz.txt", catalogue);
    for (const ElementFileProblem &problem : catalogue.problems) {
        if (problem.reason.empty() || problem.line < 0)
            std::abort(); // every refusal must say why (line 0 stands for the whole file)
    }
    propagateAccepted(catalogue);
    return 0;
}
