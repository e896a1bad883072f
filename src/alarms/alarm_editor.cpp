#include "alarms/alarm_editor.h"

#include "platform/message_boxes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace orvanta {

AlarmEditor::AlarmEditor(SettingsStore &store, MessageBoxes &messages,
                         std::function<void(const AlarmSettings &)> applied)
    : store_(store), messages_(messages), applied_(std::move(applied))
{
}

void AlarmEditor::open()
{
    edited_ = loadAlarmSettings(store_);
}

std::optional<AlarmRule> AlarmEditor::ownRule(long catalogNumber) const
{
    const auto own = edited_.bySatellite.find(catalogNumber);
    return own != edited_.bySatellite.end() ? std::optional(own->second) : std::nullopt;
}

void AlarmEditor::setOwnRule(long catalogNumber, const std::optional<AlarmRule> &rule)
{
    if (rule)
        edited_.bySatellite[catalogNumber] = *rule;
    else
        edited_.bySatellite.erase(catalogNumber);
}

QString AlarmEditor::commandProblem(const QString &command, const QString &folder)
{
    if (command.trimmed().isEmpty())
        return {};
    const QStringList words = QProcess::splitCommand(command);
    if (words.isEmpty() || words.first().isEmpty())
        return QCoreApplication::translate("AlarmCommand", "La commande d'alarme ne nomme aucun programme.");
    const QString program = words.first();
    // A bare name is looked for in PATH, as QProcess does; a path from the station folder.
    const QString found = program.contains(QLatin1Char('/'))
                              ? QFileInfo(QDir(folder), program).absoluteFilePath()
                              : QStandardPaths::findExecutable(program);
    const QFileInfo file(found);
    if (found.isEmpty() || !file.isFile() || !file.isExecutable())
        return QCoreApplication::translate(
                   "AlarmCommand",
                   "Le programme « %1 » de la commande d'alarme est introuvable ou n'est pas exécutable.")
            .arg(program);
    return {};
}

bool AlarmEditor::close(const QString &folder)
{
    edited_.command = edited_.command.trimmed();
    if (const QString problem = commandProblem(edited_.command, folder); !problem.isEmpty()) {
        messages_.information(problem);
        return false;
    }
    saveAlarmSettings(store_, edited_);
    if (applied_)
        applied_(edited_);
    return true;
}

} // namespace orvanta
