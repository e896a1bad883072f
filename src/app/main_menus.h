#pragma once

#include "config/device_entries.h"
#include "transponder/transponder_entries.h"

class QAction;
class QMenu;
class QMenuBar;

namespace orvanta {

// The entries of the main window's menus, handed to the features behind them.
struct MainMenus {
    QMenu *configuration = nullptr; // where the alarms and the remote station add theirs
    DeviceEntries devices;
    QAction *french = nullptr;
    QAction *english = nullptr;
    QMenu *elements = nullptr;
    QAction *elementSources = nullptr;
    QAction *elementUpdate = nullptr;
    TransponderEntries transponders;
    QAction *sky = nullptr;
    QAction *map = nullptr;
    QAction *help = nullptr; // the menu "Aide", which stays last: the features' menus go before it
    QAction *about = nullptr;
    QAction *history = nullptr;
    QAction *manual = nullptr;
};

// The main window's menu tree. Every entry is a QAction (and every submenu a
// QMenu) named as the tests and scripts refer to it (`Mnu_GS232`,
// `Mnu_Com1_V9600`...); the program itself reaches them through what this
// returns. The check marks are drawn as at start-up, before the configuration
// corrects them. Captions carry their mnemonic ("&Configuration"): nothing
// finds an entry by its caption.
MainMenus buildMainMenus(QMenuBar &bar);

} // namespace orvanta
