#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace orvanta {

// The operator's command run at an alarm: a program and its arguments,
// blank separated ("double quotes" around an argument with blanks), started
// without a shell (QProcess), so no satellite name can inject anything; the
// pass comes in its environment. It
// runs beside the station, which never waits for it. A failure (the program
// cannot start, ends with a code other than 0, or crashes) is reported once
// until the command changes.
class AlarmCommand final : public QObject {
    Q_OBJECT
public:
    // report: shows a text to the operator, after the handler.
    AlarmCommand(QString workingFolder, std::function<void(const QString &)> report, QObject *parent = nullptr);

    // environment: NAME=value entries added to the station's own.
    void run(const QString &command, const QStringList &environment);

private:
    void failed(const QString &command, const QString &text);

    QString folder_;
    std::function<void(const QString &)> report_;
    QString lastRun_;
    QString reportedFor_; // the command whose failure was told
};

} // namespace orvanta
