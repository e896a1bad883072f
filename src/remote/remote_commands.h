#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>
#include <variant>

namespace orvanta {

// A request refused: the HTTP status and the reason, in French.
struct Refusal {
    int status = 400;
    QString reason;
};

struct LoginCommand {
    QByteArray password;
};
struct SwitchesCommand {
    std::optional<bool> rotor;
    std::optional<bool> doppler;
    std::optional<bool> receiver;
};
struct PointingCommand {
    double azimuthDeg = 0;
    double elevationDeg = 0;
};
struct TuningCommand {
    std::optional<int> stepHz;
    std::optional<int> steps;
};
struct EmptyCommand {};

// Each reads a request's body: one JSON object with only the fields it knows,
// each of the right type and within its range.
std::variant<LoginCommand, Refusal> readLogin(const QByteArray &body);
std::variant<SwitchesCommand, Refusal> readSwitches(const QByteArray &body);
std::variant<PointingCommand, Refusal> readPointing(const QByteArray &body);
std::variant<TuningCommand, Refusal> readTuning(const QByteArray &body);
// Park, stop, logout: no body, or an empty object.
std::variant<EmptyCommand, Refusal> readEmpty(const QByteArray &body);

constexpr int kMaxTuningSteps = 1000;
constexpr int kMaxPasswordBytes = 1024;

} // namespace orvanta
