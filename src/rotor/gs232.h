#pragma once

#include "platform/message_boxes.h"
#include "platform/refusal_report.h"
#include "platform/serial_line.h"

#include <QString>

#include <optional>

namespace orvanta {

// Where a GS-232 controller says its rotor points, degrees.
struct Gs232Position {
    double azimuthDeg = 0;
    double elevationDeg = 0;
};

// A rotor controller speaking the GS-232 command set on the rotor line: one
// "W" command per pointing carries azimuth and elevation in whole degrees.
class Gs232 {
public:
    Gs232(SerialLine &line, MessageBoxes &messages);

    // Angles in degrees, as numbers or as the text of a number. A value that
    // does not fit the command's three characters, or text that is not a
    // number, sends nothing and is reported; a negative elevation is sent as
    // 000. On a closed line nothing goes out.
    void Commande_GS232(double azimut, double site);
    void Commande_GS232(const QString &azimut, const QString &site);

    // Asks the controller where it points ("C2"). The answer is read from
    // the line when it comes ("+0aaa+0eee", or "AZ=aaa  EL=eee" on a
    // GS-232B); position() then gives it. An answer that cannot be read, or
    // out of 0-450 / 0-180, is left out and said once until a good one comes.
    void askPosition();
    std::optional<Gs232Position> position() const { return position_; }

private:
    struct Angle {
        std::optional<double> degrees;
        QString asGiven; // for the message
        static Angle fromNumber(double degrees);
    };
    void command(const Angle &azimut, const Angle &site);

    void received(const QByteArray &bytes);
    void answered(const QByteArray &answer);

    SerialLine &line_;
    MessageBoxes &messages_;
    RefusalReport refusals_;
    QByteArray pending_; // an answer not ended yet
    std::optional<Gs232Position> position_;
    bool badAnswerSaid_ = false;
};

} // namespace orvanta
