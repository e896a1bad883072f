#include "transponder/hamlib_satellite_work.h"

#include "config/config_station.h"
#include "platform/settings_store.h"
#include "transponder/transponder_tuning.h"

#include <QAction>
#include <QActionGroup>

#include <cmath>

namespace orvanta {

namespace {

const QString kSection = QStringLiteral("Transpondeurs");
const QString kUplinkVfo = QStringLiteral("VFO Montee");
const QString kIgnoreDial = QStringLiteral("Ignorer le cadran");

// The menu entries of the uplink's VFO, by the name the settings keep.
constexpr struct {
    const char *object;
    UplinkVfo vfo;
} kVfoEntries[] = {{"Mnu_VFO_Montee_VFOB", UplinkVfo::VfoB},
                   {"Mnu_VFO_Montee_VFOA", UplinkVfo::VfoA},
                   {"Mnu_VFO_Montee_Sub", UplinkVfo::Sub},
                   {"Mnu_VFO_Montee_Main", UplinkVfo::Main}};

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
    lastDownlinkSent_ = cycle_;
    return true;
}

void HamlibSatelliteRadio::move(std::optional<qint64> receiveHz, std::optional<qint64> transmitHz)
{
    rig_.moveSatellite(receiveHz, transmitHz);
    if (receiveHz)
        lastDownlinkSent_ = cycle_;
}

void HamlibSatelliteRadio::stop()
{
    rig_.stopSatellite();
}

std::optional<double> DialWatch::turned(const RigReading &read, long long lastDownlinkSent)
{
    if (read.cycle <= lastRead_)
        return std::nullopt;
    lastRead_ = read.cycle;
    if (read.cycle - lastDownlinkSent < kQuietCycles || std::abs(read.hertz - double(read.sentHz)) <= double(step_))
        return std::nullopt;
    return read.hertz;
}

qint64 downlinkFromDial(double dialHz, const TwoLinks &links)
{
    const double sent = double(links.downlinkAtSatellite + links.offsets.downlink);
    const double factor = links.downlinkAtRadio / sent;
    return std::llround(dialHz / factor) - links.offsets.downlink;
}

HamlibSatelliteWork::HamlibSatelliteWork(QObject &window, SettingsStore &store, HamlibReceiver &rig)
    : store_(store), rig_(rig), radio_(rig, [&store] { return uplinkVfoSetting(store); }), link_(radio_),
      receiver_(rig, link_), dial_(SatelliteLink::kFt847StepHz), ignoreDial_(ignoresDial(store))
{
    auto *vfos = new QActionGroup(&window);
    const UplinkVfo chosen = uplinkVfoSetting(store);
    for (const auto &entry : kVfoEntries) {
        auto *action = window.findChild<QAction *>(QLatin1String(entry.object));
        if (!action)
            continue;
        vfos->addAction(action);
        action->setChecked(entry.vfo == chosen);
        // Taken at the next start of a transponder's work.
        QObject::connect(action, &QAction::triggered, &window, [this, vfo = entry.vfo] {
            store_.save(kApplication, kSection, kUplinkVfo, uplinkVfoName(vfo));
        });
    }
    if (auto *action = window.findChild<QAction *>(QStringLiteral("Mnu_Transpondeurs_Ignorer_Cadran"))) {
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

void HamlibSatelliteWork::cycle(TransponderTuning *tuning)
{
    radio_.beginCycle();
    const bool readDial = !ignoreDial_;
    if (tuning && link_.active() && readDial) {
        const std::optional<RigReading> read = rig_.reading();
        const std::optional<TwoLinks> links = tuning->links();
        if (read && links)
            if (const std::optional<double> dial = dial_.turned(*read, radio_.lastDownlinkSent()))
                tuning->setDownlink(downlinkFromDial(*dial, *links));
    }
    const Transponder *worked = tuning ? tuning->transponder() : nullptr;
    link_.cycle(worked, tuning ? tuning->links() : std::nullopt);
    if (link_.active())
        radio_.endCycle(readDial);
}

} // namespace orvanta
