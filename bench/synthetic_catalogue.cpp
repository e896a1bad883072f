#include "synthetic_catalogue.h"

#include "orbit/element_files.h"
#include "orbit/text_format.h"
#include "orbit/utc_time.h"

#include <charconv>
#include <cmath>
#include <cstdio>
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
    std::ifstream in(std::string(ORVANTA_SOURCE_DIR) + "/tests/orbit/data/amateur-2026-06.txt");
    std::vector<RealSet> sets;
    RealSet set;
    while (std::getline(in, set.name) && std::getline(in, set.line1) && std::getline(in, set.line2))
        sets.push_back(set);
    if (sets.empty())
        throw std::runtime_error("tests/orbit/data/amateur-2026-06.txt cannot be read");
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

std::string temporaryPath(int count, const std::string &extension)
{
    return (std::filesystem::temp_directory_path() /
            ("orvanta-bench-" + std::to_string(getpid()) + "-" + std::to_string(count) + extension))
        .string();
}

} // namespace

std::string syntheticName(int index)
{
    return "SYNTH " + std::to_string(index);
}

std::string syntheticCatalogue(int count)
{
    const std::filesystem::path path = temporaryPath(count, ".txt");
    if (std::filesystem::exists(path))
        return path.string();
    const std::vector<RealSet> sets = demoSets();
    std::ofstream out(path);
    written.paths.push_back(path);
    const double golden = 0.6180339887498949;
    for (int i = 0; i < count; ++i) {
        const RealSet &base = sets[std::size_t(i) % sets.size()];
        std::string line1 = base.line1.substr(0, 69);
        std::string line2 = base.line2.substr(0, 69);
        // Each copy is an object of its own: a catalogue number of its own.
        std::string number = std::to_string(10000 + i);
        line1.replace(2, 5, number);
        line2.replace(2, 5, number);
        line1[68] = char('0' + checksum(line1));
        writeAngle(line2, 18, readAngle(line2, 18) + 360.0 * std::fmod(i * golden, 1.0));
        writeAngle(line2, 44, readAngle(line2, 44) + 137.0 * i);
        line2[68] = char('0' + checksum(line2));
        out << syntheticName(i) << '\n' << line1 << '\n' << line2 << '\n';
    }
    return path.string();
}

namespace {

// "2026-06-26T22:49:23.257632": the epoch to the microsecond, as CelesTrak writes it.
std::string isoEpoch(const orbit::JulianDate &epoch)
{
    const double midnight = std::floor(epoch.day - 0.5) + 0.5;
    const double fraction = (epoch.day - midnight) + epoch.fraction;
    long long micro = std::llround(fraction * 86400e6);
    const orbit::CalendarInstant day =
        orbit::calendarFromWholeSeconds(orbit::wholeSecondsFromJulian({midnight, 0}) + micro / 1000000);
    micro %= 1000000;
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%06lld", day.year, day.month, day.day, day.hour,
                  day.minute, int(day.second), micro);
    return text;
}

// The fields of a set in the order of CelesTrak's CSV header; texts quoted
// when asked.
std::vector<std::pair<const char *, std::string>> ommFields(const orbit::ElementSet &set, bool quoteTexts)
{
    const auto text = [quoteTexts](const std::string &value) { return quoteTexts ? '"' + value + '"' : value; };
    return {{"OBJECT_NAME", text(set.name)},
            {"OBJECT_ID", text("2026-001A")},
            {"EPOCH", text(isoEpoch(set.epoch))},
            {"MEAN_MOTION", orbit::shortestText(set.meanMotionRevPerDay)},
            {"ECCENTRICITY", orbit::shortestText(set.eccentricity)},
            {"INCLINATION", orbit::shortestText(set.inclinationDeg)},
            {"RA_OF_ASC_NODE", orbit::shortestText(set.raanDeg)},
            {"ARG_OF_PERICENTER", orbit::shortestText(set.argPerigeeDeg)},
            {"MEAN_ANOMALY", orbit::shortestText(set.meanAnomalyDeg)},
            {"EPHEMERIS_TYPE", "0"},
            {"CLASSIFICATION_TYPE", text("U")},
            {"NORAD_CAT_ID", std::to_string(set.catalogId)},
            {"ELEMENT_SET_NO", "999"},
            {"REV_AT_EPOCH", std::to_string(set.revolutionNumber)},
            {"BSTAR", orbit::shortestText(set.bstar)},
            {"MEAN_MOTION_DOT", orbit::shortestText(set.meanMotionDot)},
            {"MEAN_MOTION_DDOT", orbit::shortestText(set.meanMotionDdot)}};
}

} // namespace

std::string syntheticOmmCatalogue(int count, const std::string &format)
{
    const std::filesystem::path path = temporaryPath(count, "." + format);
    if (std::filesystem::exists(path))
        return path.string();
    const orbit::ElementCatalogue catalogue = orbit::readElementFiles(syntheticCatalogue(count));
    std::ofstream out(path);
    written.paths.push_back(path);
    if (format == "csv") {
        bool header = true;
        for (const orbit::ElementSet &set : catalogue.sets) {
            const auto fields = ommFields(set, false);
            for (std::size_t i = 0; header && i < fields.size(); ++i)
                out << fields[i].first << (i + 1 < fields.size() ? ',' : '\n');
            header = false;
            for (std::size_t i = 0; i < fields.size(); ++i)
                out << fields[i].second << (i + 1 < fields.size() ? ',' : '\n');
        }
    } else if (format == "json") {
        out << "[";
        for (std::size_t k = 0; k < catalogue.sets.size(); ++k) {
            const auto fields = ommFields(catalogue.sets[k], true);
            out << (k ? ",{" : "{");
            for (std::size_t i = 0; i < fields.size(); ++i)
                out << '"' << fields[i].first << "\":" << fields[i].second << (i + 1 < fields.size() ? "," : "}");
        }
        out << "]\n";
    } else {
        out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ndm>\n";
        for (const orbit::ElementSet &set : catalogue.sets) {
            out << "<omm id=\"CCSDS_OMM_VERS\" version=\"2.0\"><body><segment><metadata>";
            const auto fields = ommFields(set, false);
            for (std::size_t i = 0; i < fields.size(); ++i) {
                if (i == 2)
                    out << "</metadata><data><meanElements>";
                if (i == 9)
                    out << "</meanElements><tleParameters>";
                out << '<' << fields[i].first << '>' << fields[i].second << "</" << fields[i].first << '>';
            }
            out << "</tleParameters></data></segment></body></omm>\n";
        }
        out << "</ndm>\n";
    }
    return path.string();
}

} // namespace orvanta::bench
