#include "data/element_update_command.h"

#include "data/element_update.h"
#include "orbit/cli/commands.h"
#include "orbit/cli/options.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>

#include <optional>
#include <ostream>

namespace orvanta {

int runElementUpdateCommand(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err,
                            const DownloadLimits &limits)
{
    const orbit::cli::Options options(arguments, {{"--station"}, {}, {}, {}});
    if (!options.ok()) {
        err << "orvanta-orbit : " << options.error() << "\n" << orbit::cli::orbitUsage();
        return 2;
    }
    const QString folder = QFile::decodeName(QByteArray::fromStdString(options.text("--station")));
    if (!QFileInfo(folder).isDir()) {
        err << "orvanta-orbit : "
            << QCoreApplication::translate("ElementUpdate", "dossier de station introuvable : %1")
                   .arg(QString::fromStdString(options.text("--station")))
                   .toStdString()
            << "\n";
        return 1;
    }

    // The downloads run from an event loop, which needs an application object.
    std::optional<QCoreApplication> application;
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "orvanta-orbit";
        static char *argv[] = {name, nullptr};
        application.emplace(argc, argv);
    }

    const ElementUpdatePlan plan = planElementUpdate(folder);
    for (const QString &problem : plan.problems)
        err << "orvanta-orbit : " << problem.toStdString() << "\n";
    if (plan.jobs.isEmpty())
        return 1;

    ElementDownloader downloader(limits);
    QEventLoop loop;
    QObject::connect(&downloader, &ElementDownloader::fileFinished, &loop,
                     [&out](int, const ElementFileResult &result) {
                         out << elementResultLine(result).toStdString() << "\n" << std::flush;
                     });
    QObject::connect(&downloader, &ElementDownloader::finished, &loop, &QEventLoop::quit);
    downloader.start(plan.jobs);
    loop.exec();

    const bool allReplaced = replacedFiles(downloader.results()).size() == plan.jobs.size();
    return plan.problems.isEmpty() && allReplaced ? 0 : 1;
}

} // namespace orvanta
