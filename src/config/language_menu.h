#pragma once

class QAction;
class QWidget;

namespace orvanta {

class MessageBoxes;
class SettingsStore;

// Configuration > "Langue / Language": the choice is kept in the settings
// and takes effect at the next start, since every window is already made.
void connectLanguageMenu(QWidget &window, QAction *french, QAction *english, SettingsStore &store,
                         MessageBoxes &messages);

} // namespace orvanta
