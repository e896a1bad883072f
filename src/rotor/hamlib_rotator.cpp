// Hamlib's headers stay in this file: they define short macros (Hz, kHz, MHz,
// W) that would clash with the rest of the station.
#include "rotor/hamlib_rotator.h"

#include "rotor/rotor_follow_watch.h"

#include "hamlib/hamlib_link.h"
#include "platform/c_numeric_scope.h"
#include "platform/text_numbers.h"

#include <QCoreApplication>

#include <hamlib/rotator.h>

#include <algorithm>
#include <cmath>
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

// Hamlib's rotator calls, for the opening shared with the radio.
struct RotatorApi {
    using Handle = ROT;
    static constexpr const char *kPathname = "rot_pathname";
    static ROT *init(int model) { return rot_init(model); }
    static int setConf(ROT *rot, const char *name, const char *value)
    {
        return rot_set_conf(rot, rot_token_lookup(rot, name), value);
    }
    static int open(ROT *rot) { return rot_open(rot); }
    static void close(ROT *rot) { rot_close(rot); }
    static void cleanup(ROT *rot) { rot_cleanup(rot); }
    static int portType(const ROT *rot) { return rot->caps->port_type; }
};

double circularGap(double a, double b)
{
    return std::abs(std::remainder(a - b, 360.0));
}

// One opening of the rotator, used by the worker's thread only (or by a test
// of the set-up dialog, on its own thread).
class RotatorSession final : public DeviceWorker<RotatorWanted, RotatorReading>::Session {
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
        if (const QString error = handle_.open(device_, timing_); !error.isEmpty())
            return error;
        if (limits_) {
            const ROT *rot = handle_.get();
            const std::lock_guard lock(limits_->mutex);
            limits_->range = RotorRange{rot->state.min_az, rot->state.max_az, rot->state.max_el > 90};
        }
        // A rotator that cannot tell its position at all is taken as it is.
        azimuth_t azimuth = 0;
        elevation_t elevation = 0;
        const int code = rot_get_position(handle_.get(), &azimuth, &elevation);
        if (isHamlibFailure(code))
            return hamlibErrorText(code);
        reading_ = code == RIG_OK
                       ? QCoreApplication::translate("HamlibRotator", "azimut %1, elevation %2")
                             .arg(formatFixed(azimuth, 1), formatFixed(elevation, 1))
                       : QCoreApplication::translate("HamlibRotator", "ouvert, sans lecture de la position (%1)")
                             .arg(hamlibErrorText(code));
        return {};
    }

    void close() override
    {
        const CNumericScope numbers;
        handle_.close();
    }

    QString apply(const RotatorWanted &wanted, RotatorWanted &applied) override
    {
        const CNumericScope numbers;
        if (wanted.count == applied.count)
            return {};
        // Where the last position took it, read just before the next one: in
        // the instant after a command a rotator has not moved yet (and
        // Hamlib's dummy only moves when read, so read right after each
        // command it would never leave its park). One that cannot tell is
        // not read.
        azimuth_t readAzimuth = 0;
        elevation_t readElevation = 0;
        const int read = rot_get_position(handle_.get(), &readAzimuth, &readElevation);
        if (read == RIG_OK)
            takeReadBack(readAzimuth, readElevation);
        else if (!isHamlibRefusal(read))
            return hamlibErrorText(read);
        const auto [azimuth, elevation] = withinLimits(wanted.azimuth, wanted.elevation);
        const int code = rot_set_position(handle_.get(), static_cast<azimuth_t>(azimuth), static_cast<elevation_t>(elevation));
        if (isHamlibRefusal(code)) {
            // Not retried: the next position is.
            if (!positionRefused_)
                note_ = QCoreApplication::translate("HamlibRotator",
                                                    "Le rotor Hamlib refuse la position azimut %1, elevation %2 : %3.")
                            .arg(shortestText(azimuth), shortestText(elevation), hamlibErrorText(code));
            positionRefused_ = true;
        } else if (code != RIG_OK) {
            return hamlibErrorText(code);
        } else {
            positionRefused_ = false;
        }
        applied = wanted;
        return {};
    }

    QString takeNote() override { return std::exchange(note_, QString()); }
    std::optional<RotatorReading> takeReading() override { return std::exchange(readBack_, std::nullopt); }

    QString reading() const { return reading_; }

