#pragma once

#include "support/pty.h"

#include <QByteArray>
#include <QList>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace orvanta::test {

// A GS-232 controller and its rotor at the far end of a pseudo-terminal:
// it turns toward each "W" command at a set speed on each axis, both at
// once, and answers "C2" with where its own motion has brought it. Time is
// the test's, in seconds.
class Gs232Simulator {
public:
    struct Position {
        double azimuthDeg = 0;
        double elevationDeg = 0;
    };

    Gs232Simulator(PtyPair &pty, double azimuthDegPerS, double elevationDegPerS)
        : pty_(pty), azimuthSpeed_(azimuthDegPerS), elevationSpeed_(elevationDegPerS)
    {
    }

    // A brake on: from then on it stays where it is.
    void stop(double seconds)
    {
        from_ = at(seconds);
        stopped_ = true;
    }
    QList<QByteArray> commands; // the "W" commands received

    Position at(double seconds) const
    {
        if (stopped_)
            return from_;
        const double t = std::max(0.0, seconds - since_);
        const auto axis = [t](double from, double to, double speed) {
            const double reach = speed * t;
            return std::abs(to - from) <= reach ? to : from + (to > from ? reach : -reach);
        };
        return {axis(from_.azimuthDeg, target_.azimuthDeg, azimuthSpeed_),
                axis(from_.elevationDeg, target_.elevationDeg, elevationSpeed_)};
    }

    // What the station sent by now, handled in order.
    void serve(double seconds)
    {
        pending_ += pty_.readAll(50);
        qsizetype end;
        while ((end = pending_.indexOf('\r')) >= 0) {
            const QByteArray command = pending_.left(end);
            pending_.remove(0, end + 1);
            if (command == "C2") {
                const Position p = at(seconds);
                char answer[32];
                std::snprintf(answer, sizeof answer, "+0%03d+0%03d\r", int(std::lround(p.azimuthDeg)),
                              int(std::lround(p.elevationDeg)));
                pty_.write(answer);
            } else if (command.startsWith('W') && command.size() == 8) {
                commands << command;
                if (!stopped_)
                    from_ = at(seconds);
                since_ = seconds;
                target_ = {command.mid(1, 3).toDouble(), command.mid(5, 3).toDouble()};
            }
        }
    }

private:
    PtyPair &pty_;
    double azimuthSpeed_;
    double elevationSpeed_;
    QByteArray pending_;
    Position from_;
    Position target_;
    double since_ = 0;
    bool stopped_ = false;
};

} // namespace orvanta::test
