#include "data/element_age.h"

#include "data/element_file_list.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orvanta {

QStringList staleElementFiles(const QString &folder, const QStringList &listed, const QDateTime &now)
{
    const QFileInfoList files = QDir(folder).entryInfoList(elementFileFilters(), QDir::Files, QDir::Name);
    QStringList stale;
    for (const QString &name : listed) {
        for (const QFileInfo &file : files) {
            if (file.fileName().compare(name, Qt::CaseInsensitive) != 0)
                continue;
            if (file.lastModified().msecsTo(now) > qint64(kElementFileMaxAgeDays) * 86'400'000)
                stale << file.fileName();
        }
    }
    return stale;
}

QString staleElementFileMessage(const QString &fileName)
{
    return QCoreApplication::translate("ElementAge",
                                       "Le fichier %1 est vieux de plus de 30 jours, il doit etre mis a jour")
        .arg(fileName);
}

} // namespace orvanta
