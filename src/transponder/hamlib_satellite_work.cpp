#include "transponder/hamlib_satellite_work.h"

#include "config/config_station.h"
#include "platform/settings_store.h"
#include "transponder/transponder_entries.h"
#include "transponder/transponder_tuning.h"

#include <QAction>
#include <QActionGroup>

#include <cmath>

namespace orvanta {

namespace {

const QString kSection = QStringLiteral("Transpondeurs");
const QString kUplinkVfo = QStringLiteral("VFO Montee");
const QString kIgnoreDial = QStringLiteral("Ignorer le cadran");

// The menu entries of the uplink's VFO, and the VFO each chooses.
constexpr struct {
    QAction *TransponderEntries::*entry;
    UplinkVfo vfo;
} kVfoEntries[] = {{&TransponderEntries::uplinkVfoB, UplinkVfo::VfoB},
                   {&TransponderEntries::uplinkVfoA, UplinkVfo::VfoA},
                   {&TransponderEntries::uplinkSub, UplinkVfo::Sub},
                   {&TransponderEntries::uplinkMain, UplinkVfo::Main}};

} // namespace

UplinkVfo uplinkVfoSetting(const SettingsStore &store)
{
    return uplinkVfoNamed(store.get(kApplication, kSection, kUplinkVfo));
}

bool ignoresDial(const SettingsStore &store)
{
    return store.get(kApplication, kSection, kIgnoreDial) == QLatin1String("1");
}

bool HamlibSatelliteRadio::start(const Transponder &transponder, qint64 receiveHz, qint64 transmitHz)
{
    RigSatelliteWish wish;
    wish.downlinkMode = transponder.downlinkMode;
    wish.uplinkMode = transponder.uplinkMode;
    wish.ctcssHz = transponder.ctcss;
    wish.uplinkVfo = uplinkVfo_();
    wish.receiveHz = receiveHz;
    wish.transmitHz = transmitHz;
    wish.cycle = cycle_;
    rig_.startSatellite(wish);
    dial_.clear();
    dial_.sent(receiveHz, monotonicMs());
    return true;
}

void HamlibSatelliteRadio::move(const LinkAt &at, double periodSeconds)
{
    const double latency = latency_.seconds();
    const std::optional<qint64> receive = at(Link::Downlink, latency, periodSeconds);
    const std::optional<qint64> transmit = at(Link::Uplink, latency, periodSeconds);
    if (!receive && !transmit)
        return;
    rig_.moveSatellite(receive, transmit);
    if (receive)
        dial_.sent(*receive, monotonicMs() + qint64(latency * 1000));
}

void HamlibSatelliteRadio::stop()
{
    rig_.stopSatellite();
}

HamlibSatelliteWork::HamlibSatelliteWork(QObject &window, const TransponderEntries &entries, SettingsStore &store,
                                         HamlibReceiver &rig)
    : store_(store), rig_(rig), dial_(SatelliteLink::kFt847StepHz),
      radio_(rig, [&store] { return uplinkVfoSetting(store); }, dial_), link_(radio_), receiver_(rig, link_),
      ignoreDial_(ignoresDial(store))
{
    auto *vfos = new QActionGroup(&window);
    const UplinkVfo chosen = uplinkVfoSetting(store);
    for (const auto &entry : kVfoEntries) {
        QAction *action = entries.*entry.entry;
        if (!action)
            continue;
        vfos->addAction(action);
        action->setChecked(entry.vfo == chosen);
        // Taken at the next start of a transponder's work.
        QObject::connect(action, &QAction::triggered, &window, [this, vfo = entry.vfo] {
            store_.save(kApplication, kSection, kUplinkVfo, uplinkVfoName(vfo));
        });
    }
    if (QAction *action = entries.ignoreDial) {
        action->setChecked(ignoreDial_);
        QObject::connect(action, &QAction::toggled, &window, [this](bool ignore) {
            ignoreDial_ = ignore;
            store_.save(kApplication, kSection, kIgnoreDial, ignore ? QStringLiteral("1") : QStringLiteral("0"));
        });
    }
}

bool HamlibSatelliteWork::uplinkRefused() const
{
    const std::optional<RigReading> read = rig_.reading();
    return link_.active() && read && read->uplinkRefused;
}

RadioState HamlibSatelliteWork::state() const
{
    RadioState state;
    if (const std::optional<RigReading> read = rig_.reading()) {
        state.satelliteMode = read->satelliteMode;
        state.split = read->split;
        if (!read->uplinkRefused)
            state.uplinkVfo = uplinkVfoName(uplinkVfoSetting(store_));
    }
    return state;
}

std::optional<double> HamlibSatelliteWork::dial() const
{
    const std::optional<RigReading> read = rig_.reading();
    if (!link_.active() || !read || read->readAtMs == 0)
        return std::nullopt;
    return read->hertz;
}

void HamlibSatelliteWork::cycle(TransponderTuning *tuning, const LinksAhead &ahead, double periodSeconds)
{
    radio_.beginCycle();
    const std::optional<RigReading> read = rig_.reading();
    if (read && read->cycle > lastRead_) {
        lastRead_ = read->cycle;
        radio_.measured(read->latencySeconds);
        // Our own downlinks may land up to two commands late.
        const qint64 margin = qint64(2000 * radio_.latencySeconds()) + kReadMarginMs;
        // The links as they were at the read.
        const std::optional<TwoLinks> links =
            tuning && ahead && read->readAtMs > 0 ? ahead(double(read->readAtMs - monotonicMs()) / 1000) : std::nullopt;
        if (tuning && link_.active() && !ignoreDial_ && links)
            if (const std::optional<double> turned = dial_.turned(read->hertz, read->readAtMs, margin))
                tuning->setDownlink(downlinkFromDial(*turned, *links));
    }
    const Transponder *worked = tuning ? tuning->transponder() : nullptr;
    link_.cycle(worked, tuning ? ahead : LinksAhead(), periodSeconds);
    if (link_.active())
        radio_.endCycle(true);
}

} // namespace orvanta
