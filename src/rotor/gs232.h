#pragma once

#include "platform/message_boxes.h"
#include "platform/refusal_report.h"
#include "platform/serial_line.h"

#include <QString>

#include <optional>

namespace orvanta {

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

private:
    struct Angle {
        std::optional<double> degrees;
        QString asGiven; // for the message
        static Angle fromNumber(double degrees);
    };
    void command(const Angle &azimut, const Angle &site);

    SerialLine &line_;
    RefusalReport refusals_;
};

} // namespace orvanta
