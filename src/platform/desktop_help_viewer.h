#pragma once

#include "platform/help_viewer.h"

#include <QPointer>

class QTextBrowser;

namespace orvanta {

class MessageBoxes;

// The desktop's browser; without one, a window of our own.
class DesktopHelpViewer final : public HelpViewer {
public:
    explicit DesktopHelpViewer(MessageBoxes &messages) : messages_(messages) {}
    ~DesktopHelpViewer() override;
    void show(const QString &htmlFile) override;

private:
    MessageBoxes &messages_;
    QPointer<QTextBrowser> browser_;
};

} // namespace orvanta
