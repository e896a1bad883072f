#include "config/device_menus.h"

#include "config/config_view.h"
#include "config/configuration.h"
#include "config/device_kinds.h"
#include "platform/serial_line.h"

#include <QAction>
#include <QWidget>

#include <array>

namespace orvanta {

namespace {

constexpr std::array<int, 5> kSpeeds{1200, 2400, 4800, 9600, 19200};
constexpr float kLpt1 = 888; // 0x378
constexpr float kLpt2 = 632; // 0x278

} // namespace

namespace {

void check(QAction *action, bool checked)
{
    if (action)
        action->setChecked(checked);
}

} // namespace

DeviceMenus::DeviceMenus(QWidget &window, const DeviceEntries &entries, ConfigStation &config,
                         SerialLine &receiverLine, SerialLine &rotorLine, ConfigView &view, DeviceMenuOpeners openers)
    : QObject(&window), entries_(entries), config_(config), receiverLine_(receiverLine), rotorLine_(rotorLine),
      view_(view)
{
    connectEntry(entries_.lpt378, [this] { chooseAddress(kLpt1); });
    connectEntry(entries_.lpt278, [this] { chooseAddress(kLpt2); });
    for (std::size_t i = 0; i < kSpeeds.size(); ++i) {
        const int speed = kSpeeds[i];
        connectEntry(entries_.receiverSpeeds[i], [this, speed] {
            chooseSpeed(receiverLine_, config_.Vitesse_Com1, entries_.receiverSpeeds, speed);
        });
        connectEntry(entries_.rotorSpeeds[i], [this, speed] {
            chooseSpeed(rotorLine_, config_.Vitesse_Com2, entries_.rotorSpeeds, speed);
        });
    }
    connectEntry(entries_.ar5000, [this] { chooseReceiver(QStringLiteral("AR5000")); });
    connectEntry(entries_.ft847, [this] { chooseReceiver(QStringLiteral("FT847")); });
    connectEntry(entries_.fodtrack, [this] { chooseFodtrack(); });
    connectEntry(entries_.gs232, [this] { chooseGs232(); });
    connectEntry(entries_.observateur, std::move(openers.observateur));
    connectEntry(entries_.parametres, std::move(openers.parametres));
    connectEntry(entries_.frequencesSat, std::move(openers.frequencesSat));
    connectEntry(entries_.calibration, std::move(openers.calibration));
    connectEntry(entries_.peripheriques, std::move(openers.peripheriques));
}

void DeviceMenus::connectEntry(QAction *action, std::function<void()> handler)
{
    if (action && handler)
        connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
}

void DeviceMenus::chooseAddress(float address)
{
    // Read from the configuration at the next FodTrack output.
    config_.Adresse_LPT = address;
    check(entries_.lpt378, address == kLpt1);
    check(entries_.lpt278, address == kLpt2);
}

void DeviceMenus::chooseSpeed(SerialLine &line, float &value, const std::array<QAction *, 5> &entries, int speed)
{
    // Applies at once to an open line.
    line.setSettings(lineSettingsForSpeed(static_cast<float>(speed)));
    value = static_cast<float>(speed);
    for (std::size_t i = 0; i < kSpeeds.size(); ++i)
        check(entries[i], kSpeeds[i] == speed);
}

void DeviceMenus::chooseReceiver(const QString &recepteur)
{
    const ReceiverKind kind = receiverKindOf(recepteur);
    check(entries_.ar5000, kind == ReceiverKind::Ar5000);
    check(entries_.ft847, kind == ReceiverKind::Ft847);
    check(entries_.hamlibReceiver, kind == ReceiverKind::Hamlib);
    config_.Recepteur = recepteur;
    showTitle();
    // A line that cannot be opened tells the operator why and stays closed.
    if (receiverUsesLine(recepteur) && !receiverLine_.PortOpen())
        receiverLine_.setPortOpen(true);
}

void DeviceMenus::chooseFodtrack()
{
    if (entries_.calibration)
        entries_.calibration->setEnabled(true);
    check(entries_.fodtrack, true);
    check(entries_.gs232, false);
    check(entries_.hamlibRotor, false);
    config_.Interface_Rotor = QStringLiteral("Fodtrack");
    showTitle();
    if (rotorLine_.PortOpen())
        rotorLine_.setPortOpen(false);
}

void DeviceMenus::chooseGs232()
{
    // The calibration drives the FodTrack interface only.
    if (entries_.calibration)
        entries_.calibration->setEnabled(false);
    check(entries_.fodtrack, false);
    check(entries_.gs232, true);
    check(entries_.hamlibRotor, false);
    config_.Interface_Rotor = QStringLiteral("GS232");
    showTitle();
    // A line that cannot be opened tells the operator why and stays closed.
    if (!rotorLine_.PortOpen())
        rotorLine_.setPortOpen(true);
}

void DeviceMenus::showTitle()
{
    view_.showTitle(titleCaption(config_));
}

} // namespace orvanta
