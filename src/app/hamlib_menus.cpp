#include "app/hamlib_menus.h"

#include "platform/settings_store.h"
#include "receiver/hamlib_rig.h"
#include "receiver/hamlib_setup_window.h"
#include "rotor/hamlib_rotator.h"

#include <QAction>
#include <QWidget>

namespace orvanta {

namespace {

struct MenuGroup {
    const char *hamlibEntry;
    std::initializer_list<const char *> others;
};

const MenuGroup kReceivers{"Mnu_Hamlib_Recepteur", {"Mnu_AR5000", "Mnu_FT847"}};
const MenuGroup kRotors{"Mnu_Hamlib_Rotor", {"Mnu_Fodtrack", "Mnu_GS232"}};

} // namespace

HamlibMenus::HamlibMenus(QWidget &window, ConfigStation &config, SettingsStore &store, HamlibReceiver &receiver,
                         HamlibRotor &rotor, std::function<void()> refreshTitle, HamlibTiming testTiming)
    : QObject(&window), window_(window), config_(config), store_(store), receiver_(receiver), rotor_(rotor),
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
    if (QAction *entry = action(kReceivers.hamlibEntry))
        connect(entry, &QAction::triggered, this, [this] { setUp(HamlibKind::Receiver); });
    if (QAction *entry = action(kRotors.hamlibEntry))
        connect(entry, &QAction::triggered, this, [this] { setUp(HamlibKind::Rotor); });
}

void HamlibMenus::setUp(HamlibKind kind)
{
    const bool receiver = kind == HamlibKind::Receiver;
    const MenuGroup &group = receiver ? kReceivers : kRotors;
    QString &chosenDevice = receiver ? config_.Recepteur : config_.Interface_Rotor;
    // The click has already toggled the mark; it only moves on OK.
    if (QAction *entry = action(group.hamlibEntry))
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
    for (const char *other : group.others)
        if (QAction *entry = action(other))
            entry->setChecked(false);
    if (QAction *entry = action(group.hamlibEntry))
        entry->setChecked(true);
    if (refreshTitle_)
        refreshTitle_();
}

QAction *HamlibMenus::action(const char *name) const
{
    return window_.findChild<QAction *>(QLatin1String(name));
}

} // namespace orvanta
