#include "tracking/satellite_filter.h"

#include <QCoreApplication>
#include <QListWidget>

namespace orvanta {

bool matchesSatelliteFilter(const QString &name, long catalogNumber, const QString &filter)
{
    const QString wanted = filter.trimmed();
    if (wanted.isEmpty() || name.contains(wanted, Qt::CaseInsensitive))
        return true;
    return catalogNumber > 0 && QString::number(catalogNumber).startsWith(wanted);
}

QString catalogNumberTip(long catalogNumber)
{
    return catalogNumber > 0 ? QCoreApplication::translate("Tracking", "n° %1").arg(catalogNumber) : QString();
}

void ListRowFilter::apply(const std::function<bool(int row)> &keep)
{
    const int rows = list_.count();
    const auto at = [](int row) { return std::size_t(row); };
    hidden_.resize(at(rows), false);
    std::vector<bool> hide(at(rows), false);
    bool changes = false, showsAny = false;
    for (int row = 0; row < rows; ++row) {
        hide[at(row)] = !keep(row);
        if (hide[at(row)] != hidden_[at(row)]) {
            changes = true;
            showsAny = showsAny || !hide[at(row)];
        }
    }
    if (!changes)
        return;
    const int current = list_.currentRow();
    if (showsAny) {
        // The view's reset forgets every hidden row at once (and the current
        // row, given back below); the rows still refused are hidden again.
        list_.reset();
        hidden_.assign(at(rows), false);
    }
    // Hiding a shown row costs little: only rows that change are touched.
    for (int row = 0; row < rows; ++row) {
        if (hide[at(row)] && !hidden_[at(row)])
            list_.setRowHidden(row, true);
    }
    hidden_ = std::move(hide);
    if (showsAny && current >= 0 && !hidden_[at(current)])
        list_.setCurrentRow(current);
}

} // namespace orvanta
