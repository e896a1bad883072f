#include "tracking/hamlib_menus.h"

#include "platform/settings_store.h"
#include "receiver/hamlib_rig.h"
#include "receiver/hamlib_setup_window.h"
#include "rotor/hamlib_rotator.h"

#include <QAction>
#include <QWidget>

#include <array>

namespace orvanta {

namespace {

// The Hamlib entry of a menu and the others its check mark excludes.
struct MenuGroup {
    QAction *hamlibEntry;
    std::array<QAction *, 2> others;
};

} // namespace

HamlibMenus::HamlibMenus(QWidget &window, const DeviceEntries &entries, ConfigStation &config, SettingsStore &store, HamlibReceiver &receiver,
                         HamlibRotor &rotor, std::function<void()> refreshTitle, HamlibTiming testTiming)
    : QObject(&window), window_(window), entries_(entries), config_(config), store_(store), receiver_(receiver), rotor_(rotor),
      refreshTitle_(std::move(refreshTitle)), testTiming_(testTiming)
{
    receiver_.setDevice(loadHamlibDevice(store_, HamlibKind::Receiver));
    rotor_.setDevice(loadHamlibDevice(store_, HamlibKind::Rotor));
    ask_ = [this](HamlibSetup &setup) -> std::optional<HamlibDevice> {
        HamlibSetupWindow dialog(setup, &window_);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return setup.device();
    };
    if (QAction *entry = entries_.hamlibReceiver)
        connect(entry, &QAction::triggered, this, [this] { setUp(HamlibKind::Receiver); });
    if (QAction *entry = entries_.hamlibRotor)
        connect(entry, &QAction::triggered, this, [this] { setUp(HamlibKind::Rotor); });
}

void HamlibMenus::setUp(HamlibKind kind)
{
    const bool receiver = kind == HamlibKind::Receiver;
    const MenuGroup group = receiver ? MenuGroup{entries_.hamlibReceiver, {entries_.ar5000, entries_.ft847}}
                                     : MenuGroup{entries_.hamlibRotor, {entries_.fodtrack, entries_.gs232}};
    QString &chosenDevice = receiver ? config_.Recepteur : config_.Interface_Rotor;
    // The click has already toggled the mark; it only moves on OK.
    if (QAction *entry = group.hamlibEntry)
        entry->setChecked(chosenDevice == kHamlibDeviceName);

    const HamlibTiming timing = testTiming_;
    HamlibSetup setup(kind, receiver ? hamlibRigModels() : hamlibRotatorModels(),
                      receiver ? HamlibTester([timing](const HamlibDevice &d) { return readHamlibRig(d, timing); })
                               : HamlibTester([timing](const HamlibDevice &d) { return readHamlibRotator(d, timing); }),
                      receiver ? receiver_.device() : rotor_.device());
    const std::optional<HamlibDevice> device = ask_(setup);
    if (!device)
        return;

    saveHamlibDevice(store_, kind, *device);
    if (receiver)
        receiver_.setDevice(*device);
    else
        rotor_.setDevice(*device);
    chosenDevice = kHamlibDeviceName;
    for (QAction *other : group.others)
        if (other)
            other->setChecked(false);
    if (QAction *entry = group.hamlibEntry)
        entry->setChecked(true);
    if (refreshTitle_)
        refreshTitle_();
}

} // namespace orvanta
