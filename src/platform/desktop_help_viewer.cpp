#include "platform/desktop_help_viewer.h"

#include "platform/message_boxes.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

namespace orvanta {

DesktopHelpViewer::~DesktopHelpViewer()
{
    delete browser_;
}

namespace
{

QString manualIn(InterfaceLanguage language, const QString &htmlFile)
{
    if (language == InterfaceLanguage::French)
        return htmlFile;
    const QFileInfo french(htmlFile);
    const QString english = french.dir().filePath(french.completeBaseName() + QStringLiteral("_en.") + french.suffix());
    return QFileInfo(english).isFile() ? english : htmlFile;
}

} // namespace

void DesktopHelpViewer::show(const QString &frenchFile)
{
    const QString htmlFile = manualIn(language_, frenchFile);
    if (!QFileInfo(htmlFile).isFile()) {
        messages_.information(QCoreApplication::translate("Help", "La notice %1 est introuvable.").arg(htmlFile));
        return;
    }
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(htmlFile)))
        return;
    if (!browser_) {
        browser_ = new QTextBrowser;
        browser_->setObjectName(QStringLiteral("Notice"));
        browser_->setWindowTitle(QCoreApplication::translate("Help", "Notice Utilisation"));
        browser_->setOpenExternalLinks(true);
        browser_->resize(800, 700);
    }
    browser_->setSource(QUrl::fromLocalFile(htmlFile));
    browser_->show();
    browser_->raise();
}

} // namespace orvanta
