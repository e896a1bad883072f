// Hamlib's headers stay in this file: they define short macros (Hz, kHz, MHz,
// W) that would clash with the rest of the station.
#include "receiver/hamlib_rig.h"

#include "hamlib/hamlib_link.h"
#include "platform/c_numeric_scope.h"
#include "platform/text_numbers.h"
#include "receiver/satellite_radio_mode.h"

#include <QCoreApplication>

#include <hamlib/rig.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace orvanta {

// What the station wants of the radio: the mode of the last take-up and the
// last frequency.
struct RigWanted {
    long long takeUps = 0;
    ReceiverMode mode = ReceiverMode::Unknown;
    std::optional<double> hertz;
    qint64 tunedAtMs = 0; // when the frequency was asked for (monotonicMs)
    RigSatelliteWish satellite;
};

namespace {

// Hamlib's radio calls, for the opening shared with the rotator.
struct RigApi {
    using Handle = RIG;
    static constexpr const char *kPathname = "rig_pathname";
    static RIG *init(int model) { return rig_init(model); }
    static int setConf(RIG *rig, const char *name, const char *value)
    {
        return rig_set_conf(rig, rig_token_lookup(rig, name), value);
    }
    static int open(RIG *rig) { return rig_open(rig); }
    static void close(RIG *rig) { rig_close(rig); }
    static void cleanup(RIG *rig) { rig_cleanup(rig); }
    static int portType(const RIG *rig) { return rig->caps->port_type; }
};

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

// One opening of the radio, used by the worker's thread only (or by a test
// of the set-up dialog, on its own thread).
class RigSession final : public DeviceWorker<RigWanted, RigReading>::Session {
public:
    RigSession(const HamlibDevice &device, const HamlibTiming &timing) : device_(device), timing_(timing) {}
    ~RigSession() override { close(); }

    QString open() override
    {
        const CNumericScope numbers;
        if (const QString error = handle_.open(device_, timing_); !error.isEmpty())
            return error;
        RIG *rig = handle_.get();
        // Every read must reach the radio: a cached answer proves nothing.
        rig_set_cache_timeout_ms(rig, HAMLIB_CACHE_ALL, 0);
        // A radio that cannot tell its frequency at all is taken as it is.
        freq_t frequency = 0;
        const int code = rig_get_freq(rig, RIG_VFO_CURR, &frequency);
        if (isHamlibFailure(code))
            return hamlibErrorText(code);
        reading_ = code == RIG_OK
                       ? QStringLiteral("%1 MHz").arg(formatFixed(frequency / 1e6, 6))
                       : QCoreApplication::translate("Receiver", "ouverte, sans lecture de la frequence (%1)")
                             .arg(hamlibErrorText(code));
        return {};
    }

    // A radio is never left in split or satellite mode by Orvanta.
    void close() override
    {
        const CNumericScope numbers;
        if (satellite_.on() && handle_.get())
            satellite_.stop(handle_.get());
        handle_.close();
    }

    QString apply(const RigWanted &wanted, RigWanted &applied) override
    {
        const CNumericScope numbers;
        if (wanted.satellite.on || applied.satellite.on) {
            const QString error = satellite_.apply(handle_.get(), wanted.satellite, applied.satellite);
            note_ = satellite_.takeNote();
            if (const auto dial = satellite_.takeDial())
                readBack_ = dial;
            // The tick's wishes of meanwhile count as done; the next one goes out.
            applied.takeUps = wanted.takeUps;
            applied.mode = wanted.mode;
            applied.hertz.reset();
            return error;
        }
        bool sent = false;
        double latency = -1;
        if (wanted.takeUps != applied.takeUps) {
            if (const auto mode = radioModeOf(wanted.mode)) {
                const rmode_t rmode = rigMode(*mode);
                const int code = rig_set_mode(handle_.get(), RIG_VFO_CURR, rmode, RIG_PASSBAND_NORMAL);
                if (isHamlibRefusal(code))
                    note_ = QCoreApplication::translate("Receiver", "La radio Hamlib refuse le mode %1 : %2.")
                                .arg(QString::fromLatin1(rig_strrmode(rmode)), hamlibErrorText(code));
                else if (code != RIG_OK)
                    return hamlibErrorText(code);
                sent = code == RIG_OK;
                stepHertz_ = std::max<double>(1, rig_get_resolution(handle_.get(), rmode));
            }
            applied.takeUps = wanted.takeUps;
            applied.mode = wanted.mode;
            applied.hertz.reset();
        }
        if (wanted.hertz && (!applied.hertz || std::abs(*wanted.hertz - *applied.hertz) >= stepHertz_)) {
            const int code = rig_set_freq(handle_.get(), RIG_VFO_CURR, *wanted.hertz);
            if (isHamlibRefusal(code)) {
                // Not retried: the next frequency that differs by a step is.
                if (!frequencyRefused_)
                    note_ = QCoreApplication::translate("Receiver", "La radio Hamlib refuse la frequence %1 MHz : %2.")
                                .arg(formatFixed(*wanted.hertz / 1e6, 6), hamlibErrorText(code));
                frequencyRefused_ = true;
            } else if (code != RIG_OK) {
                return hamlibErrorText(code);
            } else {
                frequencyRefused_ = false;
                sent = true;
                // Timed only once: a take-up sends the same frequency again later.
                if (wanted.tunedAtMs != applied.tunedAtMs)
                    latency = double(monotonicMs() - wanted.tunedAtMs) / 1000;
            }
            applied.hertz = wanted.hertz;
            applied.tunedAtMs = wanted.tunedAtMs;
        }
        return sent ? readBack(latency) : QString();
    }

