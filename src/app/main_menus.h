#pragma once

class QMenuBar;

namespace orvanta {

// The main window's menu tree. Every entry is a QAction (and every submenu a
// QMenu) named as the rest of the program refers to it (`Mnu_GS232`,
// `Mnu_Com1_V9600`...), so handlers and tests find them by object name. The
// check marks are drawn as at start-up, before the configuration corrects them.
// Captions carry their mnemonic ("&Configuration"): nothing finds an entry by its caption.
void buildMainMenus(QMenuBar &bar);

} // namespace orvanta
