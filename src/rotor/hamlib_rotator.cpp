// Hamlib's headers stay in this file: they define short macros (Hz, kHz, MHz,
// W) that would clash with the rest of the station.
#include "rotor/hamlib_rotator.h"

#include "platform/c_numeric_scope.h"
#include "platform/device_worker.h"
#include "platform/text_numbers.h"

#include <hamlib/rotator.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <optional>
#include <utility>

namespace orvanta {

// The last position asked for, counted so that each one is sent.
struct RotatorWanted {
    long long count = 0;
    double azimuth = 0;
    double elevation = 0;
};

// The range the rotator reported when it was opened.
struct RotatorLimits {
    mutable std::mutex mutex;
    std::optional<RotorRange> range;
};

namespace {

void prepareHamlib()
{
    static std::once_flag once;
    std::call_once(once, [] {
        rig_set_debug(RIG_DEBUG_NONE);
        rot_load_all_backends();
    });
}

// rigerror2 gives the short text without the debug log rigerror prepends.
QString errorText(int code)
{
    return QString::fromLatin1(rigerror2(code)).trimmed();
}

HamlibModel::Port portOf(const rot_caps &caps)
{
    switch (caps.port_type) {
    case RIG_PORT_NONE:
        return HamlibModel::Port::None;
    case RIG_PORT_NETWORK:
    case RIG_PORT_UDP_NETWORK:
        return HamlibModel::Port::Network;
    default:
        return HamlibModel::Port::Serial;
    }
}

// A request the device turned down, as opposed to a device that does not
// answer: it is reported, not retried.
bool isRefusal(int code)
{
    const int error = std::abs(code);
    return code != RIG_OK && RIG_IS_SOFT_ERRCODE(error);
}

double circularGap(double a, double b)
{
    return std::abs(std::remainder(a - b, 360.0));
}

// One opening of the rotator, used by the worker's thread only (or by a test
// of the set-up dialog, on its own thread).
class RotatorSession final : public DeviceWorker<RotatorWanted>::Session {
public:
    RotatorSession(const HamlibDevice &device, const HamlibTiming &timing,
                   std::shared_ptr<RotatorLimits> limits = nullptr)
        : device_(device), timing_(timing), limits_(std::move(limits))
    {
    }
    ~RotatorSession() override { close(); }

    QString open() override
    {
        const CNumericScope numbers;
        prepareHamlib();
        rot_ = rot_init(device_.model);
        if (!rot_)
            return QStringLiteral("modele Hamlib %1 inconnu").arg(device_.model);
        if (const QString error = configure(); !error.isEmpty())
            return error;
        if (const int code = rot_open(rot_); code != RIG_OK)
            return errorText(code);
        opened_ = true;
        if (limits_) {
            const std::lock_guard lock(limits_->mutex);
            limits_->range = RotorRange{rot_->state.min_az, rot_->state.max_az, rot_->state.max_el > 90};
        }
        // A rotator that cannot tell its position at all is taken as it is.
        azimuth_t azimuth = 0;
        elevation_t elevation = 0;
        const int code = rot_get_position(rot_, &azimuth, &elevation);
        if (code != RIG_OK && !isRefusal(code))
            return errorText(code);
        reading_ = code == RIG_OK ? QStringLiteral("azimut %1, elevation %2").arg(formatFixed(azimuth, 1), formatFixed(elevation, 1))
                                  : QStringLiteral("ouvert, sans lecture de la position (%1)").arg(errorText(code));
        return {};
    }

    void close() override
    {
        const CNumericScope numbers;
        if (!rot_)
            return;
        if (opened_)
            rot_close(rot_);
        rot_cleanup(rot_);
        rot_ = nullptr;
        opened_ = false;
    }

