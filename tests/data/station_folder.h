#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/resource.h>

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

// While it lives, no file of this process may grow past a few bytes, so a
// write fails for real even for root.
class FileSizeLimit {
public:
    FileSizeLimit();
    ~FileSizeLimit();

private:
    rlimit saved_{};
};

} // namespace orvanta::test
