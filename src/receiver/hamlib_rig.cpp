// Hamlib's headers stay in this file: they define short macros (Hz, kHz, MHz,
// W) that would clash with the rest of the station.
#include "receiver/hamlib_rig.h"

#include "platform/c_numeric_scope.h"
#include "platform/device_worker.h"
#include "platform/text_numbers.h"
#include "receiver/satellite_radio_mode.h"

#include <hamlib/rig.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <optional>
#include <utility>

namespace orvanta {

// What the station wants of the radio: the mode of the last take-up and the
// last frequency.
struct RigWanted {
    long long takeUps = 0;
    QString mode;
    std::optional<double> hertz;
};

namespace {

void prepareHamlib()
{
    static std::once_flag once;
    std::call_once(once, [] {
        rig_set_debug(RIG_DEBUG_NONE);
        rig_load_all_backends();
    });
}

// rigerror2 gives the short text without the debug log rigerror prepends.
QString errorText(int code)
{
    return QString::fromLatin1(rigerror2(code)).trimmed();
}

// A request the device turned down (out of its range, not available), as
// opposed to a device that does not answer: it is reported, not retried.
bool isRefusal(int code)
{
    const int error = std::abs(code);
    return code != RIG_OK && RIG_IS_SOFT_ERRCODE(error);
}

rmode_t rigMode(RadioMode mode)
{
    switch (mode) {
    case RadioMode::Am:
        return RIG_MODE_AM;
    case RadioMode::Fm:
        return RIG_MODE_FM;
    case RadioMode::Usb:
        break;
    }
    return RIG_MODE_USB;
}

HamlibModel::Port portOf(const rig_caps &caps)
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

// One opening of the radio, used by the worker's thread only (or by a test
// of the set-up dialog, on its own thread).
class RigSession final : public DeviceWorker<RigWanted>::Session {
public:
    RigSession(const HamlibDevice &device, const HamlibTiming &timing) : device_(device), timing_(timing) {}
    ~RigSession() override { close(); }

    QString open() override
    {
        const CNumericScope numbers;
        prepareHamlib();
        rig_ = rig_init(device_.model);
        if (!rig_)
            return QStringLiteral("modele Hamlib %1 inconnu").arg(device_.model);
        if (const QString error = configure(); !error.isEmpty())
            return error;
        if (const int code = rig_open(rig_); code != RIG_OK)
            return errorText(code);
        opened_ = true;
        // Every read must reach the radio: a cached answer proves nothing.
        rig_set_cache_timeout_ms(rig_, HAMLIB_CACHE_ALL, 0);
        // A radio that cannot tell its frequency at all is taken as it is.
        freq_t frequency = 0;
        const int code = rig_get_freq(rig_, RIG_VFO_CURR, &frequency);
        if (code != RIG_OK && !isRefusal(code))
            return errorText(code);
        reading_ = code == RIG_OK
                       ? QStringLiteral("%1 MHz").arg(formatFixed(frequency / 1e6, 6))
                       : QStringLiteral("ouverte, sans lecture de la frequence (%1)").arg(errorText(code));
        return {};
    }

    void close() override
    {
        const CNumericScope numbers;
        if (!rig_)
            return;
        if (opened_)
            rig_close(rig_);
        rig_cleanup(rig_);
        rig_ = nullptr;
        opened_ = false;
    }

    QString apply(const RigWanted &wanted, RigWanted &applied) override
    {
        const CNumericScope numbers;
        if (wanted.takeUps != applied.takeUps) {
            if (const auto mode = radioModeOf(wanted.mode)) {
                const rmode_t rmode = rigMode(*mode);
                const int code = rig_set_mode(rig_, RIG_VFO_CURR, rmode, RIG_PASSBAND_NORMAL);
                if (isRefusal(code))
                    note_ = QStringLiteral("La radio Hamlib refuse le mode %1 : %2.")
                                .arg(QString::fromLatin1(rig_strrmode(rmode)), errorText(code));
                else if (code != RIG_OK)
                    return errorText(code);
                stepHertz_ = std::max<double>(1, rig_get_resolution(rig_, rmode));
            }
            applied.takeUps = wanted.takeUps;
            applied.mode = wanted.mode;
            applied.hertz.reset();
        }
        if (wanted.hertz && (!applied.hertz || std::abs(*wanted.hertz - *applied.hertz) >= stepHertz_)) {
            const int code = rig_set_freq(rig_, RIG_VFO_CURR, *wanted.hertz);
            if (isRefusal(code)) {
                // Not retried: the next frequency that differs by a step is.
                if (!frequencyRefused_)
                    note_ = QStringLiteral("La radio Hamlib refuse la frequence %1 MHz : %2.")
                                .arg(formatFixed(*wanted.hertz / 1e6, 6), errorText(code));
                frequencyRefused_ = true;
            } else if (code != RIG_OK) {
                return errorText(code);
            } else {
                frequencyRefused_ = false;
            }
            applied.hertz = wanted.hertz;
        }
        return {};
    }

    QString takeNote() override { return std::exchange(note_, QString()); }

