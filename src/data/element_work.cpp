#include "data/element_work.h"

#include "data/auto_element_update.h"
#include "data/element_age.h"
#include "data/element_file_list.h"
#include "data/element_update.h"
#include "data/element_update_window.h"
#include "data/satellite_status.h"
#include "data/transponder_download.h"
#include "platform/message_boxes.h"
#include "platform/utc_clock.h"

#include <QCoreApplication>

namespace orvanta {

ElementWork::ElementWork(Links links)
    : links_(std::move(links)),
      automatic_(new AutoElementUpdate(AutoElementUpdate::Links{
          &links_.window, links_.menu, links_.store, links_.folder, [this] { return links_.clock.nowUtc(); },
          links_.nextAcquisition, links_.status, [this](const QStringList &files) { replaced(files); }}))
{
}

void ElementWork::startAutomaticUpdate()
{
    automatic_->check();
}

void ElementWork::readList()
{
    files_ = readElementFileList(links_.folder);
}

void ElementWork::checkAge()
{
    const QStringList stale = staleElementFiles(links_.folder, files_, links_.clock.nowUtc());
    for (const QString &file : stale)
        links_.messages.information(staleElementFileMessage(file));
    if (!stale.isEmpty() && !planElementUpdate(links_.folder).jobs.isEmpty()
        && links_.messages.question(
            QCoreApplication::translate("ElementUpdate", "Mettre a jour les fichiers d'elements maintenant ?"),
            QStringLiteral("Orvanta")))
        openUpdate();
}

void ElementWork::openUpdate()
{
    auto *update = new ElementUpdateWindow(links_.folder, &links_.window);
    update->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(update, &ElementUpdateWindow::finished, &context_,
                     [this](const QStringList &files) { replaced(files); });
    update->show();
    update->start();
}

// The transponder list goes to the panel, the satellites' statuses to the
// lists; new elements make a new component.
void ElementWork::replaced(QStringList files)
{
    if (stopped_)
        return;
    const auto named = [](const QString &name) {
        return [name](const QString &file) { return file.compare(name, Qt::CaseInsensitive) == 0; };
    };
    if (files.removeIf(named(transponderSourceName)) > 0)
        links_.transpondersReplaced();
    if (files.removeIf(named(statusSourceName)) > 0 && statusesReplaced)
        statusesReplaced();
    if (!files.isEmpty())
        links_.elementsReplaced();
}

} // namespace orvanta
