#include "station_folder.h"

#include <QFile>

namespace orvanta::test {

void StationFolder::write(const QString &name, const QByteArray &bytes) const
{
    QFile out(file(name));
    if (out.open(QIODevice::WriteOnly))
        out.write(bytes);
}

void StationFolder::writeLines(const QString &name, const QStringList &lines) const
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    write(name, bytes);
}

QByteArray StationFolder::read(const QString &name) const
{
    QFile in(file(name));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

QStringList StationFolder::lines(const QString &name) const
{
    QString text = QString::fromLatin1(read(name));
    if (text.endsWith(QStringLiteral("\r\n")))
        text.chop(2);
    return text.isEmpty() ? QStringList() : text.split(QStringLiteral("\r\n"));
}

} // namespace orvanta::test
