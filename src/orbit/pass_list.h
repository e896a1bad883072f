#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The main window's two pass lists, without the window: passes in progress
// (Sat_Visibles) and passes to come (Detail_Pass), filled from the
// component's pass-list texts and classified by full UTC instants, so a pass
// over midnight stays in progress and tomorrow's early passes are coming.
namespace orvanta::orbit {

struct PassFields;

// The display line of a pass, 43 characters before the name: two blanks,
// AOS, six blanks, LOS, five blanks, maximum elevation, six blanks,
// direction, five blanks, name.
std::string passDisplayLine(const PassFields &fields);

class PassBoard {
public:
    void clear();

    // Adds the passes of one pass-list text as seen at nowSecond (whole
    // seconds since 1899-12-30 00:00 UTC): in progress when acquisition <
    // now < loss, to come when acquisition >= now. Returns the number of
    // entries that could not be read, which are left out.
    int Traite_Passages(std::string_view passList, std::int64_t nowSecond);

    // Lines ordered by acquisition instant, then loss instant, then text.
    // Shown in this order: sorting them as text would put 00:10 before 23:50.
    std::vector<std::string> visibleLines() const;
    std::vector<std::string> comingLines() const;

private:
    struct Line {
        std::int64_t aosSecond;
        std::int64_t losSecond;
        std::string text;
    };
    static void insertOrdered(std::vector<Line> &lines, Line line);
    static std::vector<std::string> texts(const std::vector<Line> &lines);

    std::vector<Line> visible_;
    std::vector<Line> coming_;
};

} // namespace orvanta::orbit
