#include "data/auto_element_update.h"

#include "data/element_update.h"
#include "platform/settings_store.h"
#include "platform/text_numbers.h"

#include <QCoreApplication>
#include <QAction>
#include <QMenu>
#include <QTimer>

namespace orvanta {

namespace {

const QString kApplication = QStringLiteral("Orvanta");
const QString kSection = QStringLiteral("Elements");
const QString kOn = QStringLiteral("Mise A Jour Automatique");
const QString kHours = QStringLiteral("Mise A Jour Heures");
constexpr int kCheckMs = 60'000;

} // namespace

AutoElementUpdate::AutoElementUpdate(Links links, DownloadLimits limits)
    : QObject(links.parent), links_(std::move(links)), downloader_(limits, this),
      schedule_(parseNumber(links_.store.get(kApplication, kSection, kHours))
                    .value_or(ElementUpdateSchedule::kDefaultHours)),
      on_(parseNumber(links_.store.get(kApplication, kSection, kOn)) == 1.0)
{
    if (links_.menu) {
        entry_ = links_.menu->addAction(QCoreApplication::translate("ElementUpdate", "Mise a jour automatique"));
        entry_->setObjectName(QStringLiteral("Mnu_Mise_A_Jour_Auto"));
        entry_->setCheckable(true);
        entry_->setChecked(on_);
        connect(entry_, &QAction::triggered, this, [this](bool checked) { setOn(checked); });
    }
    connect(&downloader_, &ElementDownloader::fileStarted, this, [this](int job) {
        if (links_.status)
            links_.status(
                QCoreApplication::translate("ElementUpdate", "Mise à jour automatique des éléments : fichier %1")
                    .arg(job + 1));
    });
    connect(&downloader_, &ElementDownloader::finished, this, &AutoElementUpdate::finished);
    auto *timer = new QTimer(this);
    timer->setInterval(kCheckMs);
    connect(timer, &QTimer::timeout, this, &AutoElementUpdate::check);
    timer->start();
}

void AutoElementUpdate::setOn(bool on)
{
    on_ = on;
    links_.store.save(kApplication, kSection, kOn, on ? QStringLiteral("1") : QStringLiteral("0"));
    links_.store.save(kApplication, kSection, kHours, shortestText(schedule_.everyHours()));
    if (entry_)
        entry_->setChecked(on);
    check();
}

void AutoElementUpdate::check()
{
    if (!on_ || downloader_.isRunning())
        return;
    const QDateTime now = links_.now();
    if (!schedule_.due(now, links_.nextAcquisition ? links_.nextAcquisition() : std::nullopt))
        return;
    schedule_.started(now);
    const ElementUpdatePlan plan = planElementUpdate(links_.folder);
    if (plan.jobs.isEmpty())
        return;
    ++runs_;
    downloader_.start(plan.jobs);
}

void AutoElementUpdate::finished()
{
    const QList<ElementFileResult> &results = downloader_.results();
    int kept = 0;
    for (const ElementFileResult &r : results)
        kept += r.replaced() ? 0 : 1;
    if (links_.status)
        links_.status(kept == 0
                          ? QCoreApplication::translate("ElementUpdate", "Éléments mis à jour automatiquement à %1 UTC")
                                .arg(links_.now().toString(QStringLiteral("HH:mm")))
                          : QCoreApplication::translate(
                                "ElementUpdate", "Mise à jour automatique : %1 fichier(s) non remplacé(s), les anciens "
                                                 "sont gardés")
                                .arg(kept));
    const QStringList replaced = replacedFiles(results);
    if (!replaced.isEmpty() && links_.replaced)
        links_.replaced(replaced);
}

} // namespace orvanta
