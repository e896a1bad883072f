#include "receiver/ar5000_receiver.h"

#include "platform/text_numbers.h"
#include "receiver/ar5000_command.h"

#include <QCoreApplication>

#include <cmath>

namespace orvanta {

namespace {

constexpr double kSettle = 0.1; // between the fixed set-up commands
// Kinds of refusal: each is shown once until a command goes out.
const QString kBadNumber = QStringLiteral("valeur");

struct ModeSetting {
    ReceiverMode mode;
    const char *demodulation;
    int demodulationOption;
    const char *antenna;
    int antennaOption;
    const char *bandwidth;
    int bandwidthOption;
    bool bandwidthMarkedFirst; // the panel hears of it before the receiver
};

constexpr ModeSetting kModes[] = {
    {ReceiverMode::A, "MD0", 2, "AN2", 2, "BW4", 4, false},
    {ReceiverMode::B, "MD0", 2, "AN1", 1, "BW3", 3, false},
    {ReceiverMode::C, "MD3", 4, "AN1", 1, "BW3", 3, false},
    {ReceiverMode::D, "MD3", 4, "AN1", 1, "BW2", 2, true},
};

} // namespace

Ar5000Receiver::Ar5000Receiver(SerialLine &line, Waiter &waiter, Ar5000Selections &panel,
                               MessageBoxes &messages, ReceiverLineQueue &queue)
    : line_(line), waiter_(waiter), panel_(panel), refusals_(messages), queue_(queue)
{
}

void Ar5000Receiver::send(const char *command)
{
    sendAr5000Command(line_, command);
}

// The panel's own command for the option goes out at once, within the
// set-up, as the receiver has always heard it.
void Ar5000Receiver::select(const char *group, int option)
{
    queue_.runInPlace([&] { panel_.selectOption(QString::fromLatin1(group), option); });
}

void Ar5000Receiver::setUp(const char *command, const char *group, int option)
{
    send(command);
    select(group, option);
    waiter_.Attente(kSettle);
}

void Ar5000Receiver::Programme_AR5000(ReceiverMode mode)
{
    queue_.run(ReceiverLineQueue::Ar5000SetUp, [this, mode] { setUpFor(mode); });
}

void Ar5000Receiver::setUpFor(ReceiverMode mode)
{
    send("VA");
    setUp("AC2", "CAG", 2);
    setUp("LP3", "AF_LPF", 4);
    // The panel's 0.4 kHz option sends HP3, so the receiver hears HP4 then HP3.
    setUp("HP4", "AF_HPF", 4);
    setUp("EN4", "Prea", 5);
    setUp("ST1.0", "Pas", 4);

    for (const ModeSetting &m : kModes) {
        if (mode != m.mode)
            continue;
        send(m.demodulation);
        select("Mode", m.demodulationOption);
        send(m.antenna);
        select("Ant", m.antennaOption);
        if (m.bandwidthMarkedFirst) {
            select("IF_BW", m.bandwidthOption);
            send(m.bandwidth);
        } else {
            send(m.bandwidth);
            select("IF_BW", m.bandwidthOption);
        }
        return;
    }
}

void Ar5000Receiver::Frequence_AR5000(double frequence)
{
    if (!std::isfinite(frequence) || frequence < 0) {
        refusals_.refused(kBadNumber, QCoreApplication::translate(
                                          "Receiver", "Frequence AR5000 non envoyee : la frequence %1 est incorrecte")
                                          .arg(QString::number(frequence)));
        return;
    }
    const QByteArray command = "RF" + formatFixed(frequence, 4).toLatin1();
    queue_.run(ReceiverLineQueue::Ar5000Frequency, [this, command] { sendAr5000Command(line_, command); });
    refusals_.sent();
}

void Ar5000Receiver::Fin_Controle()
{
    queue_.run(ReceiverLineQueue::Ar5000End, [this] { send("EX"); });
}

} // namespace orvanta
