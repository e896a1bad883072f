#include "config/device_menus.h"

#include "config/config_view.h"
#include "config/configuration.h"
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

DeviceMenus::DeviceMenus(QWidget &window, ConfigStation &config, SerialLine &receiverLine, SerialLine &rotorLine,
                         ConfigView &view, DeviceMenuOpeners openers)
    : QObject(&window), window_(window), config_(config), receiverLine_(receiverLine), rotorLine_(rotorLine),
      view_(view)
{
    connectEntry("Mnu_LPT_378", [this] { chooseAddress(kLpt1); });
    connectEntry("Mnu_LPT_278", [this] { chooseAddress(kLpt2); });
    for (int speed : kSpeeds) {
        const QByteArray receiver = "Mnu_Com1_V" + QByteArray::number(speed);
        connectEntry(receiver.constData(), [this, speed] {
            chooseSpeed(receiverLine_, config_.Vitesse_Com1, QStringLiteral("Mnu_Com1_V"), speed);
        });
        const QByteArray rotor = "Mnu_Com2_V" + QByteArray::number(speed);
        connectEntry(rotor.constData(), [this, speed] {
            chooseSpeed(rotorLine_, config_.Vitesse_Com2, QStringLiteral("Mnu_Com2_V"), speed);
        });
    }
    connectEntry("Mnu_AR5000", [this] { chooseReceiver(QStringLiteral("AR5000")); });
    connectEntry("Mnu_FT847", [this] { chooseReceiver(QStringLiteral("FT847")); });
    connectEntry("Mnu_Fodtrack", [this] { chooseFodtrack(); });
    connectEntry("Mnu_GS232", [this] { chooseGs232(); });
    connectEntry("Mnu_Observateur", std::move(openers.observateur));
    connectEntry("Mnu_Parametres", std::move(openers.parametres));
    connectEntry("Mnu_Frequence_Sat", std::move(openers.frequencesSat));
    connectEntry("Mnu_Calibration", std::move(openers.calibration));
    connectEntry("Mnu_Peripheriques", std::move(openers.peripheriques));
}

QAction *DeviceMenus::entry(const char *name) const
{
    return window_.findChild<QAction *>(QLatin1String(name));
}

void DeviceMenus::connectEntry(const char *name, std::function<void()> handler)
{
    QAction *action = entry(name);
    if (action && handler)
        connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
}

void DeviceMenus::check(const QString &name, bool checked) const
{
    if (QAction *action = window_.findChild<QAction *>(name))
        action->setChecked(checked);
}

void DeviceMenus::chooseAddress(float address)
{
    // Read from the configuration at the next FodTrack output.
    config_.Adresse_LPT = address;
    check(QStringLiteral("Mnu_LPT_378"), address == kLpt1);
    check(QStringLiteral("Mnu_LPT_278"), address == kLpt2);
}

void DeviceMenus::chooseSpeed(SerialLine &line, float &value, const QString &prefix, int speed)
{
    // Applies at once to an open line.
    line.setSettings(lineSettingsForSpeed(static_cast<float>(speed)));
    value = static_cast<float>(speed);
    for (int s : kSpeeds)
        check(prefix + QString::number(s), s == speed);
}

void DeviceMenus::chooseReceiver(const QString &recepteur)
{
    for (const ReceiverEntry &receiver : kReceiverEntries)
        check(QLatin1String(receiver.menu), recepteur == QLatin1String(receiver.recepteur));
    config_.Recepteur = recepteur;
    showTitle();
    // A line that cannot be opened tells the operator why and stays closed.
    if (receiverUsesLine(recepteur) && !receiverLine_.PortOpen())
        receiverLine_.setPortOpen(true);
}

void DeviceMenus::chooseFodtrack()
{
    if (QAction *calibration = entry("Mnu_Calibration"))
        calibration->setEnabled(true);
    check(QStringLiteral("Mnu_Fodtrack"), true);
    check(QStringLiteral("Mnu_GS232"), false);
    check(QStringLiteral("Mnu_Hamlib_Rotor"), false);
    config_.Interface_Rotor = QStringLiteral("Fodtrack");
    showTitle();
    if (rotorLine_.PortOpen())
        rotorLine_.setPortOpen(false);
}

void DeviceMenus::chooseGs232()
{
    // The calibration drives the FodTrack interface only.
    if (QAction *calibration = entry("Mnu_Calibration"))
        calibration->setEnabled(false);
    check(QStringLiteral("Mnu_Fodtrack"), false);
    check(QStringLiteral("Mnu_GS232"), true);
    check(QStringLiteral("Mnu_Hamlib_Rotor"), false);
    config_.Interface_Rotor = QStringLiteral("GS232");
    showTitle();
    // A line that cannot be opened tells the operator why and stays closed.
    if (!rotorLine_.PortOpen())
        rotorLine_.setPortOpen(true);
}

void DeviceMenus::showTitle()
{
    view_.setControlText(QStringLiteral("Titre"), titleCaption(config_));
}

} // namespace orvanta
