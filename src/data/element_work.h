#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QDateTime;
class QMenu;
class QWidget;

namespace orvanta {

class AutoElementUpdate;
class MessageBoxes;
class SettingsStore;
class UtcClock;

// The element files of the station folder: their list (`Elements.cfg`),
// their age checked at start-up, and the element update, whose new files
// are handed on as new elements or as a new transponder table, run from
// the menu or on a schedule in the background.
class ElementWork {
public:
    struct Links {
        QWidget &window; // parent of the update window
        MessageBoxes &messages;
        const UtcClock &clock;
        QString folder;
        std::function<void()> elementsReplaced;
        std::function<void()> transpondersReplaced;
        SettingsStore &store;
        QMenu *menu; // the menu "Elements", where the automatic update's entry goes
        // The acquisition of the next pass, or of one just begun.
        std::function<std::optional<QDateTime>()> nextAcquisition;
        std::function<void(const QString &text)> status; // the status line
    };

    explicit ElementWork(Links links);

    // Reads the list of element files.
    void readList();
    const QStringList &files() const { return files_; }
    // Names the files too old for the clock, and offers the update if any.
    void checkAge();
    void openUpdate();
    // The automatic update's first run, when it is on.
    void startAutomaticUpdate();
    AutoElementUpdate &automaticUpdate() { return *automatic_; }
    // Called when an update brought new satellite statuses.
    std::function<void()> statusesReplaced;
    // The station has ended: an update that finishes now changes nothing.
    void stop() { stopped_ = true; }

private:
    void replaced(QStringList files);

    Links links_;
    QStringList files_;
    AutoElementUpdate *automatic_; // the window's
    QObject context_; // ends the update window's connection before the links go
    bool stopped_ = false;
};

} // namespace orvanta
