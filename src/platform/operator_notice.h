#pragma once

#include "platform/message_boxes.h"

#include <QString>
#include <QStringList>

namespace orvanta {

// Shows device news to the operator one box at a time. A box lets the window
// run, so news arriving while one is open would open another inside it: it
// waits instead (once, however often it arrives) and follows when the box is
// closed.
class OperatorNotice {
public:
    explicit OperatorNotice(MessageBoxes &messages) : messages_(messages) {}

    void tell(const QString &text)
    {
        if (!waiting_.contains(text))
            waiting_.append(text);
        if (showing_)
            return;
        showing_ = true;
        while (!waiting_.isEmpty())
            messages_.information(waiting_.takeFirst());
        showing_ = false;
    }

private:
    MessageBoxes &messages_;
    QStringList waiting_;
    bool showing_ = false;
};

} // namespace orvanta
