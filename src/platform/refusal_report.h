#pragma once

#include "platform/message_boxes.h"

#include <QString>

namespace orvanta {

// Tells the operator that a device command was not sent. The tracking cycle
// repeats its commands every few seconds, so the same refusal is shown once
// and not again until a command has gone out: a lasting fault gives one
// message, not one per tick (nor a pile of boxes while the first is open).
class RefusalReport {
public:
    explicit RefusalReport(MessageBoxes &messages) : messages_(messages) {}

    void refused(const QString &text)
    {
        if (text == lastShown_)
            return;
        lastShown_ = text; // before showing: the box lets ticks run
        messages_.information(text);
    }
    void sent() { lastShown_.clear(); }

private:
    MessageBoxes &messages_;
    QString lastShown_;
};

} // namespace orvanta
