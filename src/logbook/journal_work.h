#pragma once

#include "logbook/journal.h"

#include <QString>

class QAction;
class QMainWindow;

namespace orvanta {

class JournalWindow;
class LogStation;
class MessageBoxes;
class SettingsStore;

// The log of contacts as the station holds it: the entry "Journal" of the
// menu bar (Ctrl+J) and the window it opens, built on first use.
class JournalWork {
public:
    struct Links {
        QMainWindow &window;
        QAction *before; // the journal's menu goes before this one in the menu bar, else last
        SettingsStore &settings;
        MessageBoxes &messages;
        const LogStation &station;
        QString stationFolder;
        QString databasePath; // LogStore::defaultPath() when empty
    };

    explicit JournalWork(Links links);
    ~JournalWork();
    JournalWork(const JournalWork &) = delete;
    JournalWork &operator=(const JournalWork &) = delete;

    void open();
    Journal &journal() { return journal_; }

private:
    Links links_;
    Journal journal_;
    JournalWindow *window_ = nullptr; // the main window's child
};

} // namespace orvanta
