#pragma once

#include "data/element_download.h"
#include "data/element_update_schedule.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QAction;
class QMenu;

namespace orvanta {

class SettingsStore;

// "Mise a jour automatique" (`Mnu_Mise_A_Jour_Auto`, menu "Elements", off
// by default): the element update of Sources.cfg run in the background at
// start-up and then every `Mise A Jour Heures` hours (section `[Elements]`,
// at least 2, default 12), never while a pass is being taken up. Nothing
// modal: its progress goes to the status line, and a bad download keeps the
// file it would have replaced, as the update from the menu does.
class AutoElementUpdate final : public QObject {
    Q_OBJECT
public:
    struct Links {
        QObject *parent;
        QMenu *menu; // where its entry goes; none in a station without menus
        SettingsStore &store;
        QString folder;
        std::function<QDateTime()> now;
        // The acquisition of the next pass, or of one just begun.
        std::function<std::optional<QDateTime>()> nextAcquisition;
        std::function<void(const QString &text)> status;
        std::function<void(const QStringList &replaced)> replaced;
    };

    AutoElementUpdate(Links links, DownloadLimits limits = {});

    bool on() const { return on_; }
    void setOn(bool on);
    // Starts a run when one is due; returns at once. A timer calls it every
    // minute; tests drive it with their clock.
    void check();
    bool running() const { return downloader_.isRunning(); }
    int runs() const { return runs_; }

private:
    void finished();

    Links links_;
    ElementDownloader downloader_;
    ElementUpdateSchedule schedule_;
    bool on_ = false;
    int runs_ = 0;
    QAction *entry_ = nullptr;
};

} // namespace orvanta
