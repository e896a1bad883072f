#include "config/device_entries.h"

#include "config/config_view.h"

#include <QAction>

namespace orvanta {

namespace {

void check(QAction *entry, bool checked)
{
    if (entry)
        entry->setChecked(checked);
}

} // namespace

void markDevices(const DeviceEntries &entries, const DeviceMarks &marks)
{
    if (marks.receiver != ReceiverKind::None) {
        check(entries.ar5000, marks.receiver == ReceiverKind::Ar5000);
        check(entries.ft847, marks.receiver == ReceiverKind::Ft847);
        check(entries.hamlibReceiver, marks.receiver == ReceiverKind::Hamlib);
    }
    if (marks.rotor != RotorKind::None) {
        check(entries.fodtrack, marks.rotor == RotorKind::Fodtrack);
        check(entries.gs232, marks.rotor == RotorKind::Gs232);
        check(entries.hamlibRotor, marks.rotor == RotorKind::Hamlib);
    }
    for (std::size_t i = 0; i < kLineSpeeds.size(); ++i) {
        if (marks.receiverSpeed != 0)
            check(entries.receiverSpeeds[i], kLineSpeeds[i] == marks.receiverSpeed);
    }
    for (std::size_t i = 0; i < kLineSpeeds.size(); ++i) {
        if (marks.rotorSpeed != 0)
            check(entries.rotorSpeeds[i], kLineSpeeds[i] == marks.rotorSpeed);
    }
    if (marks.parallelAddress == 888 || marks.parallelAddress == 632) {
        check(entries.lpt378, marks.parallelAddress == 888);
        check(entries.lpt278, marks.parallelAddress == 632);
    }
}

} // namespace orvanta
