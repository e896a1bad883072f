#pragma once

#include <QString>

#include <functional>

namespace orvanta {

struct ConfigStation;
class MessageBoxes;
class SettingsStore;

// The four boxes of the acquisition-parameters dialog.
struct AcquisitionTexts {
    QString repetition; // Repetition_mesure, seconds between two tracking cycles
    QString passage;    // Passage_Minimum, minimum pass time, seconds
    QString parcAzimut; // Parcazimut, park azimuth, degrees
    QString parcSite;   // Parcsite, park elevation, degrees
};

// What the acquisition-parameters dialog does, apart from its window.
class AcquisitionSettings {
public:
    // Longest period between two tracking cycles the timer is given.
    static constexpr double kLongestRepetition = 86400; // seconds

    // reinitialise: re-creates the orbital component with the stored values
    // and sets the tracking period (Init_Satellites); runs after the values
    // are stored and before the configuration is saved.
    AcquisitionSettings(ConfigStation &config, SettingsStore &store, MessageBoxes &messages,
                        std::function<void()> reinitialise);

    AcquisitionTexts texts() const;
    // Aziseuloui / Aziseulnon: Azimut_Seul changes at the click.
    bool azimutSeul() const;
    void setAzimutSeul(bool azimuthOnly);

    // The close request: every check runs, in order, each failure with its
    // message. When all pass, the leading numbers of the texts are stored,
    // the orbital component re-created and the configuration saved; true
    // means the window may close.
    bool close(const AcquisitionTexts &texts);

private:
    ConfigStation &config_;
    SettingsStore &store_;
    MessageBoxes &messages_;
    std::function<void()> reinitialise_;
};

} // namespace orvanta
