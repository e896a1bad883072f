#include "logbook/journal_work.h"

#include "logbook/journal_window.h"

#include <QCoreApplication>
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace orvanta {

JournalWork::JournalWork(Links links)
    : links_(std::move(links)),
      journal_({links_.station, links_.settings, links_.stationFolder,
                links_.databasePath.isEmpty() ? LogStore::defaultPath() : links_.databasePath})
{
    QMenuBar *bar = links_.window.menuBar();
    auto *menu = new QMenu(QCoreApplication::translate("Journal", "&Journal"), bar);
    menu->setObjectName(QStringLiteral("Mnu_Journal"));
    QAction *entry = menu->addAction(QCoreApplication::translate("Journal", "&Journal des contacts"));
    entry->setObjectName(QStringLiteral("Mnu_Journal_Contacts"));
    entry->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    entry->setShortcutContext(Qt::ApplicationShortcut);
    if (links_.before)
        bar->insertMenu(links_.before, menu);
    else
        bar->addMenu(menu);
    QObject::connect(entry, &QAction::triggered, &links_.window, [this] { open(); });
}

// The window belongs to the main window, which outlives this: it goes first,
// as it uses the journal.
JournalWork::~JournalWork()
{
    delete window_;
}

void JournalWork::open()
{
    if (!window_)
        window_ = new JournalWindow(journal_, links_.messages, &links_.window);
    window_->ouvrir();
}

} // namespace orvanta