    QString reading() const { return reading_; }

private:
    QString configure()
    {
        const auto set = [this](const char *name, const QString &value) {
            const int code = rig_set_conf(rig_, rig_token_lookup(rig_, name), value.toLatin1().constData());
            return code == RIG_OK ? QString() : QStringLiteral("%1 : %2").arg(QLatin1String(name), errorText(code));
        };
        QString error = set("timeout", QString::number(timing_.timeoutMs));
        if (error.isEmpty())
            error = set("retry", QString::number(timing_.retry));
        if (error.isEmpty() && !device_.port.isEmpty())
            error = set("rig_pathname", device_.port);
        if (error.isEmpty() && device_.speed > 0 && rig_->caps->port_type == RIG_PORT_SERIAL)
            error = set("serial_speed", QString::number(device_.speed));
        return error;
    }

    const HamlibDevice device_;
    const HamlibTiming timing_;
    RIG *rig_ = nullptr;
    bool opened_ = false;
    double stepHertz_ = 1;
    bool frequencyRefused_ = false;
    QString note_;
    QString reading_;
};

QString placeOf(const HamlibDevice &device)
{
    const QString name = hamlibRigName(device.model);
    return device.port.isEmpty() ? name : QStringLiteral("%1, %2").arg(name, device.port);
}

} // namespace

HamlibReceiver::HamlibReceiver(MessageBoxes &messages, HamlibTiming timing, QObject *parent)
    : QObject(parent), timing_(timing), notice_(messages), refusals_(messages)
{
    prepareHamlib();
    // Worded on the window's thread, which alone reads device_.
    DeviceWorker<RigWanted>::Reports reports;
    reports.lost = [this](const QString &reason) {
        tell([this, reason] {
            return QStringLiteral("Le recepteur Hamlib (%1) ne repond pas : %2.\n"
                                  "Orvanta le rappellera de lui-meme.")
                .arg(placeOf(device_), reason);
        });
    };
    reports.back = [this] {
        tell([this] { return QStringLiteral("Le recepteur Hamlib (%1) repond de nouveau.").arg(placeOf(device_)); });
    };
    reports.note = [this](const QString &text) { tell([text] { return text; }); };
    worker_ = std::make_unique<DeviceWorker<RigWanted>>(timing.pace, std::move(reports));
}

HamlibReceiver::~HamlibReceiver() = default;

void HamlibReceiver::setDevice(const HamlibDevice &device)
{
    device_ = device;
    worker_->replaceSession(device.model > 0 ? std::make_unique<RigSession>(device, timing_) : nullptr);
}

QString HamlibReceiver::caption() const
{
    if (device_.model <= 0)
        return QStringLiteral("Hamlib");
    // Hamlib's own models (NET rigctl...) already carry its name.
    const QString name = hamlibRigName(device_.model);
    return name.startsWith(QLatin1String("Hamlib ")) ? name : QStringLiteral("Hamlib ") + name;
}

void HamlibReceiver::takeUp(const QString &mode)
{
    if (!configured())
        return;
    worker_->want([&mode](RigWanted &wanted) {
        ++wanted.takeUps;
        wanted.mode = mode;
    });
}

void HamlibReceiver::tune(double hertz)
{
    if (!configured())
        return;
    if (!std::isfinite(hertz) || hertz <= 0) {
        refusals_.refused(QStringLiteral("frequency"),
                          QStringLiteral("Frequence Hamlib non envoyee : la frequence %1 Hz est incorrecte")
                              .arg(QString::number(hertz)));
        return;
    }
    refusals_.sent();
    const double rounded = std::round(hertz);
    worker_->want([rounded](RigWanted &wanted) { wanted.hertz = rounded; });
}

void HamlibReceiver::endRemoteControl()
{
    worker_->release();
}

bool HamlibReceiver::configured()
{
    if (device_.model > 0)
        return true;
    refusals_.refused(QStringLiteral("no-radio"),
                      QStringLiteral("Aucune radio Hamlib n'est choisie : menu Selection, Recepteurs, Hamlib."));
    return false;
}

// The worker's reports reach the operator from the window's thread.
void HamlibReceiver::tell(std::function<QString()> text)
{
    QMetaObject::invokeMethod(this, [this, text = std::move(text)] { notice_.tell(text()); }, Qt::QueuedConnection);
}

std::vector<HamlibModel> hamlibRigModels()
{
    prepareHamlib();
    std::vector<HamlibModel> models;
    rig_list_foreach(
        [](const rig_caps *caps, rig_ptr_t data) {
            HamlibModel model;
            model.id = static_cast<int>(caps->rig_model);
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

QString hamlibRigName(int model)
{
    prepareHamlib();
    if (const rig_caps *caps = rig_get_caps(model))
        return QStringLiteral("%1 %2").arg(QString::fromLatin1(caps->mfg_name).trimmed(),
                                           QString::fromLatin1(caps->model_name).trimmed());
    return QStringLiteral("modele %1").arg(model);
}

HamlibReading readHamlibRig(const HamlibDevice &device, const HamlibTiming &timing)
{
    RigSession session(device, timing);
    if (const QString error = session.open(); !error.isEmpty())
        return {false, error};
    return {true, session.reading()};
}

} // namespace orvanta
