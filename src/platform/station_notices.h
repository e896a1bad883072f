#pragma once

#include "platform/message_boxes.h"

#include <QString>

class QObject;

namespace orvanta {

// The station's messages, shown after the handler that has them rather than
// inside it (a box lets the timers and the clicks run), and never once the
// station has ended. As message boxes, information comes later the same way;
// a question is asked at once, since its answer is wanted.
class StationNotices final : public MessageBoxes {
public:
    // context: the object whose life bounds the messages still to show.
    StationNotices(MessageBoxes &boxes, QObject &context) : boxes_(boxes), context_(context) {}

    void later(const QString &text, const QString &title = QStringLiteral("Orvanta"), Icon icon = Icon::None);
    // The station has ended: what is still to show is dropped.
    void stop() { stopped_ = true; }

    void information(const QString &text, const QString &title, Icon icon) override { later(text, title, icon); }
    bool question(const QString &text, const QString &title) override { return boxes_.question(text, title); }

private:
    MessageBoxes &boxes_;
    QObject &context_;
    bool stopped_ = false;
};

} // namespace orvanta
