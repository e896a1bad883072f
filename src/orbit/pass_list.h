#pragma once

#include "orbit/pass_entry.h"
#include "orbit/satellites.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The main window's two pass lists, without the window: passes in progress
// (Sat_Visibles) and passes to come (Detail_Pass), filled from the
// component's pass-list texts and classified by full UTC instants, so a pass
// over midnight stays in progress and tomorrow's early passes are coming.
namespace orvanta::orbit {

// The entry of a predicted pass in the pass-list text.
PassEntry passEntryOf(const PredictedPass &pass);

// A pass on the board: the predicted values, and what the lists show of them.
struct BoardPass {
    PredictedPass pass;
    PassFields fields;
    std::string line; // the display line
};

// The display line of a pass, 43 characters before the name: two blanks,
// AOS, six blanks, LOS, five blanks, maximum elevation, six blanks,
// direction, five blanks, name.
std::string passDisplayLine(const PassFields &fields);

class PassBoard {
public:
    void clear();

    // Adds the passes the component predicted, as seen at nowSecond (whole
    // seconds since 1899-12-30 00:00 UTC): in progress when acquisition <
    // now < loss, to come when acquisition >= now.
    void add(const std::vector<PredictedPass> &passes, std::int64_t nowSecond);

    // Adds the passes of one pass-list text the same way; the values are
    // those the text carries (no catalogue number). Returns the number of
    // entries that could not be read, which are left out.
    int Traite_Passages(std::string_view passList, std::int64_t nowSecond);

    // Lines ordered by acquisition instant, then loss instant, then text.
    // Shown in this order: sorting them as text would put 00:10 before 23:50.
    std::vector<std::string> visibleLines() const;
    std::vector<std::string> comingLines() const;
    // The passes themselves, in the same order.
    const std::vector<BoardPass> &visible() const { return visible_; }
    const std::vector<BoardPass> &coming() const { return coming_; }
    // The pass a line of either list shows, as the last additions left them.
    std::optional<PredictedPass> passOnLine(std::string_view line) const;

private:
    void place(BoardPass pass, std::int64_t nowSecond);
    static void insertOrdered(std::vector<BoardPass> &lines, BoardPass line);
    static std::vector<std::string> texts(const std::vector<BoardPass> &lines);

    std::vector<BoardPass> visible_;
    std::vector<BoardPass> coming_;
};

} // namespace orvanta::orbit
