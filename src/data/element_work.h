#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QDateTime;
class QWidget;

namespace orvanta {

class MessageBoxes;
class UtcClock;

// The element files of the station folder: their list (`Elements.cfg`),
// their age checked at start-up, and the element update, whose new files
// are handed on as new elements or as a new transponder table.
class ElementWork {
public:
    struct Links {
        QWidget &window; // parent of the update window
        MessageBoxes &messages;
        const UtcClock &clock;
        QString folder;
        std::function<void()> elementsReplaced;
        std::function<void()> transpondersReplaced;
    };

    explicit ElementWork(Links links) : links_(std::move(links)) {}

    // Reads the list of element files.
    void readList();
    const QStringList &files() const { return files_; }
    // Names the files too old for the clock, and offers the update if any.
    void checkAge();
    void openUpdate();
    // The station has ended: an update that finishes now changes nothing.
    void stop() { stopped_ = true; }

private:
    void replaced(QStringList files);

    Links links_;
    QStringList files_;
    QObject context_; // ends the update window's connection before the links go
    bool stopped_ = false;
};

} // namespace orvanta
