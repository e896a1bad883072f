#include "data/station_folder.h"

#include "data/element_file_list.h"
#include "orbit/omm_readers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

namespace orvanta {

namespace {

// A CSV, JSON or XML file counts only when it is OMM: another program's data
// must not make a folder a station.
bool holdsElementFile(const QString &folder)
{
    const QFileInfoList files = QDir(folder).entryInfoList(elementFileFilters(), QDir::Files);
    return std::any_of(files.cbegin(), files.cend(), [](const QFileInfo &file) {
        if (file.suffix().compare(QStringLiteral("txt"), Qt::CaseInsensitive) == 0)
            return true;
        QFile opened(file.filePath());
        if (!opened.open(QIODevice::ReadOnly))
            return false;
        const QByteArray start = opened.read(4096);
        const orbit::ElementFormat format = orbit::elementFormatOf(std::string_view(start.constData(), start.size()));
        return format != orbit::ElementFormat::TwoLine && format != orbit::ElementFormat::OtherDocument;
    });
}

// Copies the demo's files into a fresh folder beside the target and renames it
// into place, so an interrupted first start never leaves a half-filled station
// that the next start would take as the user's own.
QString copyDemo(const QString &demo, const QString &target)
{
    const QString parent = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(parent))
        return QCoreApplication::translate("StationFolder", "impossible de créer le dossier %1").arg(parent);
    QTemporaryDir staging(target + QStringLiteral("-XXXXXX"));
    if (!staging.isValid())
        return QCoreApplication::translate("StationFolder", "impossible de créer un dossier dans %1 : %2")
            .arg(parent, staging.errorString());
    const QFileInfoList files = QDir(demo).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo &file : files) {
        const QString copy = staging.filePath(file.fileName());
        QFile source(file.absoluteFilePath());
        if (!source.copy(copy))
            return QCoreApplication::translate("StationFolder", "impossible de copier %1 : %2")
                .arg(file.absoluteFilePath(), source.errorString());
        // Installed files may be read-only; the user's copies are theirs to edit.
        QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                        | QFileDevice::ReadOther);
    }
    if (!QDir().rename(staging.path(), target))
        return QCoreApplication::translate("StationFolder", "impossible de renommer %1 en %2")
            .arg(staging.path(), target);
    staging.setAutoRemove(false);
    return {};
}

} // namespace

QString installedDemoFolder(const QString &executableDir)
{
    return QDir::cleanPath(executableDir + QStringLiteral("/../share/orvanta/demo"));
}

QString userStationFolder(const QProcessEnvironment &env)
{
    // Relative values are to be ignored, as for every XDG variable.
    const QString dataHome = env.value(QStringLiteral("XDG_DATA_HOME"));
    if (QDir::isAbsolutePath(dataHome))
        return QDir::cleanPath(dataHome + QStringLiteral("/Orvanta"));
    const QString home = env.value(QStringLiteral("HOME"));
    if (QDir::isAbsolutePath(home))
        return QDir::cleanPath(home + QStringLiteral("/.local/share/Orvanta"));
    return {};
}

StationFolderChoice chooseStationFolder(const QString &given, const QString &currentDir, const QString &executableDir,
                                        const QProcessEnvironment &env)
{
    StationFolderChoice choice;
    if (!given.isEmpty()) {
        const QString folder = QFileInfo(given).absoluteFilePath();
        if (QFileInfo(folder).isDir())
            choice.folder = folder;
        else
            choice.error =
                QCoreApplication::translate("StationFolder", "le dossier de la station %1 n'existe pas").arg(folder);
        return choice;
    }
    if (holdsElementFile(currentDir)) {
        choice.folder = QFileInfo(currentDir).absoluteFilePath();
        return choice;
    }
    const QString user = userStationFolder(env);
    if (user.isEmpty()) {
        choice.error =
            QCoreApplication::translate("StationFolder", "ni XDG_DATA_HOME ni HOME ne donnent de dossier personnel : "
                                                         "indiquez le dossier de la station avec --station DOSSIER");
        return choice;
    }
    const QFileInfo existing(user);
    if (existing.isDir()) {
        choice.folder = user;
        return choice;
    }
    if (existing.exists()) {
        choice.error =
            QCoreApplication::translate(
                "StationFolder", "%1 n'est pas un dossier : indiquez le dossier de la station avec --station DOSSIER")
                .arg(user);
        return choice;
    }
    const QString demo = installedDemoFolder(executableDir);
    if (!QFileInfo(demo).isDir()) {
        choice.error = QCoreApplication::translate(
                           "StationFolder", "aucun fichier d'éléments (*.txt, ou OMM *.csv, *.json, *.xml) dans le "
                                            "dossier courant %1 et pas de station "
                                            "de démonstration installée (%2) : indiquez le dossier de la station avec "
                                            "--station DOSSIER")
                           .arg(QDir::cleanPath(currentDir), demo);
        return choice;
    }
    const QString problem = copyDemo(demo, user);
    if (!problem.isEmpty() && QFileInfo(user).isDir()) {
        // Another Orvanta started at the same moment made it first.
        choice.folder = user;
        return choice;
    }
    if (!problem.isEmpty()) {
        choice.error = QCoreApplication::translate("StationFolder", "création du dossier de la station %1 : %2")
                           .arg(user, problem);
        return choice;
    }
    choice.folder = user;
    choice.notice =
        QCoreApplication::translate("StationFolder",
                                    "Premier démarrage : votre dossier de station %1 a été créé avec la station de "
                                    "démonstration. Vos fichiers d'éléments, Elements.cfg et Frequences.cfg "
                                    "se trouvent désormais dans ce dossier.")
            .arg(user);
    return choice;
}

} // namespace orvanta
