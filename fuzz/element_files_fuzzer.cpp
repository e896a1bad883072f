// Element files as found on the web: any bytes must give sets or problems,
// and every set the reader accepts must be one the model can start from or
// refuse with an error code, never undefined behaviour.
#include "orbit/element_files.h"
#include "orbit/sgp4.h"

#include <cstdint>
#include <cstdlib>
#include <string>

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

void propagateAccepted(const ElementCatalogue &catalogue)
{
    for (const ElementSet &set : catalogue.sets) {
        const Sgp4Propagator propagator(set);
        if (propagator.initError() != PropagationError::None)
            continue;
        TemeState state;
        for (double minutes : {0.0, 90.0, -1440.0, 14.0 * 1440.0})
            propagator.propagate(minutes, state);
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