    QString apply(const RotatorWanted &wanted, RotatorWanted &applied) override
    {
        const CNumericScope numbers;
        if (wanted.count == applied.count)
            return {};
        const auto [azimuth, elevation] = withinLimits(wanted.azimuth, wanted.elevation);
        const int code = rot_set_position(rot_, static_cast<azimuth_t>(azimuth), static_cast<elevation_t>(elevation));
        if (isRefusal(code)) {
            // Not retried: the next position is.
            if (!positionRefused_)
                note_ = QStringLiteral("Le rotor Hamlib refuse la position azimut %1, elevation %2 : %3.")
                            .arg(shortestText(azimuth), shortestText(elevation), errorText(code));
            positionRefused_ = true;
        } else if (code != RIG_OK) {
            return errorText(code);
        } else {
            positionRefused_ = false;
        }
        applied = wanted;
        return {};
    }

    QString takeNote() override { return std::exchange(note_, QString()); }

    QString reading() const { return reading_; }

private:
    QString configure()
    {
        const auto set = [this](const char *name, const QString &value) {
            const int code = rot_set_conf(rot_, rot_token_lookup(rot_, name), value.toLatin1().constData());
            return code == RIG_OK ? QString() : QStringLiteral("%1 : %2").arg(QLatin1String(name), errorText(code));
        };
        QString error = set("timeout", QString::number(timing_.timeoutMs));
        if (error.isEmpty())
            error = set("retry", QString::number(timing_.retry));
        if (error.isEmpty() && !device_.port.isEmpty())
            error = set("rot_pathname", device_.port);
        if (error.isEmpty() && device_.speed > 0 && rot_->caps->port_type == RIG_PORT_SERIAL)
            error = set("serial_speed", QString::number(device_.speed));
        return error;
    }

    std::pair<double, double> withinLimits(double azimuth, double elevation)
    {
        const rot_state &limits = rot_->state;
        const double minAz = limits.min_az, maxAz = limits.max_az;
        bool outside = false;
        if (azimuth < minAz || azimuth > maxAz) {
            if (azimuth - 360 >= minAz && azimuth - 360 <= maxAz)
                azimuth -= 360;
            else if (azimuth + 360 >= minAz && azimuth + 360 <= maxAz)
                azimuth += 360;
            else {
                azimuth = circularGap(azimuth, minAz) <= circularGap(azimuth, maxAz) ? minAz : maxAz;
                outside = true;
            }
        }
        if (limits.max_el <= limits.min_el) {
            elevation = limits.min_el; // azimuth only: there is no elevation to leave
        } else if (elevation < limits.min_el || elevation > limits.max_el) {
            elevation = std::clamp<double>(elevation, limits.min_el, limits.max_el);
            outside = true;
        }
        if (outside && !wasOutside_)
            note_ = QStringLiteral("Le satellite sort des limites du rotor Hamlib (azimut %1 a %2, elevation %3 a %4) : "
                                   "le rotor reste a la limite la plus proche.")
                        .arg(shortestText(minAz), shortestText(maxAz), shortestText(double(limits.min_el)),
                             shortestText(double(limits.max_el)));
        wasOutside_ = outside;
        return {azimuth, elevation};
    }

