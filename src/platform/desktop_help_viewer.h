#pragma once

#include "platform/help_viewer.h"
#include "platform/interface_language.h"

#include <QPointer>

class QTextBrowser;

namespace orvanta {

class MessageBoxes;

// The desktop's browser; without one, a window of our own. In English, the
// English manual beside the French one ("Orvanta_en.html" beside
// "Orvanta.html") when there is one.
class DesktopHelpViewer final : public HelpViewer {
public:
    DesktopHelpViewer(MessageBoxes &messages, InterfaceLanguage language)
        : messages_(messages)
        , language_(language)
    {
    }
    ~DesktopHelpViewer() override;
    void show(const QString &htmlFile) override;

private:
    MessageBoxes &messages_;
    InterfaceLanguage language_;
    QPointer<QTextBrowser> browser_;
};

} // namespace orvanta
