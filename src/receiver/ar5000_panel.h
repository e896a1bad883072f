#pragma once

#include "platform/serial_line.h"
#include "receiver/ar5000_groups.h"
#include "receiver/ar5000_selections.h"
#include "receiver/receiver_line_queue.h"

#include <QHash>
#include <QObject>

#include <functional>

namespace orvanta {

// The AR5000 panel's settings, with or without its window: which option of
// each group is selected (none at first), and the group's handler that sends
// the chosen setting followed by "EX". It lives as long as the program, so
// the selections outlast the window being hidden.
//
// The commands go out only while the receiver chosen is the AR5000 (with an
// FT-847 on the line they would be taken for part of a CAT frame), and
// through the receiver line's queue, so never in the middle of another
// driver's sequence.
class Ar5000Panel : public QObject, public Ar5000Selections {
    Q_OBJECT
public:
    using ReceiverIsAr5000 = std::function<bool()>;
    Ar5000Panel(SerialLine &line, ReceiverLineQueue &queue, ReceiverIsAr5000 receiverIsAr5000,
                QObject *parent = nullptr);

    // Runs the group's handler only when the selection changes; unknown
    // groups and options are ignored.
    void selectOption(const QString &group, int option) override;
    // 0 when no option of the group is selected.
    int selectedOption(const QString &group) const;

signals:
    void optionSelected(const QString &group, int option);

private:
    void sendChoice(const Ar5000Group &group);

    SerialLine &line_;
    ReceiverLineQueue &queue_;
    ReceiverIsAr5000 receiverIsAr5000_;
    QHash<QString, int> selected_;
};

} // namespace orvanta
