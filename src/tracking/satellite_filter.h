#pragma once

#include <QString>

#include <algorithm>
#include <functional>
#include <vector>

class QListWidget;

namespace orvanta {

// The filter of the "A Selectionner" list, as typed: a satellite matches when
// its name contains the text (in any case) or its catalogue number starts
// with it. An empty or blank filter matches every satellite.
bool matchesSatelliteFilter(const QString &name, long catalogNumber, const QString &filter);

// "n° 25544", the tooltip of a satellite in the lists.
QString catalogNumberTip(long catalogNumber);

// Hides the rows of a list that a filter refuses and shows the others, in
// one batch: the list keeps its hidden rows in a sequence that every change
// of one row searches, so showing thousands of rows one by one would cost the
// square of their number. The rows keep their places, so a row is still the
// row of the full list.
class ListRowFilter {
public:
    explicit ListRowFilter(QListWidget &list) : list_(list) {}

    // After the list is filled anew: every row is shown.
    void refilled() { hidden_.assign(std::size_t(0), false); }
    void apply(const std::function<bool(int row)> &keep);
    bool hidesAny() const { return std::find(hidden_.begin(), hidden_.end(), true) != hidden_.end(); }

private:
    QListWidget &list_;
    std::vector<bool> hidden_;
};

} // namespace orvanta
