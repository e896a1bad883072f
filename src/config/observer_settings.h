#pragma once

#include <QString>

#include <functional>

namespace orvanta {

struct ConfigStation;
class MessageBoxes;
class SettingsStore;

// The four boxes of the observer dialog.
struct ObserverTexts {
    QString longitude; // Long_Observateur, degrees east (west negative)
    QString latitude;  // Lat_Observateur, degrees north (south negative)
    QString altitude;  // Alt_Observateur, metres
    QString elevation; // Elev_Observateur, minimum elevation of passes, degrees
    QString locator = {}; // Locator_Observateur, the Maidenhead locator (empty: not checked)
};

// What the observer dialog does, apart from its window: the station's
// position and the minimum elevation, checked when the window closes.
class ObserverSettings {
public:
    // accepted: runs after the values are stored and saved (may be empty).
    ObserverSettings(ConfigStation &config, SettingsStore &store, MessageBoxes &messages,
                     std::function<void()> accepted = {});

    // The boxes as the menu fills them from the configuration.
    ObserverTexts texts() const;

    // The close request: every check runs, in order, each failure with its
    // message. A minimum elevation of exactly "0" becomes "0.1" in any case.
    // When all pass, the values are stored and the configuration saved; true
    // means the window may close.
    bool close(ObserverTexts &texts);

    // The 6-character locator of the position in the boxes, or empty when
    // they do not hold a valid position.
    static QString locatorOf(const ObserverTexts &texts);
    // A locator typed instead of the position: the boxes take the centre of
    // its square. False, the boxes unchanged, when it is not a locator.
    static bool applyLocator(ObserverTexts &texts);

private:
    ConfigStation &config_;
    SettingsStore &store_;
    MessageBoxes &messages_;
    std::function<void()> accepted_;
};

} // namespace orvanta
