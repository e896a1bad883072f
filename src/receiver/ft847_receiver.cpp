#include "receiver/ft847_receiver.h"

#include "platform/text_numbers.h"
#include "receiver/ft847_frames.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace orvanta {

namespace {

const QString kCatLine = QStringLiteral("4800,n,8,2");
// How long the radio has to answer a read: its five bytes take 12 ms.
constexpr double kAnswerSeconds = 0.3;
constexpr double kAnswerPoll = 0.01;
// Kinds of refusal: each is shown once until a command goes out.
const QString kOutOfRange = QStringLiteral("hors limites");
const QString kUnknownTone = QStringLiteral("tonalite");
const QString kOutOfBand = QStringLiteral("bande");

} // namespace

Ft847Receiver::Ft847Receiver(SerialLine &line, Waiter &waiter, MessageBoxes &messages, ReceiverLineQueue &queue,
                             double satelliteByteGap)
    : line_(line), waiter_(waiter), refusals_(messages), queue_(queue), satelliteGap_(satelliteByteGap)
{
}

void Ft847Receiver::Programme_FT847(ReceiverMode mode)
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
    std::vector<QByteArray> blocks{ft847::satelliteModeOn()};
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
    queue_.run(ReceiverLineQueue::Ft847Satellite, [this, blocks = std::move(blocks)] {
        line_.setSettings(kCatLine);
        write(ft847::catOn(), kByteGap);
        for (const QByteArray &block : blocks)
            write(block, satelliteGap_);
    });
    return true;
}

void Ft847Receiver::satelliteFrequencies(std::function<SatelliteTurn()> turn, FrequencyAt frequencyAt)
{
    turn_ = std::move(turn);
    frequencyAt_ = std::move(frequencyAt);
    queue_.run(ReceiverLineQueue::Ft847SatelliteFrequency, [this] {
        if (!frequencyAt_ || !turn_)
            return;
        using ft847::SatelliteVfo;
        line_.setSettings(kCatLine);
        const SatelliteTurn turn = turn_();
        if (turn.readBefore)
            readSatelliteReceive();
        // A frame lands with its last byte, after the pauses of the four before.
        const double lands = 4 * satelliteGap_;
        if (frequencyAt_)
            if (const std::optional<qint64> receive = frequencyAt_(SatelliteVfo::Receive, lands))
                if (const auto block = ft847::setSatelliteFrequency(SatelliteVfo::Receive, *receive / 1e6))
                    write(*block, satelliteGap_);
        if (turn.transmit && frequencyAt_)
            if (const std::optional<qint64> transmit = frequencyAt_(SatelliteVfo::Transmit, lands))
                if (const auto block = ft847::setSatelliteFrequency(SatelliteVfo::Transmit, *transmit / 1e6))
                    write(*block, satelliteGap_);
    });
}

double Ft847Receiver::satelliteReadSeconds() const
{
    constexpr double kAnswered = 0.02; // five bytes at 4800 baud and the poll that finds them
    return 4 * satelliteGap_ + kAnswered;
}

void Ft847Receiver::readSatelliteReceive()
{
    if (!reader_)
        return;
    line_.Input(); // nothing stale is taken for the answer
    const QByteArray read = ft847::readSatelliteReceive();
    write(read.left(read.size() - 1), satelliteGap_);
    line_.Output(read.right(1));
    QByteArray answer = line_.Input();
    for (double waited = 0; answer.size() < 5 && waited < kAnswerSeconds; waited += kAnswerPoll) {
        waiter_.Attente(kAnswerPoll);
        answer += line_.Input();
    }
    if (reader_)
        reader_(ft847::answeredFrequency(answer.left(5)));
}

void Ft847Receiver::endSatellite()
{
    frequencyAt_ = nullptr;
    send(ReceiverLineQueue::Ft847Satellite, {ft847::satelliteModeOff()}, satelliteGap_);
}

// A block whose bytes were mixed with another's could form a different
// instruction (08 is PTT ON), so blocks asked for during the pauses, and the
// AR5000 panel's commands, wait for the current ones to end.
void Ft847Receiver::send(int key, std::vector<QByteArray> blocks, double gap)
{
    queue_.run(key, [this, blocks = std::move(blocks), gap] {
        line_.setSettings(kCatLine);
        for (const QByteArray &block : blocks)
            write(block, gap);
    });
}

void Ft847Receiver::write(const QByteArray &block, double gap)
{
    for (char byte : block) {
        line_.Output(QByteArray(1, byte));
        waiter_.Attente(gap);
    }
}

} // namespace orvanta
