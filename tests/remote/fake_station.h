#pragma once

#include "remote/remote_station.h"

#include <QStringList>

namespace orvanta::test {

// Records what the remote asked, as the window's clicks would have done it.
class FakeStation : public RemoteStation {
public:
    RemoteSnapshot state;
    QString holds;
    QStringList calls;

    RemoteSnapshot snapshot() const override { return state; }
    QString windowHolds() const override { return holds; }
    QString setSwitches(std::optional<bool> rotor, std::optional<bool> doppler, std::optional<bool> receiver) override
    {
        calls << QStringLiteral("switches %1 %2 %3").arg(text(rotor), text(doppler), text(receiver));
        return {};
    }
    QString point(double az, double el) override
    {
        calls << QStringLiteral("point %1 %2").arg(az).arg(el);
        return {};
    }
    QString park() override
    {
        calls << QStringLiteral("park");
        return {};
    }
    QString tune(std::optional<int> stepHz, std::optional<int> steps) override
    {
        calls << QStringLiteral("tune %1 %2").arg(stepHz ? *stepHz : -1).arg(steps ? *steps : 0);
        return {};
    }
    QString stopAll() override
    {
        calls << QStringLiteral("stop");
        return {};
    }

private:
    static QString text(std::optional<bool> value) { return value ? (*value ? "on" : "off") : "-"; }
};

} // namespace orvanta::test
