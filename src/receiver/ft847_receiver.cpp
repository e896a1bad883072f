#include "receiver/ft847_receiver.h"

#include "platform/text_numbers.h"
#include "receiver/ft847_frames.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace orvanta {

namespace {

const QString kCatLine = QStringLiteral("4800,n,8,2");
constexpr double kByteGap = 0.1; // the radio allows up to 0.2 s between bytes
// Kinds of refusal: each is shown once until a command goes out.
const QString kOutOfRange = QStringLiteral("hors limites");
const QString kUnknownTone = QStringLiteral("tonalite");
const QString kOutOfBand = QStringLiteral("bande");

} // namespace

Ft847Receiver::Ft847Receiver(SerialLine &line, Waiter &waiter, MessageBoxes &messages, ReceiverLineQueue &queue)
    : line_(line), waiter_(waiter), refusals_(messages), queue_(queue)
{
}

void Ft847Receiver::Programme_FT847(const QString &mode)
{
    std::vector<QByteArray> blocks{ft847::catOn()};
    if (const auto setMode = ft847::setMainMode(mode))
        blocks.push_back(*setMode);
    send(ReceiverLineQueue::Ft847Mode, std::move(blocks));
}

void Ft847Receiver::Frequence_FT847(double frequence)
{
    const auto block = ft847::setMainFrequency(frequence);
    if (!block) {
        refusals_.refused(kOutOfRange,
                          QCoreApplication::translate(
                              "Receiver", "Frequence FT847 non envoyee : la frequence %1 MHz est hors limites")
                              .arg(std::isfinite(frequence) ? shortestText(frequence) : QString::number(frequence)));
        return;
    }
    send(ReceiverLineQueue::Ft847Frequency, {*block});
    refusals_.sent();
}

void Ft847Receiver::Fin_Controle()
{
    send(ReceiverLineQueue::Ft847End, {ft847::catOff()});
}

bool Ft847Receiver::startSatellite(const QString &receiveMode, const QString &transmitMode, qint64 receiveHz,
                                   qint64 transmitHz, double toneHz)
{
    using ft847::SatelliteVfo;
    const bool receives = ft847::receivesOn(receiveHz / 1e6);
    const bool transmits = ft847::transmitsOn(transmitHz / 1e6);
    if (!receives || !transmits) {
        // Only the link the radio cannot work is named.
        QStringList links;
        if (!receives)
            links
                << QCoreApplication::translate("Receiver", "recevoir sur %1 MHz").arg(formatFixed(receiveHz / 1e6, 5));
        if (!transmits)
            links
                << QCoreApplication::translate("Receiver", "émettre sur %1 MHz").arg(formatFixed(transmitHz / 1e6, 5));
        refusals_.refused(kOutOfBand,
                          QCoreApplication::translate("Receiver", "Mode satellite non engagé : le FT847 ne peut pas %1")
                              .arg(links.join(QCoreApplication::translate("Receiver", " ni "))));
        return false;
    }
    std::vector<QByteArray> blocks{ft847::catOn(), ft847::satelliteModeOn()};
    const std::optional<QByteArray> tone = ft847::setSatelliteTone(toneHz);
    if (toneHz > 0 && !tone)
        refusals_.refused(kUnknownTone,
                          QCoreApplication::translate(
                              "Receiver", "Tonalité CTCSS non envoyée : le FT847 n'a pas de tonalité de %1 Hz")
                              .arg(shortestText(toneHz)));
    for (const auto &block : {ft847::setSatelliteMode(SatelliteVfo::Receive, receiveMode),
                              ft847::setSatelliteMode(SatelliteVfo::Transmit, transmitMode),
                              std::optional(ft847::satelliteToneEncoder(tone.has_value())), tone,
                              ft847::setSatelliteFrequency(SatelliteVfo::Receive, receiveHz / 1e6),
                              ft847::setSatelliteFrequency(SatelliteVfo::Transmit, transmitHz / 1e6)})
        if (block)
            blocks.push_back(*block);
    send(ReceiverLineQueue::Ft847Satellite, std::move(blocks));
    return true;
}

void Ft847Receiver::satelliteFrequencies(std::optional<qint64> receiveHz, std::optional<qint64> transmitHz)
{
    std::vector<QByteArray> blocks;
    if (receiveHz)
        if (const auto block = ft847::setSatelliteFrequency(ft847::SatelliteVfo::Receive, *receiveHz / 1e6))
            blocks.push_back(*block);
    if (transmitHz)
        if (const auto block = ft847::setSatelliteFrequency(ft847::SatelliteVfo::Transmit, *transmitHz / 1e6))
            blocks.push_back(*block);
    if (!blocks.empty())
        send(ReceiverLineQueue::Ft847SatelliteFrequency, std::move(blocks));
}

void Ft847Receiver::endSatellite()
{
    send(ReceiverLineQueue::Ft847Satellite, {ft847::satelliteModeOff()});
}

// A block whose bytes were mixed with another's could form a different
// instruction (08 is PTT ON), so blocks asked for during the pauses, and the
// AR5000 panel's commands, wait for the current ones to end.
void Ft847Receiver::send(int key, std::vector<QByteArray> blocks)
{
    queue_.run(key, [this, blocks = std::move(blocks)] {
        line_.setSettings(kCatLine);
        for (const QByteArray &block : blocks)
            for (char byte : block) {
                line_.Output(QByteArray(1, byte));
                waiter_.Attente(kByteGap);
            }
    });
}

} // namespace orvanta
