#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace orvanta {

class MessageBoxes;
class Rotor;

// What the manual pointing window does, apart from its window: the azimuth
// and elevation typed or stepped by the operator, checked and sent to the
// station's rotor at every accepted change, both axes each time.
class ManualPointing {
public:
    // The rotor of the configured interface, looked up at each pointing; none
    // (an interface nobody drives) sends nothing.
    using RotorChoice = std::function<Rotor *()>;

    ManualPointing(RotorChoice rotor, MessageBoxes &messages);

    const QString &Az_Man() const { return azimut_; }
    const QString &Si_Man() const { return site_; }

    // The operator changed a box. A value above the limit or a text that is
    // not one number is refused with the box's message; nothing is sent
    // while either box is empty or not a number. The box keeps what was typed.
    void azimutChanged(const QString &text);
    void siteChanged(const QString &text);

    // "+" and "-": one degree, within 0..360 and 0..90; the new text is a
    // change of the box, so the rotor is pointed at once.
    void plusAzimut();
    void moinsAzimut();
    void plusSite();
    void moinsSite();

    // The texts of one box: its limit and its messages.
    struct Axis {
        double limit;
        QString aboveLimit;
        QString incorrect;
        QString atMaximum;
        QString atMinimum;
        QString specify;
    };

private:
    void changed(const Axis &axis, QString &text, const QString &newText);
    void step(const Axis &axis, QString &text, int direction);
    static std::optional<double> accepted(const Axis &axis, const QString &text);
    void point();

    RotorChoice rotor_;
    MessageBoxes &messages_;
    QString azimut_ = QStringLiteral("0");
    QString site_ = QStringLiteral("0");
};

} // namespace orvanta