    QString takeNote() override { return std::exchange(note_, QString()); }
    std::optional<RigReading> takeReading() override { return std::exchange(readBack_, std::nullopt); }

    QString reading() const { return reading_; }

private:
    // The frequency the radio is on; a radio that cannot tell is not read.
    QString readBack(double latencySeconds)
    {
        freq_t frequency = 0;
        const int code = rig_get_freq(handle_.get(), RIG_VFO_CURR, &frequency);
        if (code == RIG_OK) {
            readBack_ = RigReading{frequency};
            readBack_->latencySeconds = latencySeconds;
        }
        return isHamlibFailure(code) ? hamlibErrorText(code) : QString();
    }

    const HamlibDevice device_;
    const HamlibTiming timing_;
    HamlibHandle<RigApi> handle_;
    RigSatellite satellite_;
    double stepHertz_ = 1;
    bool frequencyRefused_ = false;
    QString note_;
    QString reading_;
    std::optional<RigReading> readBack_;
};

} // namespace

HamlibReceiver::HamlibReceiver(MessageBoxes &messages, HamlibTiming timing, QObject *parent, HamlibKind kind)
    : QObject(parent)
    , link_(std::make_unique<HamlibLink<RigWanted, RigReading>>(
          messages, timing,
          kind == HamlibKind::Uplink
              ? HamlibWording{QCoreApplication::translate("Receiver", "La radio de montee Hamlib"),
                              QCoreApplication::translate("Receiver",
                                                          "Aucune radio de montee n'est choisie : menu Transpondeurs."),
                              hamlibRigName}
              : HamlibWording{QCoreApplication::translate("Receiver", "Le recepteur Hamlib"),
                              QCoreApplication::translate(
                                  "Receiver",
                                  "Aucune radio Hamlib n'est choisie : menu Selection, Recepteurs, Hamlib."),
                              hamlibRigName},
          [](const HamlibDevice &device, const HamlibTiming &timing) {
              return std::make_unique<RigSession>(device, timing);
          }))
{
    link_->readingChanged = [this] {
        if (const std::optional<RigReading> read = link_->reading(); read && read->latencySeconds >= 0)
            latency_.measured(read->latencySeconds);
        emit readingChanged();
    };
}

HamlibReceiver::~HamlibReceiver() = default;

void HamlibReceiver::setDevice(const HamlibDevice &device)
{
    link_->setDevice(device);
}

HamlibDevice HamlibReceiver::device() const
{
    return link_->device();
}

QString HamlibReceiver::caption() const
{
    return link_->caption();
}

std::optional<RigReading> HamlibReceiver::reading() const
{
    return link_->reading();
}

void HamlibReceiver::takeUp(ReceiverMode mode)
{
    if (!link_->configured())
        return;
    link_->want([mode](RigWanted &wanted) {
        ++wanted.takeUps;
        wanted.mode = mode;
    });
}

void HamlibReceiver::tune(double hertz)
{
    if (!link_->configured())
        return;
    if (!std::isfinite(hertz) || hertz <= 0) {
        link_->refusals().refused(
            QStringLiteral("frequency"),
            QCoreApplication::translate("Receiver", "Frequence Hamlib non envoyee : la frequence %1 Hz est incorrecte")
                .arg(QString::number(hertz)));
        return;
    }
    link_->refusals().sent();
    const double rounded = std::round(hertz);
    link_->want([rounded](RigWanted &wanted) {
        wanted.hertz = rounded;
        wanted.tunedAtMs = monotonicMs();
    });
}

void HamlibReceiver::endRemoteControl()
{
    link_->release();
}

void HamlibReceiver::startSatellite(const RigSatelliteWish &start)
{
    if (!link_->configured())
        return;
    link_->want([&start](RigWanted &wanted) {
        const long long starts = wanted.satellite.starts + 1;
        wanted.satellite = start;
        wanted.satellite.on = true;
        wanted.satellite.starts = starts;
    });
}

void HamlibReceiver::moveSatellite(std::optional<qint64> receiveHz, std::optional<qint64> transmitHz)
{
    link_->want([&](RigWanted &wanted) {
        wanted.satellite.receiveHz = receiveHz.value_or(wanted.satellite.receiveHz);
        wanted.satellite.transmitHz = transmitHz.value_or(wanted.satellite.transmitHz);
        wanted.satellite.movedAtMs = monotonicMs();
    });
}

void HamlibReceiver::satelliteCycle(long long cycle, bool readDial)
{
    link_->want([&](RigWanted &wanted) {
        wanted.satellite.cycle = cycle;
        wanted.satellite.readDial = readDial;
    });
}

void HamlibReceiver::stopSatellite()
{
    link_->want([](RigWanted &wanted) { wanted.satellite.on = false; });
}

std::vector<HamlibModel> hamlibRigModels()
{
    prepareHamlib();
    std::vector<HamlibModel> models;
    rig_list_foreach(
        [](const rig_caps *caps, rig_ptr_t data) {
            static_cast<std::vector<HamlibModel> *>(data)->push_back(hamlibModelOf(int(caps->rig_model), *caps));
            return 1; // go on
        },
        &models);
    sortByMakerAndModel(models);
    return models;
}

QString hamlibRigName(int model)
{
    prepareHamlib();
    return hamlibModelName(model, rig_get_caps(model));
}

HamlibReading readHamlibRig(const HamlibDevice &device, const HamlibTiming &timing)
{
    return readHamlibOnce<RigSession>(device, timing);
}

} // namespace orvanta
