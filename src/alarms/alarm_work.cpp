#include "alarms/alarm_work.h"

#include "alarms/alarmes_window.h"
#include "orbit/pass_list.h"
#include "orbit/utc_time.h"
#include "platform/sound_player.h"
#include "platform/utc_clock.h"
#include "tracking/station_clock.h"

#include <QCoreApplication>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QWidget>

namespace orvanta {

AlarmWork::AlarmWork(Links links, QDBusConnection bus)
    : QObject(&links.window), links_(std::move(links)), settings_(loadAlarmSettings(links_.store)),
      notifier_(std::move(bus)), command_(links_.folder, links_.notify),
      editor_(links_.store, links_.messages, [this](const AlarmSettings &settings) { apply(settings); }),
      window_(new AlarmesWindow(editor_, links_.folder, links_.satellites, &links_.window)),
      banner_(links_.banner)
{
    if (QMenu *menu = links_.menu) {
        QAction *entry = menu->addAction(QCoreApplication::translate("Alarms", "&Alarmes de passage"));
        entry->setObjectName(QStringLiteral("Mnu_Alarmes"));
        connect(entry, &QAction::triggered, window_, &AlarmesWindow::ouvrir);
    }
    connect(&notifier_, &DesktopNotifier::answered, this, [this] { toldUnavailable_ = false; });
    connect(&notifier_, &DesktopNotifier::unanswered, this, &AlarmWork::unanswered);
    timer_.setInterval(kCheckPeriodMs);
    connect(&timer_, &QTimer::timeout, this, &AlarmWork::check);
    timer_.start();
}

void AlarmWork::predicted(const orbit::PassBoard &board, const orbit::Satellites *satellites)
{
    passes_.clear();
    const bool horizon = settings_.atStationHorizon && !horizon_.flat() && satellites;
    std::map<std::pair<long, std::int64_t>, std::optional<orbit::HorizonWindow>> kept;
    for (const auto *list : {&board.visible(), &board.coming()})
        for (const orbit::BoardPass &entry : *list) {
            orbit::PredictedPass pass = entry.pass;
            if (horizon) {
                const std::pair key(pass.catalogNumber, orbit::wholeSecondsFromJulian(pass.aos));
                const auto found = inSight_.find(key);
                const std::optional<orbit::HorizonWindow> window =
                    found != inSight_.end() ? found->second : orbit::horizonWindow(*satellites, pass, horizon_);
                kept[key] = window;
                if (!window)
                    continue;
                pass.aos = window->clears;
                pass.los = window->sets;
            }
            passes_.push_back(pass);
        }
    inSight_ = std::move(kept);
    check();
}

void AlarmWork::apply(const AlarmSettings &settings)
{
    settings_ = settings;
    check();
}

void AlarmWork::check()
{
    if (checking_ || !timer_.isActive())
        return;
    checking_ = true;
    const auto changes = watch_.update(secondsSinceOleOrigin(links_.clock.nowUtc()), passes_, settings_);
    for (const AlarmChange &change : changes)
        changed(change);
    if (!changes.empty())
        showBanner();
    checking_ = false;
}

void AlarmWork::changed(const AlarmChange &change)
{
    const AlarmNotice &notice = change.notice;
    const QString name = notice.key.text();
    switch (change.kind) {
    case AlarmChange::Fired:
        if (settings_.chime)
            chime();
        if (!settings_.command.isEmpty())
            command_.run(settings_.command, alarmEnvironment(notice));
        [[fallthrough]];
    case AlarmChange::Updated:
        if (!onBanner_.count(name))
            notifier_.show(name, notice.summary, notice.body, notice.countingDown);
        break;
    case AlarmChange::Withdrawn:
        notifier_.close(name);
        onBanner_.erase(name);
        break;
    case AlarmChange::Expired:
        notifier_.release(name);
        onBanner_.erase(name);
        break;
    }
}

void AlarmWork::unanswered(const QString &name)
{
    bool stillShown = false;
    for (const AlarmNotice &notice : watch_.shown())
        stillShown = stillShown || notice.key.text() == name;
    if (!stillShown)
        return;
    onBanner_.insert(name);
    if (!toldUnavailable_) {
        toldUnavailable_ = true;
        bannerNote_ = QCoreApplication::translate(
            "Alarms", "(Aucun service de notifications du bureau ne répond : les alarmes de passage "
                      "s'affichent dans ce bandeau.)");
    }
    showBanner();
}

void AlarmWork::showBanner()
{
    if (!banner_)
        return;
    QStringList lines;
    for (const AlarmNotice &notice : watch_.shown())
        if (onBanner_.count(notice.key.text()))
            lines << notice.summary + QStringLiteral(" - ") + notice.body;
    // Why the banner, said with the first alarms it shows and gone with them.
    if (lines.isEmpty())
        bannerNote_.clear();
    else if (!bannerNote_.isEmpty())
        lines << bannerNote_;
    banner_->setText(lines.join(QLatin1Char('\n')));
    banner_->setVisible(!lines.isEmpty());
}

// The chime plays after the check, and never over itself.
void AlarmWork::chime()
{
    if (chiming_)
        return;
    chiming_ = true;
    QTimer::singleShot(0, this, [this] {
        links_.sound.playAndWait(QDir(links_.folder).filePath(kChimeFile));
        chiming_ = false;
    });
}

void AlarmWork::stop()
{
    timer_.stop();
    for (const AlarmNotice &notice : watch_.shown()) {
        if (notice.countingDown)
            notifier_.close(notice.key.text());
    }
}

} // namespace orvanta
