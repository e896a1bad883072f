#include "data/station_file.h"

#include "platform/atomic_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace orvanta {

QString stationFilePath(const QString &folder, const QString &name)
{
    return QDir(folder).filePath(name);
}

StationFile readStationFile(const QString &path)
{
    StationFile result;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return result;
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        result.state = StationFile::State::Unreadable;
        result.error =
            info.isDir() ? QCoreApplication::translate("StationFile", "c'est un dossier") : file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.state = StationFile::State::Unreadable;
        result.error = file.errorString();
        return result;
    }
    result.state = StationFile::State::Read;
    result.text = QString::fromLatin1(bytes);
    return result;
}

bool writeStationFile(const QString &path, const QStringList &lines, QString *error)
{
    QByteArray content;
    for (const QString &line : lines) {
        content += line.toLatin1();
        content += "\r\n";
    }
    return writeFileAtomically(path, content, error);
}

} // namespace orvanta
