#pragma once

#include "data/satellite_status.h"

#include <QColor>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QListWidget;
class QTimer;

namespace orvanta {

// What the satellite lists show of each satellite besides its name: its
// catalogue number (kept in the item for the filter) as the tooltip, with the
// SatNOGS DB's status, and the greying of the satellites not in service.
// Only the items whose number or status changed are written. A whole
// catalogue's lists are gone through a slice of rows per turn of the event
// loop, so that the tick never waits for the thousands of items new elements
// leave as they were.
class SatelliteListMarks final : public QObject {
public:
    using NumberOf = std::function<long(const QString &name)>;
    using StatusOf = std::function<SatelliteStatus(long catalogNumber)>;

    static constexpr int kRowsPerTurn = 1000;

    SatelliteListMarks(std::vector<QListWidget *> lists, QObject *parent);

    // Starts again from the first row with these lookups; the first slice is
    // marked at once (all of it when now). whenNumbersChanged is called once
    // the lists are gone through when an item's catalogue number changed.
    void mark(NumberOf numberOf, StatusOf statusOf, QColor greyed, bool now,
              std::function<void()> whenNumbersChanged);
    bool busy() const;

private:
    void markSlice(int rows);

    std::vector<QListWidget *> lists_;
    QTimer *next_;
    NumberOf numberOf_;
    StatusOf statusOf_;
    QColor greyed_;
    std::function<void()> whenNumbersChanged_;
    std::size_t list_ = 0;
    int row_ = 0;
    bool numbersChanged_ = false;
};

} // namespace orvanta
