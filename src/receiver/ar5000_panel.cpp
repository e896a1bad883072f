#include "receiver/ar5000_panel.h"

#include "receiver/ar5000_command.h"

namespace orvanta {

Ar5000Panel::Ar5000Panel(SerialLine &line, ReceiverLineQueue &queue, ReceiverIsAr5000 receiverIsAr5000,
                         QObject *parent)
    : QObject(parent), line_(line), queue_(queue), receiverIsAr5000_(std::move(receiverIsAr5000))
{
}

void Ar5000Panel::selectOption(const QString &group, int option)
{
    const Ar5000Group *found = findAr5000Group(group);
    if (!found || option < 1 || option > static_cast<int>(found->options.size()))
        return;
    if (selected_.value(group) == option)
        return;
    selected_[group] = option;
    emit optionSelected(group, option);
    if (!receiverIsAr5000_())
        return;
    const int key = ReceiverLineQueue::FirstPanelGroup + static_cast<int>(found - ar5000Groups().data());
    queue_.run(key, [this, found] { sendChoice(*found); });
}

int Ar5000Panel::selectedOption(const QString &group) const
{
    return selected_.value(group);
}

// Sends the group's selection as it stands when the line is free, which may
// be later than the click.
void Ar5000Panel::sendChoice(const Ar5000Group &group)
{
    if (!group.before.isEmpty())
        sendAr5000Command(line_, group.before);
    sendAr5000Command(line_, group.options[selected_.value(group.name) - 1].command);
    sendAr5000Command(line_, "EX");
}

} // namespace orvanta
