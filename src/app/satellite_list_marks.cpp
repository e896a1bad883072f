#include "app/satellite_list_marks.h"

#include "tracking/satellite_filter.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QTimer>

#include <limits>

namespace orvanta {

namespace {

// The status an item was last marked with, beside its number in Qt::UserRole.
constexpr int kStatusRole = Qt::UserRole + 1;

} // namespace

SatelliteListMarks::SatelliteListMarks(std::vector<QListWidget *> lists, QObject *parent)
    : QObject(parent), lists_(std::move(lists)), next_(new QTimer(this))
{
    next_->setSingleShot(true);
    next_->setInterval(0);
    connect(next_, &QTimer::timeout, this, [this] { markSlice(kRowsPerTurn); });
}

void SatelliteListMarks::mark(NumberOf numberOf, StatusOf statusOf, QColor greyed, bool now,
                              std::function<void()> whenNumbersChanged)
{
    numberOf_ = std::move(numberOf);
    statusOf_ = std::move(statusOf);
    greyed_ = greyed;
    whenNumbersChanged_ = std::move(whenNumbersChanged);
    list_ = 0;
    row_ = 0;
    numbersChanged_ = false;
    next_->stop();
    markSlice(now ? std::numeric_limits<int>::max() : kRowsPerTurn);
}

bool SatelliteListMarks::busy() const
{
    return list_ < lists_.size();
}

void SatelliteListMarks::markSlice(int rows)
{
    for (; list_ < lists_.size() && rows > 0; ++list_, row_ = 0) {
        QListWidget &shown = *lists_[list_];
        for (; row_ < shown.count() && rows > 0; ++row_, --rows) {
            QListWidgetItem *item = shown.item(row_);
            const long number = numberOf_(item->text());
            const SatelliteStatus status = statusOf_(number);
            const QVariant markedNumber = item->data(Qt::UserRole);
            const QVariant markedStatus = item->data(kStatusRole);
            if (markedNumber.isValid() && markedNumber.toLongLong() == number && markedStatus.isValid()
                && markedStatus.toInt() == int(status))
                continue;
            numbersChanged_ = numbersChanged_ || !markedNumber.isValid() || markedNumber.toLongLong() != number;
            const bool alive = status == SatelliteStatus::Alive;
            item->setData(Qt::UserRole, qlonglong(number));
            item->setData(kStatusRole, int(status));
            item->setToolTip(alive ? catalogNumberTip(number)
                                   : QCoreApplication::translate("orvanta::MainWindow", "%1, %2 selon SatNOGS DB")
                                         .arg(catalogNumberTip(number), satelliteStatusText(status)));
            item->setForeground(alive ? QBrush() : QBrush(greyed_));
        }
        if (row_ < shown.count())
            break;
    }
    if (busy()) {
        next_->start();
        return;
    }
    if (numbersChanged_ && whenNumbersChanged_)
        whenNumbersChanged_();
}

} // namespace orvanta