    const HamlibDevice device_;
    const HamlibTiming timing_;
    const std::shared_ptr<RotatorLimits> limits_;
    ROT *rot_ = nullptr;
    bool opened_ = false;
    bool wasOutside_ = false;
    bool positionRefused_ = false;
    QString note_;
    QString reading_;
};

QString placeOf(const HamlibDevice &device)
{
    const QString name = hamlibRotatorName(device.model);
    return device.port.isEmpty() ? name : QStringLiteral("%1, %2").arg(name, device.port);
}

} // namespace

HamlibRotor::HamlibRotor(MessageBoxes &messages, HamlibTiming timing, QObject *parent)
    : QObject(parent), timing_(timing), notice_(messages), refusals_(messages),
      limits_(std::make_shared<RotatorLimits>())
{
    prepareHamlib();
    // Worded on the window's thread, which alone reads device_.
    DeviceWorker<RotatorWanted>::Reports reports;
    reports.lost = [this](const QString &reason) {
        tell([this, reason] {
            return QStringLiteral("Le rotor Hamlib (%1) ne repond pas : %2.\n"
                                  "Orvanta le rappellera de lui-meme.")
                .arg(placeOf(device_), reason);
        });
    };
    reports.back = [this] {
        tell([this] { return QStringLiteral("Le rotor Hamlib (%1) repond de nouveau.").arg(placeOf(device_)); });
    };
    reports.note = [this](const QString &text) {
        tell([text] { return text; });
    };
    worker_ = std::make_unique<DeviceWorker<RotatorWanted>>(timing.pace, std::move(reports));
}

HamlibRotor::~HamlibRotor() = default;

void HamlibRotor::setDevice(const HamlibDevice &device)
{
    device_ = device;
    {
        const std::lock_guard lock(limits_->mutex);
        limits_->range.reset();
    }
    worker_->replaceSession(device.model > 0 ? std::make_unique<RotatorSession>(device, timing_, limits_) : nullptr);
}

QString HamlibRotor::caption() const
{
    if (device_.model <= 0)
        return QStringLiteral("Hamlib");
    // Hamlib's own models (NET rigctl...) already carry its name.
    const QString name = hamlibRotatorName(device_.model);
    return name.startsWith(QLatin1String("Hamlib ")) ? name : QStringLiteral("Hamlib ") + name;
}

void HamlibRotor::point(double azimuthDeg, double elevationDeg)
{
    if (!configured())
        return;
    if (!std::isfinite(azimuthDeg) || !std::isfinite(elevationDeg)) {
        refusals_.refused(QStringLiteral("position"),
                      QStringLiteral("Position Hamlib non envoyee : la position est incorrecte"));
        return;
    }
    refusals_.sent();
    worker_->want([azimuthDeg, elevationDeg](RotatorWanted &wanted) {
        ++wanted.count;
        wanted.azimuth = azimuthDeg;
        wanted.elevation = elevationDeg;
    });
}

void HamlibRotor::park(double azimuthDeg, double elevationDeg)
{
    point(azimuthDeg, elevationDeg);
}

RotorRange HamlibRotor::range() const
{
    const std::lock_guard lock(limits_->mutex);
    return limits_->range.value_or(RotorRange{});
}

bool HamlibRotor::configured()
{
    if (device_.model > 0)
        return true;
    refusals_.refused(QStringLiteral("no-rotor"),
                      QStringLiteral("Aucun rotor Hamlib n'est choisi : menu Selection, Interfaces Rotor, Hamlib."));
    return false;
}

// The worker's reports reach the operator from the window's thread.
void HamlibRotor::tell(std::function<QString()> text)
{
    QMetaObject::invokeMethod(this, [this, text = std::move(text)] { notice_.tell(text()); }, Qt::QueuedConnection);
}

std::vector<HamlibModel> hamlibRotatorModels()
{
    prepareHamlib();
    std::vector<HamlibModel> models;
    rot_list_foreach(
        [](const rot_caps *caps, rig_ptr_t data) {
            HamlibModel model;
            model.id = static_cast<int>(caps->rot_model);
            model.maker = QString::fromLatin1(caps->mfg_name).trimmed();
            model.name = QString::fromLatin1(caps->model_name).trimmed();
            model.port = portOf(*caps);
            static_cast<std::vector<HamlibModel> *>(data)->push_back(model);
            return 1; // go on
        },
        &models);
    sortByMakerAndModel(models);
    return models;
}

QString hamlibRotatorName(int model)
{
    prepareHamlib();
    if (const rot_caps *caps = rot_get_caps(model))
        return QStringLiteral("%1 %2").arg(QString::fromLatin1(caps->mfg_name).trimmed(),
                                           QString::fromLatin1(caps->model_name).trimmed());
    return QStringLiteral("modele %1").arg(model);
}

HamlibReading readHamlibRotator(const HamlibDevice &device, const HamlibTiming &timing)
{
    RotatorSession session(device, timing);
    if (const QString error = session.open(); !error.isEmpty())
        return {false, error};
    return {true, session.reading()};
}

} // namespace orvanta
