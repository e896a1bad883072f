#pragma once

#include "platform/message_boxes.h"

#include <QSet>
#include <QString>

namespace orvanta {

// Tells the operator that a device command was not sent. The tracking cycle
// repeats its commands every few seconds, and with Doppler correction the
// refused value changes at each one, so a refusal is shown once per kind
// (say, "frequency out of the radio's range") whatever the value in its
// text, and not again until a command of the driver has gone out: a lasting
// fault gives one message, not one per tick (nor a pile of boxes while the
// first is open).
class RefusalReport {
public:
    explicit RefusalReport(MessageBoxes &messages) : messages_(messages) {}

    void refused(const QString &kind, const QString &text)
    {
        if (shownKinds_.contains(kind))
            return;
        shownKinds_.insert(kind); // before showing: the box lets ticks run
        messages_.information(text);
    }
    void sent() { shownKinds_.clear(); }

private:
    MessageBoxes &messages_;
    QSet<QString> shownKinds_;
};

} // namespace orvanta
