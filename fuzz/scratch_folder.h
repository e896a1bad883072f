#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace orvanta::fuzz {

// A folder private to this fuzzing process, in memory (/dev/shm) when the
// machine has it so that millions of small writes stay off the disk. It is
// removed when the process ends normally.
const std::string &scratchFolder();

// Replaces name in the scratch folder with exactly these bytes; the path.
std::string writeScratchFile(const std::string &name, const std::uint8_t *data, std::size_t size);

// Removes every file of the scratch folder, so one input never sees what an
// earlier one left (a settings file set aside, a temporary file).
void clearScratchFolder();

} // namespace orvanta::fuzz
