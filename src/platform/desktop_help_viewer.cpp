#include "platform/desktop_help_viewer.h"

#include "platform/message_boxes.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

namespace orvanta {

DesktopHelpViewer::~DesktopHelpViewer()
{
    delete browser_;
}

void DesktopHelpViewer::show(const QString &htmlFile)
{
    if (!QFileInfo(htmlFile).isFile()) {
        messages_.information(QStringLiteral("La notice %1 est introuvable.").arg(htmlFile));
        return;
    }
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(htmlFile)))
        return;
    if (!browser_) {
        browser_ = new QTextBrowser;
        browser_->setObjectName(QStringLiteral("Notice"));
        browser_->setWindowTitle(QStringLiteral("Notice Utilisation"));
        browser_->setOpenExternalLinks(true);
        browser_->resize(800, 700);
    }
    browser_->setSource(QUrl::fromLocalFile(htmlFile));
    browser_->show();
    browser_->raise();
}

} // namespace orvanta
