#include "scratch_folder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace orvanta::fuzz {

namespace {

struct ScratchFolder {
    std::string path;
    ScratchFolder()
    {
        std::error_code ignored;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ignored)
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "orvanta-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::perror("orvanta fuzz: mkdtemp");
            std::abort();
        }
        path = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

} // namespace

const std::string &scratchFolder()
{
    static const ScratchFolder folder;
    return folder.path;
}

std::string writeScratchFile(const std::string &name, const std::uint8_t *data, std::size_t size)
{
    const std::string path = scratchFolder() + '/' + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    if (!out) {
        std::perror("orvanta fuzz: write");
        std::abort();
    }
    return path;
}

void clearScratchFolder()
{
    std::error_code ignored;
    for (const auto &entry : std::filesystem::directory_iterator(scratchFolder(), ignored))
        std::filesystem::remove_all(entry.path(), ignored);
}

} // namespace orvanta::fuzz
