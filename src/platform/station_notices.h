#pragma once

#include "platform/message_boxes.h"

#include <QObject>
#include <QString>

namespace orvanta {

// The station's messages. Whatever a tick, an alarm or a device says may come
// in the middle of a device sequence (a wait dispatches events), so it is
// shown after the handler that has it, in a box that holds nothing: the rotor
// and the radio keep their rhythm while it is open. Nothing is shown once the
// station has ended. A question is asked at once, since its answer is wanted.
class StationNotices final : public MessageBoxes {
public:
    explicit StationNotices(MessageBoxes &boxes) : boxes_(boxes) {}

    void later(const QString &text, const QString &title = QStringLiteral("Orvanta"), Icon icon = Icon::None);
    // The station has ended: what is still to show is dropped.
    void stop() { stopped_ = true; }

    void information(const QString &text, const QString &title, Icon icon) override { later(text, title, icon); }
    void notice(const QString &text, const QString &title, Icon icon) override { later(text, title, icon); }
    bool question(const QString &text, const QString &title) override { return boxes_.question(text, title); }

private:
    MessageBoxes &boxes_;
    QObject context_; // bounds the messages still to show
    bool stopped_ = false;
};

} // namespace orvanta
