#include "transponder/two_radio_work.h"

#include "config/config_station.h"
#include "platform/settings_store.h"
#include "receiver/hamlib_setup_window.h"

#include <QAction>
#include <QWidget>

namespace orvanta {

namespace {

const QString kSection = QStringLiteral("Transpondeurs");
const QString kTwoRadios = QStringLiteral("Deux Radios");

} // namespace

std::optional<ReceiverMode> receiverModeFor(const QString &downlinkMode)
{
    const QString mode = downlinkMode.trimmed().toUpper();
    if (mode == QLatin1String("FM"))
        return ReceiverMode::B;
    if (mode == QLatin1String("AM"))
        return ReceiverMode::A;
    if (mode == QLatin1String("USB"))
        return ReceiverMode::C;
    return std::nullopt;
}

bool TwoRadioSatellite::start(const Transponder &transponder, qint64 receiveHz, qint64 transmitHz)
{
    if (!downlink_)
        return false;
    if (const auto mode = receiverModeFor(transponder.downlinkMode))
        downlink_->takeUp(*mode);
    downlink_->tune(double(receiveHz));
    RigSatelliteWish wish;
    wish.uplinkOnly = true;
    wish.uplinkMode = transponder.uplinkMode;
    wish.ctcssHz = transponder.ctcss;
    wish.transmitHz = transmitHz;
    uplink_.startSatellite(wish);
    return true;
}

void TwoRadioSatellite::move(const LinkAt &at, double periodSeconds)
{
    // Each link aimed at when its radio takes it, as each radio's readings
    // measure it; a cycle of the uplink radio brings one such reading.
    const std::optional<qint64> receiveHz =
        at(Link::Downlink, downlink_ ? downlink_->latencySeconds() : 0, periodSeconds);
    const std::optional<qint64> transmitHz = at(Link::Uplink, uplink_.latencySeconds(), periodSeconds);
    if (receiveHz && downlink_)
        downlink_->tune(double(*receiveHz));
    if (transmitHz)
        uplink_.moveSatellite(std::nullopt, transmitHz);
    uplink_.satelliteCycle(++cycle_, false);
}

void TwoRadioSatellite::stop()
{
    uplink_.stopSatellite();
}

TwoRadioWork::TwoRadioWork(QWidget &window, QAction *entry, SettingsStore &store, MessageBoxes &messages,
                           HamlibTiming testTiming)
    : window_(window), entry_(entry), store_(store), testTiming_(testTiming),
      uplink_(messages, {}, nullptr, HamlibKind::Uplink),
      radio_(uplink_), link_(radio_)
{
    choose(store_.get(kApplication, kSection, kTwoRadios) == QLatin1String("1") &&
           loadHamlibDevice(store_, HamlibKind::Uplink).model > 0);
    if (entry_)
        QObject::connect(entry_, &QAction::triggered, &window_, [this] { setUp(); });
}

Receiver &TwoRadioWork::gate(Receiver &radio)
{
    return gates_.emplace_back(Gate{radio, SatelliteLinkReceiver(radio, link_)}).gate;
}

// Ticked: the uplink radio is set up, and used on OK; unticked: one radio again.
void TwoRadioWork::setUp()
{
    if (chosen_) {
        choose(false);
        store_.save(kApplication, kSection, kTwoRadios, QStringLiteral("0"));
        return;
    }
    choose(false); // the click has already ticked the entry; it only stays on OK
    const HamlibTiming timing = testTiming_;
    HamlibSetup setup(HamlibKind::Uplink, hamlibRigModels(),
                      [timing](const HamlibDevice &device) { return readHamlibRig(device, timing); },
                      loadHamlibDevice(store_, HamlibKind::Uplink));
    HamlibSetupWindow dialog(setup, &window_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    saveHamlibDevice(store_, HamlibKind::Uplink, setup.device());
    store_.save(kApplication, kSection, kTwoRadios, QStringLiteral("1"));
    choose(true);
}

void TwoRadioWork::choose(bool chosen)
{
    chosen_ = chosen;
    if (!chosen_)
        link_.release();
    uplink_.setDevice(chosen_ ? loadHamlibDevice(store_, HamlibKind::Uplink) : HamlibDevice{});
    if (entry_)
        entry_->setChecked(chosen_);
}

void TwoRadioWork::cycle(Receiver *registered, const Transponder *transponder, const LinksAhead &ahead,
                         double periodSeconds)
{
    Receiver *downlink = nullptr;
    if (chosen_ && registered)
        for (Gate &gate : gates_)
            if (&gate.gate == registered)
                downlink = &gate.radio;
    if (downlink != radio_.downlink()) {
        // Another receiver: it is set up from scratch.
        link_.release();
        radio_.setDownlink(downlink);
    }
    link_.cycle(downlink ? transponder : nullptr, downlink ? ahead : LinksAhead(), periodSeconds);
}

} // namespace orvanta