private:
    // A position no rotor of that range can hold (a backend's garbage) is
    // left out, said once until a good one comes.
    void takeReadBack(double azimuth, double elevation)
    {
        const rot_state &limits = handle_.get()->state;
        if (readingWithinRange({azimuth, elevation}, {limits.min_az, limits.max_az, limits.max_el > 90})) {
            readBack_ = RotatorReading{azimuth, elevation};
            badReadingSaid_ = false;
            return;
        }
        if (badReadingSaid_)
            return;
        badReadingSaid_ = true;
        note_ =
            QCoreApplication::translate(
                "HamlibRotator", "Le rotor Hamlib a donné la position azimut %1, elevation %2, hors de ses limites : "
                                 "la lecture est ignorée.")
                .arg(shortestText(azimuth), shortestText(elevation));
    }

    std::pair<double, double> withinLimits(double azimuth, double elevation)
    {
        const rot_state &limits = handle_.get()->state;
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
            note_ = QCoreApplication::translate(
                        "HamlibRotator",
                        "Le satellite sort des limites du rotor Hamlib (azimut %1 a %2, elevation %3 a %4) : "
                        "le rotor reste a la limite la plus proche.")
                        .arg(shortestText(minAz), shortestText(maxAz), shortestText(double(limits.min_el)),
                             shortestText(double(limits.max_el)));
        wasOutside_ = outside;
        return {azimuth, elevation};
    }

    const HamlibDevice device_;
    const HamlibTiming timing_;
    const std::shared_ptr<RotatorLimits> limits_;
    HamlibHandle<RotatorApi> handle_;
    bool wasOutside_ = false;
    bool positionRefused_ = false;
    bool badReadingSaid_ = false;
    QString note_;
    QString reading_;
    std::optional<RotatorReading> readBack_;
};

} // namespace

HamlibRotor::HamlibRotor(MessageBoxes &messages, HamlibTiming timing, QObject *parent)
    : QObject(parent)
    , limits_(std::make_shared<RotatorLimits>())
    , link_(std::make_unique<HamlibLink<RotatorWanted, RotatorReading>>(
          messages, timing,
          HamlibWording{
              QCoreApplication::translate("HamlibRotator", "Le rotor Hamlib"),
              QCoreApplication::translate(
                  "HamlibRotator", "Aucun rotor Hamlib n'est choisi : menu Selection, Interfaces Rotor, Hamlib."),
              hamlibRotatorName},
          [limits = limits_](const HamlibDevice &device, const HamlibTiming &timing) {
              return std::make_unique<RotatorSession>(device, timing, limits);
          }))
{
    link_->readingChanged = [this] { emit readingChanged(); };
}

HamlibRotor::~HamlibRotor() = default;

void HamlibRotor::setDevice(const HamlibDevice &device)
{
    {
        const std::lock_guard lock(limits_->mutex);
        limits_->range.reset();
    }
    link_->setDevice(device);
}

HamlibDevice HamlibRotor::device() const
{
    return link_->device();
}

QString HamlibRotor::caption() const
{
    return link_->caption();
}

std::optional<RotatorReading> HamlibRotor::reading() const
{
    return link_->reading();
}

std::optional<RotorAim> HamlibRotor::position() const
{
    const auto said = reading();
    return said ? std::optional<RotorAim>(RotorAim{said->azimuthDeg, said->elevationDeg}) : std::nullopt;
}

void HamlibRotor::point(double azimuthDeg, double elevationDeg)
{
    if (!link_->configured())
        return;
    if (!std::isfinite(azimuthDeg) || !std::isfinite(elevationDeg)) {
        link_->refusals().refused(
            QStringLiteral("position"),
            QCoreApplication::translate("HamlibRotator", "Position Hamlib non envoyee : la position est incorrecte"));
        return;
    }
    link_->refusals().sent();
    link_->want([azimuthDeg, elevationDeg](RotatorWanted &wanted) {
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

std::vector<HamlibModel> hamlibRotatorModels()
{
    prepareHamlib();
    std::vector<HamlibModel> models;
    rot_list_foreach(
        [](const rot_caps *caps, rig_ptr_t data) {
            static_cast<std::vector<HamlibModel> *>(data)->push_back(hamlibModelOf(int(caps->rot_model), *caps));
            return 1; // go on
        },
        &models);
    sortByMakerAndModel(models);
    return models;
}

QString hamlibRotatorName(int model)
{
    prepareHamlib();
    return hamlibModelName(model, rot_get_caps(model));
}

HamlibReading readHamlibRotator(const HamlibDevice &device, const HamlibTiming &timing)
{
    return readHamlibOnce<RotatorSession>(device, timing);
}

} // namespace orvanta
