#include "alarms/alarm_command.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>

namespace orvanta {

AlarmCommand::AlarmCommand(QString workingFolder, std::function<void(const QString &)> report, QObject *parent)
    : QObject(parent), folder_(std::move(workingFolder)), report_(std::move(report))
{
}

void AlarmCommand::run(const QString &command, const QStringList &environment)
{
    const QStringList words = QProcess::splitCommand(command);
    if (words.isEmpty())
        return;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const QString &entry : environment) {
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        variables.insert(entry.left(equals), entry.mid(equals + 1));
    }
    auto *process = new QProcess(this);
    process->setProcessEnvironment(variables);
    process->setWorkingDirectory(folder_);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    connect(process, &QProcess::errorOccurred, this, [this, process, command](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return; // a crash is told by finished
        failed(command,
               QCoreApplication::translate("AlarmCommand", "La commande d'alarme « %1 » n'a pas pu être lancée : %2.")
                   .arg(command, process->errorString()));
        process->deleteLater();
    });
    connect(process, &QProcess::finished, this, [this, process, command](int code, QProcess::ExitStatus status) {
        if (status == QProcess::CrashExit)
            failed(command, QCoreApplication::translate("AlarmCommand",
                                                        "La commande d'alarme « %1 » s'est arrêtée anormalement.")
                                .arg(command));
        else if (code != 0)
            failed(command, QCoreApplication::translate("AlarmCommand",
                                                        "La commande d'alarme « %1 » a échoué (code de sortie %2).")
                                .arg(command)
                                .arg(code));
        process->deleteLater();
    });
    if (command != lastRun_)
        reportedFor_.clear(); // another command: its failure is news
    lastRun_ = command;
    process->start(words.first(), words.mid(1));
    process->closeWriteChannel(); // a command that reads its input finds it empty
}

void AlarmCommand::failed(const QString &command, const QString &text)
{
    if (command == reportedFor_)
        return;
    reportedFor_ = command;
    if (report_)
        report_(text
                + QCoreApplication::translate("AlarmCommand",
                                              " Ce message ne reviendra pas tant que la commande reste la même."));
}

} // namespace orvanta
