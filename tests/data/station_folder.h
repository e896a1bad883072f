#pragma once

#include "support/file_size_limit.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace orvanta::test {

// A scratch station folder holding Frequences.cfg and Elements.cfg.
class StationFolder {
public:
    QString path() const { return dir_.path(); }
    QString file(const QString &name) const { return dir_.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const;
    // Each line followed by CR LF, Latin-1.
    void writeLines(const QString &name, const QStringList &lines) const;
    QByteArray read(const QString &name) const;
    // The file split at CR LF; a final CR LF gives no extra line.
    QStringList lines(const QString &name) const;

private:
    QTemporaryDir dir_;
};

} // namespace orvanta::test
