#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace orvanta {

// One receiver setting of the AR5000 panel: a group of options, each sending
// its own command.
struct Ar5000Option {
    QString caption;
    QByteArray command;
};

struct Ar5000Group {
    QString name;      // control name of the group
    QString caption;   // frame caption, French: translated where it is shown
    QByteArray before; // sent ahead of the option's command, when any
    std::vector<Ar5000Option> options; // option i (from 1) is options[i - 1]
};

// The eight groups, in the panel's order.
const std::vector<Ar5000Group> &ar5000Groups();
const Ar5000Group *findAr5000Group(const QString &name);

} // namespace orvanta
