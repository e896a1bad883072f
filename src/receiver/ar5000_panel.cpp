#include "receiver/ar5000_panel.h"

#include "receiver/ar5000_command.h"

namespace orvanta {

Ar5000Panel::Ar5000Panel(SerialLine &line, QObject *parent) : QObject(parent), line_(line) {}

void Ar5000Panel::selectOption(const QString &group, int option)
{
    const Ar5000Group *found = findAr5000Group(group);
    if (!found || option < 1 || option > static_cast<int>(found->options.size()))
        return;
    if (selected_.value(group) == option)
        return;
    selected_[group] = option;
    emit optionSelected(group, option);
    sendChoice(*found, option);
}

int Ar5000Panel::selectedOption(const QString &group) const
{
    return selected_.value(group);
}

void Ar5000Panel::sendChoice(const Ar5000Group &group, int option)
{
    if (!group.before.isEmpty())
        sendAr5000Command(line_, group.before);
    sendAr5000Command(line_, group.options[option - 1].command);
    sendAr5000Command(line_, "EX");
}

} // namespace orvanta
