#pragma once

#include <QString>

namespace orvanta {

// Where the loaded configuration shows itself: the observer, parameters and
// calibration dialogs' fields, the device menus' check marks and the main
// window's title label. Windows implement it by finding their controls by
// object name; a window that does not exist yet simply ignores the call.
class ConfigView {
public:
    virtual ~ConfigView() = default;
    // Text of a field or label (`Long_Observateur`, `Val_Azim_0`, `Titre`...).
    virtual void setControlText(const QString &control, const QString &text) = 0;
    // State of an option button (`Aziseuloui`, `Aziseulnon`).
    virtual void setOptionChecked(const QString &control, bool checked) = 0;
    // Check mark of a menu entry (`Mnu_AR5000`, `Mnu_Com1_V9600`...).
    virtual void setMenuChecked(const QString &entry, bool checked) = 0;
};

// For start-up before any window exists, and for tools without windows.
class NoConfigView final : public ConfigView {
public:
    void setControlText(const QString &, const QString &) override {}
    void setOptionChecked(const QString &, bool) override {}
    void setMenuChecked(const QString &, bool) override {}
};

} // namespace orvanta
