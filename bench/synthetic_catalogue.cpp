#include "synthetic_catalogue.h"

#include "orbit/text_format.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>
#include <vector>

namespace orvanta::bench {

namespace {

struct RealSet {
    std::string name, line1, line2;
};

std::vector<RealSet> demoSets()
{
    std::ifstream in(std::string(ORVANTA_SOURCE_DIR) + "/demo/Amateur.txt");
    std::vector<RealSet> sets;
    RealSet set;
    while (std::getline(in, set.name) && std::getline(in, set.line1) && std::getline(in, set.line2))
        sets.push_back(set);
    if (sets.empty())
        throw std::runtime_error("demo/Amateur.txt cannot be read");
    return sets;
}

int checksum(const std::string &line)
{
    int sum = 0;
    for (std::size_t i = 0; i < 68; ++i) {
        if (line[i] >= '0' && line[i] <= '9')
            sum += line[i] - '0';
        else if (line[i] == '-')
            sum += 1;
    }
    return sum % 10;
}

// An angle in the 8-column field of line 2 (four decimals).
void writeAngle(std::string &line, std::size_t column, double degrees)
{
    std::string text = orbit::fixedText(std::fmod(degrees, 360.0), 4);
    text.insert(0, 8 - text.size(), ' ');
    line.replace(column - 1, 8, text);
}

// The angle in the 8-column field of line 2 starting at column.
double readAngle(const std::string &line, std::size_t column)
{
    const std::string field = line.substr(column - 1, 8);
    const std::size_t start = field.find_first_not_of(' ');
    double degrees = 0;
    std::from_chars(field.data() + start, field.data() + field.size(), degrees);
    return degrees;
}

// The catalogues written by this run, removed when it ends.
struct WrittenFiles {
    std::vector<std::filesystem::path> paths;
    ~WrittenFiles()
    {
        for (const auto &path : paths) {
            std::error_code ignored;
            std::filesystem::remove(path, ignored);
        }
    }
};
WrittenFiles written;

} // namespace

std::string syntheticName(int index)
{
    return "SYNTH " + std::to_string(index);
}

std::string syntheticCatalogue(int count)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("orvanta-bench-" + std::to_string(getpid()) + "-" + std::to_string(count) + ".txt");
    if (std::filesystem::exists(path))
        return path.string();
    const std::vector<RealSet> sets = demoSets();
    std::ofstream out(path);
    written.paths.push_back(path);
    const double golden = 0.6180339887498949;
    for (int i = 0; i < count; ++i) {
        const RealSet &base = sets[std::size_t(i) % sets.size()];
        std::string line2 = base.line2.substr(0, 69);
        writeAngle(line2, 18, readAngle(line2, 18) + 360.0 * std::fmod(i * golden, 1.0));
        writeAngle(line2, 44, readAngle(line2, 44) + 137.0 * i);
        line2[68] = char('0' + checksum(line2));
        out << syntheticName(i) << '\n' << base.line1.substr(0, 69) << '\n' << line2 << '\n';
    }
    return path.string();
}

} // namespace orvanta::bench
