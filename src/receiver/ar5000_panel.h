#pragma once

#include "platform/serial_line.h"
#include "receiver/ar5000_groups.h"
#include "receiver/ar5000_selections.h"

#include <QHash>
#include <QObject>

namespace orvanta {

// The AR5000 panel's settings, with or without its window: which option of
// each group is selected (none at first), and the group's handler that sends
// the chosen setting followed by "EX". It lives as long as the program, so
// the selections outlast the window being hidden.
class Ar5000Panel : public QObject, public Ar5000Selections {
    Q_OBJECT
public:
    explicit Ar5000Panel(SerialLine &line, QObject *parent = nullptr);

    // Runs the group's handler only when the selection changes; unknown
    // groups and options are ignored.
    void selectOption(const QString &group, int option) override;
    // 0 when no option of the group is selected.
    int selectedOption(const QString &group) const;

signals:
    void optionSelected(const QString &group, int option);

private:
    void sendChoice(const Ar5000Group &group, int option);

    SerialLine &line_;
    QHash<QString, int> selected_;
};

} // namespace orvanta
