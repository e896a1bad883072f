#pragma once

#include <QSqlDatabase>
#include <QSqlQueryModel>

namespace orvanta {

// The contacts as the Journal's list shows them, read from the log a page at
// a time (so a log of any size opens at once), newest first until a column
// header is clicked. Column 0 is the contact's id, hidden.
class JournalListModel final : public QSqlQueryModel {
public:
    explicit JournalListModel(QObject *parent = nullptr) : QSqlQueryModel(parent) {}

    void setDatabase(const QSqlDatabase &database);
    bool hasDatabase() const { return database_.isValid(); }
    // Reads the log again (after a contact was logged, changed or deleted).
    void reload();
    void sort(int column, Qt::SortOrder order) override;
    qint64 idAt(int row) const;

private:
    QSqlDatabase database_;
    int sortColumn_ = 1;
    Qt::SortOrder order_ = Qt::DescendingOrder;
};

} // namespace orvanta
