#include "data/element_update.h"

#include "data/element_file_list.h"
#include "data/element_sources.h"
#include "data/satnogs_satellites.h"
#include "data/station_file.h"
#include "data/transponder_download.h"
#include "data/transponder_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>

#include <algorithm>

namespace orvanta {

namespace {

QString pathOnDisk(const QString &folder, const QString &fileName)
{
    const QStringList present = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : present) {
        if (name.compare(fileName, Qt::CaseInsensitive) == 0)
            return stationFilePath(folder, name);
    }
    return stationFilePath(folder, fileName);
}

} // namespace

ElementUpdatePlan planElementUpdate(const QString &folder)
{
    ElementUpdatePlan plan;
    const ElementSourcesFile sources = readElementSources(folder);
    plan.problems = sources.problems;
    if (!sources.found) {
        plan.problems << QCoreApplication::translate(
                             "ElementUpdate",
                             "%1 absent du dossier de la station : aucun fichier d'éléments n'a de source")
                             .arg(elementSourcesFileName);
        return plan;
    }
    const QStringList listed = readElementFileList(folder);
    for (const ElementSource &source : sources.sources) {
        if (source.fileName.compare(transponderSourceName, Qt::CaseInsensitive) == 0) {
            plan.jobs << ElementDownloadJob{source.fileName, source.address,
                                            stationFilePath(folder, satnogsTransponderFileName),
                                            ElementDownloadJob::Content::Transmitters};
            continue;
        }
        if (source.fileName.compare(statusSourceName, Qt::CaseInsensitive) == 0) {
            plan.jobs << ElementDownloadJob{source.fileName, source.address,
                                            stationFilePath(folder, satnogsStatusFileName),
                                            ElementDownloadJob::Content::Statuses};
            continue;
        }
        if (!listed.contains(source.fileName, Qt::CaseInsensitive)) {
            plan.problems << QCoreApplication::translate(
                                 "ElementUpdate", "%1 : %2 n'est pas nommé dans Elements.cfg, il n'est pas téléchargé")
                                 .arg(elementSourcesFileName, source.fileName);
            continue;
        }
        plan.jobs << ElementDownloadJob{source.fileName, source.address, pathOnDisk(folder, source.fileName)};
    }
    if (plan.jobs.isEmpty() && plan.problems.isEmpty())
        plan.problems
            << QCoreApplication::translate("ElementUpdate", "%1 ne donne aucune source").arg(elementSourcesFileName);
    return plan;
}

QString elementResultLine(const ElementFileResult &result)
{
    return QCoreApplication::translate("ElementUpdate", "%1 : %2").arg(result.fileName, result.message);
}

QStringList replacedFiles(const QList<ElementFileResult> &results)
{
    QStringList names;
    for (const ElementFileResult &result : results) {
        if (result.replaced())
            names << result.fileName;
    }
    return names;
}

QString disappearedSatellitesMessage(const QStringList &before, const QStringList &after)
{
    if (before == after) // new elements for the same satellites, the usual case
        return {};
    // Sets, not lists: a catalogue of thousands would cost the square of its size.
    const QSet<QString> kept(after.cbegin(), after.cend());
    QSet<QString> seen;
    QStringList gone;
    for (const QString &name : before) {
        if (!kept.contains(name) && !seen.contains(name)) {
            seen.insert(name);
            gone << name;
        }
    }
    if (gone.isEmpty())
        return {};
    std::sort(gone.begin(), gone.end());
    const QString heading =
        gone.size() == 1
            ? QCoreApplication::translate("ElementUpdate", "Ce satellite ne figure plus dans les fichiers d'éléments :")
            : QCoreApplication::translate("ElementUpdate",
                                          "Ces %1 satellites ne figurent plus dans les fichiers d'éléments :")
                  .arg(gone.size());
    return heading + QStringLiteral("\r\n") + gone.join(QStringLiteral("\r\n"));
}

} // namespace orvanta
