#include "orbit/pass_list.h"

#include "orbit/utc_time.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace orvanta::orbit {

PassEntry passEntryOf(const PredictedPass &pass)
{
    PassEntry entry;
    entry.aosSecond = wholeSecondsFromJulian(pass.aos);
    entry.durationSeconds = wholeSecondsFromJulian(pass.los) - entry.aosSecond;
    entry.direction = pass.headingNorth ? 'N' : 'S';
    entry.aosAzimuthDeg = int(std::lround(pass.aosAzimuthDeg)) % 360;
    entry.maxElevationDeg = pass.maxElevationDeg;
    entry.name = pass.name;
    return entry;
}

std::string passDisplayLine(const PassFields &fields)
{
    return "  " + fields.Pass_AOS + "      " + fields.Pass_LOS + "     " + fields.Pass_ElMax + "      " +
           fields.Pass_Dir + "     " + fields.Pass_Nom;
}

void PassBoard::clear()
{
    visible_.clear();
    coming_.clear();
}

void PassBoard::add(const std::vector<PredictedPass> &passes, std::int64_t nowSecond)
{
    for (const PredictedPass &pass : passes) {
        PassFields fields = passFieldsOf(passEntryOf(pass));
        std::string line = passDisplayLine(fields);
        place({pass, std::move(fields), std::move(line)}, nowSecond);
    }
}

int PassBoard::Traite_Passages(std::string_view passList, std::int64_t nowSecond)
{
    if (passList.empty())
        return 0;
    int unreadable = 0;
    std::size_t start = 0;
    while (start <= passList.size()) {
        std::size_t comma = passList.find(',', start);
        if (comma == std::string_view::npos)
            comma = passList.size();
        const std::string_view entry = passList.substr(start, comma - start);
        auto fields = Decode_Passage(entry);
        start = comma + 1;
        if (!fields) {
            ++unreadable;
            continue;
        }
        PredictedPass pass;
        pass.name = fields->Pass_Nom;
        pass.aos = julianFromOle(double(fields->aosSecond) / kSecondsPerDay);
        pass.los = julianFromOle(double(fields->losSecond) / kSecondsPerDay);
        pass.headingNorth = fields->Pass_Dir == "N";
        std::string line = passDisplayLine(*fields);
        place({std::move(pass), std::move(*fields), std::move(line)}, nowSecond);
    }
    return unreadable;
}

void PassBoard::place(BoardPass pass, std::int64_t nowSecond)
{
    if (nowSecond > pass.fields.aosSecond && nowSecond < pass.fields.losSecond)
        insertOrdered(visible_, std::move(pass));
    else if (pass.fields.aosSecond >= nowSecond)
        insertOrdered(coming_, std::move(pass));
}

void PassBoard::insertOrdered(std::vector<BoardPass> &lines, BoardPass line)
{
    const auto key = [](const BoardPass &l) { return std::tie(l.fields.aosSecond, l.fields.losSecond, l.line); };
    const auto at = std::upper_bound(lines.begin(), lines.end(), line,
                                     [&](const BoardPass &a, const BoardPass &b) { return key(a) < key(b); });
    lines.insert(at, std::move(line));
}

std::optional<PredictedPass> PassBoard::passOnLine(std::string_view line) const
{
    for (const std::vector<BoardPass> *list : {&visible_, &coming_}) {
        for (const BoardPass &shown : *list) {
            if (shown.line == line)
                return shown.pass;
        }
    }
    return std::nullopt;
}

std::vector<std::string> PassBoard::visibleLines() const
{
    return texts(visible_);
}

std::vector<std::string> PassBoard::comingLines() const
{
    return texts(coming_);
}

std::vector<std::string> PassBoard::texts(const std::vector<BoardPass> &lines)
{
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (const BoardPass &line : lines)
        out.push_back(line.line);
    return out;
}

} // namespace orvanta::orbit
