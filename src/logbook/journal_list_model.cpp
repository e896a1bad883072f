#include "logbook/journal_list_model.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include <array>

namespace orvanta {

namespace {

struct Column {
    // A stored column, shown as it is and sorted by itself.
    constexpr Column(const char *name, const char *caption) : shown(name), sortedBy(name), header(caption) {}
    constexpr Column(const char *shownAs, const char *sortedByColumn, const char *caption)
        : shown(shownAs), sortedBy(sortedByColumn), header(caption)
    {
    }
    const char *shown; // SQLite's own printf and strftime: the same texts under any locale
    const char *sortedBy;
    const char *header;
};

const std::array kColumns{
    Column{"id", QT_TRANSLATE_NOOP("Journal", "n°")},
    Column{"strftime('%Y-%m-%d %H:%M:%S', time_on, 'unixepoch')", "time_on",
           QT_TRANSLATE_NOOP("Journal", "Date et heure TU")},
    Column{"call", QT_TRANSLATE_NOOP("Journal", "Indicatif")},
    Column{"sat_name", QT_TRANSLATE_NOOP("Journal", "Satellite")},
    Column{"sat_mode", QT_TRANSLATE_NOOP("Journal", "Mode sat.")},
    Column{"CASE WHEN freq_up > 0 THEN printf('%.4f', freq_up / 1e6) ELSE '' END", "freq_up",
           QT_TRANSLATE_NOOP("Journal", "Montée (MHz)")},
    Column{"CASE WHEN freq_down > 0 THEN printf('%.4f', freq_down / 1e6) ELSE '' END", "freq_down",
           QT_TRANSLATE_NOOP("Journal", "Descente (MHz)")},
    Column{"CASE WHEN submode <> '' THEN submode ELSE mode END", "mode", QT_TRANSLATE_NOOP("Journal", "Mode")},
    Column{"rst_sent", QT_TRANSLATE_NOOP("Journal", "RST env.")},
    Column{"rst_rcvd", QT_TRANSLATE_NOOP("Journal", "RST reçu")},
    Column{"grid", QT_TRANSLATE_NOOP("Journal", "Locator")},
    Column{"name", QT_TRANSLATE_NOOP("Journal", "Nom")},
    Column{"comment", QT_TRANSLATE_NOOP("Journal", "Commentaire")},
};

} // namespace

void JournalListModel::setDatabase(const QSqlDatabase &database)
{
    database_ = database;
    reload();
}

void JournalListModel::reload()
{
    if (!database_.isValid() || !database_.isOpen()) {
        clear();
        return;
    }
    QString columns;
    for (const Column &column : kColumns)
        columns += (columns.isEmpty() ? QString() : QStringLiteral(", ")) + QString::fromLatin1(column.shown);
    const QString direction = order_ == Qt::AscendingOrder ? QStringLiteral("ASC") : QStringLiteral("DESC");
    QSqlQuery query(database_);
    query.exec(QStringLiteral("SELECT %1 FROM contacts ORDER BY %2 %3, id %3")
                   .arg(columns, QString::fromLatin1(kColumns[std::size_t(sortColumn_)].sortedBy), direction));
    setQuery(std::move(query));
    for (std::size_t k = 0; k < kColumns.size(); ++k)
        setHeaderData(int(k), Qt::Horizontal, QCoreApplication::translate("Journal", kColumns[k].header));
}

void JournalListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= int(kColumns.size()))
        return;
    sortColumn_ = column;
    order_ = order;
    reload();
}

qint64 JournalListModel::idAt(int row) const
{
    return data(index(row, 0)).toLongLong();
}

} // namespace orvanta
