// OMM CSV as found on the web: any bytes must give records or problems, and
// every record read must be one the model starts from or refuses with an
// error code, never undefined behaviour.
#include "omm_fuzz_sink.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    orvanta::fuzz::CheckingSink sink;
    orvanta::orbit::readOmmCsv(std::string_view(reinterpret_cast<const char *>(data), size), sink);
    return 0;
}
