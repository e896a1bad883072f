#include "orbit/pass_list.h"

#include "orbit/pass_entry.h"

#include <algorithm>
#include <tuple>

namespace orvanta::orbit {

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
        const auto fields = Decode_Passage(passList.substr(start, comma - start));
        start = comma + 1;
        if (!fields) {
            ++unreadable;
            continue;
        }
        Line line{fields->aosSecond, fields->losSecond, passDisplayLine(*fields)};
        if (nowSecond > line.aosSecond && nowSecond < line.losSecond)
            insertOrdered(visible_, std::move(line));
        else if (line.aosSecond >= nowSecond)
            insertOrdered(coming_, std::move(line));
    }
    return unreadable;
}

void PassBoard::insertOrdered(std::vector<Line> &lines, Line line)
{
    const auto key = [](const Line &l) { return std::tie(l.aosSecond, l.losSecond, l.text); };
    const auto at = std::upper_bound(lines.begin(), lines.end(), line,
                                     [&](const Line &a, const Line &b) { return key(a) < key(b); });
    lines.insert(at, std::move(line));
}

std::vector<std::string> PassBoard::visibleLines() const
{
    return texts(visible_);
}

std::vector<std::string> PassBoard::comingLines() const
{
    return texts(coming_);
}

std::vector<std::string> PassBoard::texts(const std::vector<Line> &lines)
{
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (const Line &line : lines)
        out.push_back(line.text);
    return out;
}

} // namespace orvanta::orbit
