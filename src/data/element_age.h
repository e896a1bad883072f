#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace orvanta {

// Element files older than this are reported at start-up.
constexpr int kElementFileMaxAgeDays = 30;

// The element files of the folder ("*.txt", "*.csv", "*.json", "*.xml") named in the list, compared
// without regard to case, whose last change is more than 30 days before now.
// Names as the folder gives them, in the list's order.
QStringList staleElementFiles(const QString &folder, const QStringList &listed, const QDateTime &now);

QString staleElementFileMessage(const QString &fileName);

} // namespace orvanta
