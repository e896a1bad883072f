#include "tracking/rotor_steering.h"

#include "orbit/utc_time.h"
#include "platform/text_numbers.h"
#include "rotor/rotor.h"
#include "rotor/rotor_lead.h"

#include <QCoreApplication>

#include <chrono>
#include <cmath>

namespace orvanta {

namespace {

double secondsOf(double ole)
{
    return ole * orbit::kSecondsPerDay;
}

QString angles(const RotorAim &aim)
{
    return QStringLiteral("%1° / %2°").arg(formatFixed(aim.azimuthDeg, 0), formatFixed(aim.elevationDeg, 0));
}

// The rotor turns in the machine's own time, whatever the station's clock
// says (a rehearsal, a clock set while running).
double steadySeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

} // namespace

RotorAim RotorSteering::estimatedNow(Rotor &rotor, double nowSeconds, const RotorAim &otherwise,
                                     const Settings &settings) const
{
    if (!lastCommand_)
        return rotor.position().value_or(otherwise);
    const RotorAim from = rotor.position().value_or(lastEstimate_);
    return rotorAfter(from, *lastCommand_, settings.speeds, nowSeconds - lastSeconds_);
}

void RotorSteering::watch(Rotor &rotor, const Settings &settings)
{
    const std::optional<RotorAim> reading = rotor.position();
    if (!reading || !commandBefore_ || watchedSeconds_ == lastSentSteady_)
        return;
    watchedSeconds_ = lastSentSteady_;
    watch_.setSettings({settings.speeds, settings.allowedErrorDeg});
    meter_.observe(lastSentSteady_, *reading, *commandBefore_);
    if (const auto report = watch_.observe(lastSentSteady_, *reading, *commandBefore_); report && notify)
        notify(QCoreApplication::translate("Tracking", "Le rotor ne suit pas : il est à %1 et devrait être à %2.")
                   .arg(angles(report->reading), angles(report->command)));
}

void RotorSteering::sent(Rotor &rotor, const RotorAim &command, double nowSeconds, const Settings &settings)
{
    lastEstimate_ = estimatedNow(rotor, nowSeconds, command, settings);
    commandBefore_ = lastCommand_;
    lastCommand_ = command;
    lastSeconds_ = nowSeconds;
    lastSentSteady_ = steadySeconds();
    rotor.point(command.azimuthDeg, command.elevationDeg);
}

RotorAim RotorSteering::follow(Rotor &rotor, orbit::Satellites &satellites, const orbit::PredictedPass &pass,
                               double nowOle, double azimuthDeg, double elevationDeg, const Settings &settings,
                               bool fromNow)
{
    const double now = secondsOf(nowOle);
    parked_ = false;
    watch(rotor, settings);
    std::optional<PassPointing::Lead> lead;
    if (settings.lead && settings.speeds.valid())
        lead = PassPointing::Lead{estimatedNow(rotor, now, {azimuthDeg, elevationDeg}, settings), settings.speeds,
                                  settings.intervalSeconds};
    guide_.setAzimuthSpeed(settings.speeds.azimuthDegPerS);
    const RotorAim command =
        guide_.follow(satellites, pass, nowOle, rotor.range(), azimuthDeg, elevationDeg, lead, fromNow);
    sent(rotor, command, now, settings);
    return command;
}

std::optional<RotorAim> RotorSteering::between(Rotor &rotor, orbit::Satellites &satellites,
                                               const orbit::PredictedPass &next, double nowOle,
                                               const Settings &settings)
{
    const double now = secondsOf(nowOle);
    const double untilRise = next.aos.minutesSince(orbit::julianFromOle(nowOle));
    if (settings.parkBetweenPasses && untilRise > settings.parkAfterMinutes) {
        guide_.trackingStopped(); // parked, the next pass waits for its time again
        if (parked_)
            return std::nullopt;
        parked_ = true;
        const orbit::HorizonMask &mask = guide_.horizon();
        RotorAim park = settings.park;
        park.elevationDeg = std::max(park.elevationDeg, std::ceil(mask.minimumElevationDeg(park.azimuthDeg)));
        lastCommand_.reset(); // the park is no command the watch follows
        commandBefore_.reset();
        rotor.park(park.azimuthDeg, park.elevationDeg);
        return park;
    }
    parked_ = false;
    watch(rotor, settings);
    guide_.setAzimuthSpeed(settings.speeds.azimuthDegPerS);
    const std::optional<RotorAim> aim = guide_.waitFor(satellites, next, nowOle, rotor.range(), settings.waiting);
    if (aim)
        sent(rotor, *aim, now, settings);
    return aim;
}

void RotorSteering::trackingStopped()
{
    guide_.trackingStopped();
    heldByHand();
}

void RotorSteering::heldByHand()
{
    watch_.reset();
    lastCommand_.reset();
    commandBefore_.reset();
    parked_ = false;
}

} // namespace orvanta
