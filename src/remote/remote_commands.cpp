#include "remote/remote_commands.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QStringList>

#include <cmath>

namespace orvanta {

namespace {

std::variant<QJsonObject, Refusal> readObject(const QByteArray &body, const QStringList &known)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return Refusal{400, QCoreApplication::translate("Remote", "Corps illisible : un objet JSON est attendu.")};
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it)
        if (!known.contains(it.key()))
            return Refusal{
                400,
                known.isEmpty()
                    ? QCoreApplication::translate("Remote", "Champ inconnu : %1 (aucun champ attendu).").arg(it.key())
                    : QStringLiteral("Champ inconnu : %1 (attendus : %2).")
                          .arg(it.key(), known.join(QStringLiteral(", ")))};
    return object;
}

Refusal wrongType(const QString &field, const QString &expected)
{
    return Refusal{400, QCoreApplication::translate("Remote", "Le champ %1 doit être %2.").arg(field, expected)};
}

} // namespace

std::variant<LoginCommand, Refusal> readLogin(const QByteArray &body)
{
    auto read = readObject(body, {QStringLiteral("password")});
    if (auto *refusal = std::get_if<Refusal>(&read))
        return *refusal;
    const QJsonValue password = std::get<QJsonObject>(read).value(QStringLiteral("password"));
    if (!password.isString())
        return wrongType(QStringLiteral("password"), QCoreApplication::translate("Remote", "un texte"));
    QByteArray bytes = password.toString().toUtf8();
    if (bytes.size() > kMaxPasswordBytes)
        return Refusal{400, QCoreApplication::translate("Remote", "Mot de passe trop long (%1 octets au plus).")
                                .arg(kMaxPasswordBytes)};
    return LoginCommand{std::move(bytes)};
}

std::variant<SwitchesCommand, Refusal> readSwitches(const QByteArray &body)
{
    auto read = readObject(body, {QStringLiteral("rotor"), QStringLiteral("doppler"), QStringLiteral("receiver")});
    if (auto *refusal = std::get_if<Refusal>(&read))
        return *refusal;
    const QJsonObject &object = std::get<QJsonObject>(read);
    if (object.isEmpty())
        return Refusal{
            400, QCoreApplication::translate("Remote", "Aucun interrupteur : rotor, doppler ou receiver est attendu.")};
    SwitchesCommand command;
    for (auto [field, target] : {std::pair{QStringLiteral("rotor"), &command.rotor},
                                 std::pair{QStringLiteral("doppler"), &command.doppler},
                                 std::pair{QStringLiteral("receiver"), &command.receiver}}) {
        if (!object.contains(field))
            continue;
        if (!object.value(field).isBool())
            return wrongType(field, QCoreApplication::translate("Remote", "true ou false"));
        *target = object.value(field).toBool();
    }
    return command;
}

std::variant<PointingCommand, Refusal> readPointing(const QByteArray &body)
{
    auto read = readObject(body, {QStringLiteral("azimuth"), QStringLiteral("elevation")});
    if (auto *refusal = std::get_if<Refusal>(&read))
        return *refusal;
    const QJsonObject &object = std::get<QJsonObject>(read);
    PointingCommand command;
    for (auto [field, target, limit] : {std::tuple{QStringLiteral("azimuth"), &command.azimuthDeg, 360.0},
                                        std::tuple{QStringLiteral("elevation"), &command.elevationDeg, 90.0}}) {
        const QJsonValue value = object.value(field);
        if (!value.isDouble())
            return wrongType(field, QCoreApplication::translate("Remote", "un nombre de degrés"));
        const double degrees = value.toDouble();
        if (!std::isfinite(degrees) || degrees < 0 || degrees > limit)
            return Refusal{400, QCoreApplication::translate("Remote", "Le champ %1 doit être entre 0 et %2 degrés.")
                                    .arg(field)
                                    .arg(limit)};
        *target = degrees;
    }
    return command;
}

std::variant<TuningCommand, Refusal> readTuning(const QByteArray &body)
{
    auto read = readObject(body, {QStringLiteral("step_hz"), QStringLiteral("steps")});
    if (auto *refusal = std::get_if<Refusal>(&read))
        return *refusal;
    const QJsonObject &object = std::get<QJsonObject>(read);
    if (object.isEmpty())
        return Refusal{400, QCoreApplication::translate("Remote", "Rien à accorder : step_hz ou steps est attendu.")};
    TuningCommand command;
    if (object.contains(QStringLiteral("step_hz"))) {
        const QJsonValue value = object.value(QStringLiteral("step_hz"));
        const double step = value.toDouble();
        if (!value.isDouble() || (step != 10 && step != 100 && step != 1000))
            return Refusal{400, QCoreApplication::translate("Remote", "Le pas step_hz doit être 10, 100 ou 1000 Hz.")};
        command.stepHz = int(step);
    }
    if (object.contains(QStringLiteral("steps"))) {
        const QJsonValue value = object.value(QStringLiteral("steps"));
        const double steps = value.toDouble();
        if (!value.isDouble() || steps != std::floor(steps) || std::abs(steps) > kMaxTuningSteps)
            return Refusal{400, QCoreApplication::translate(
                                    "Remote", "Le champ steps doit être un nombre entier de pas entre -%1 et %1.")
                                    .arg(kMaxTuningSteps)};
        command.steps = int(steps);
    }
    return command;
}

std::variant<EmptyCommand, Refusal> readEmpty(const QByteArray &body)
{
    if (body.trimmed().isEmpty())
        return EmptyCommand{};
    auto read = readObject(body, {});
    if (auto *refusal = std::get_if<Refusal>(&read))
        return *refusal;
    return EmptyCommand{};
}

} // namespace orvanta
