#pragma once

#include "hamlib/hamlib_device.h"
#include "platform/device_worker.h"
#include "platform/message_boxes.h"
#include "platform/operator_notice.h"
#include "platform/refusal_report.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace orvanta {

// What the station's Hamlib radio and Hamlib rotator share. Hamlib's own
// headers stay in the .cpp files: they define short macros (Hz, kHz, MHz, W)
// that would clash with the rest of the station.

// Hamlib's backends, loaded once with its debug output off.
void prepareHamlib();
// Hamlib's short text for an error code.
QString hamlibErrorText(int code);
// A request the device turned down (out of its range, not available), as
// opposed to a device that does not answer: reported, not retried.
bool isHamlibRefusal(int code);
// A device that did not answer: neither done nor refused.
bool isHamlibFailure(int code);
// How a model is reached, from its capabilities' port type.
HamlibModel::Port hamlibPort(int portType);
// Whether the port type is a serial line, which takes a speed.
bool isHamlibSerial(int portType);
// A model of Hamlib's list, from a radio's or a rotator's capabilities.
template <class Caps>
HamlibModel hamlibModelOf(int id, const Caps &caps)
{
    return {id, QString::fromLatin1(caps.mfg_name).trimmed(), QString::fromLatin1(caps.model_name).trimmed(),
            hamlibPort(caps.port_type)};
}
// "Maker Model", or "modele N" for a model this Hamlib does not know.
template <class Caps>
QString hamlibModelName(int model, const Caps *caps)
{
    return caps ? hamlibModelOf(model, *caps).text() : QCoreApplication::translate("Hamlib", "modele %1").arg(model);
}
// What the set-up dialog's test reads: the device opened once, its reading
// or why it did not open.
template <class Session>
HamlibReading readHamlibOnce(const HamlibDevice &device, const HamlibTiming &timing)
{
    Session session(device, timing);
    if (const QString error = session.open(); !error.isEmpty())
        return {false, error};
    return {true, session.reading()};
}
// Why a device did not open. Hamlib says "IO error" for a network port where
// nothing listens; the operator is told the connection was refused, and where.
QString hamlibOpenFailure(int code, const HamlibDevice &device, int portType);

// The opening and closing of one Hamlib handle, the same for a radio and a
// rotator but for the names of Hamlib's calls, which Api gives (init,
// setConf, open, close, cleanup, portType and the pathname token).
template <class Api>
class HamlibHandle {
public:
    using Handle = typename Api::Handle;

    HamlibHandle() = default;
    HamlibHandle(const HamlibHandle &) = delete;
    HamlibHandle &operator=(const HamlibHandle &) = delete;
    ~HamlibHandle() { close(); }

    // Empty on success, else why. The caller holds a CNumericScope.
    QString open(const HamlibDevice &device, const HamlibTiming &timing)
    {
        prepareHamlib();
        handle_ = Api::init(device.model);
        if (!handle_)
            return QCoreApplication::translate("Hamlib", "modele Hamlib %1 inconnu").arg(device.model);
        const auto set = [this](const char *name, const QString &value) {
            const int code = Api::setConf(handle_, name, value.toLatin1().constData());
            return code == 0 ? QString() : QStringLiteral("%1 : %2").arg(QLatin1String(name), hamlibErrorText(code));
        };
        QString error = set("timeout", QString::number(timing.timeoutMs));
        if (error.isEmpty())
            error = set("retry", QString::number(timing.retry));
        if (error.isEmpty() && !device.port.isEmpty())
            error = set(Api::kPathname, device.port);
        if (error.isEmpty() && device.speed > 0 && isHamlibSerial(Api::portType(handle_)))
            error = set("serial_speed", QString::number(device.speed));
        if (!error.isEmpty())
            return error;
        if (const int code = Api::open(handle_); code != 0)
            return hamlibOpenFailure(code, device, Api::portType(handle_));
        opened_ = true;
        return {};
    }

    // Also after a failed open. The caller holds a CNumericScope.
    void close()
    {
        if (!handle_)
            return;
        if (opened_)
            Api::close(handle_);
        Api::cleanup(handle_);
        handle_ = nullptr;
        opened_ = false;
    }

    Handle *get() const { return handle_; }

private:
    Handle *handle_ = nullptr;
    bool opened_ = false;
};

// How the operator hears of one kind of Hamlib device.
struct HamlibWording {
    QString device;     // "Le recepteur Hamlib"
    QString noneChosen; // the refusal when no model is chosen
    std::function<QString(int model)> nameOf;
};

// The front of a Hamlib radio or rotor on the window's thread: the device
// chosen, the worker's thread that owns the handle, and what the operator
// is told (lost, back, the device's own notes, refusals), once per cause,
// and the device's last reading.
template <class Wanted, class Reading>
class HamlibLink {
public:
    using Worker = DeviceWorker<Wanted, Reading>;
    using Session = typename Worker::Session;
    using MakeSession = std::function<std::unique_ptr<Session>(const HamlibDevice &, const HamlibTiming &)>;

    HamlibLink(MessageBoxes &messages, HamlibTiming timing, HamlibWording wording, MakeSession makeSession)
        : timing_(timing), wording_(std::move(wording)), makeSession_(std::move(makeSession)), notice_(messages),
          refusals_(messages)
    {
        prepareHamlib();
        // Worded on the window's thread, which alone reads device_.
        typename Worker::Reports reports;
        reports.lost = [this](const QString &reason) {
            tell([this, reason] {
                return QCoreApplication::translate("Hamlib",
                                                   "%1 (%2) ne repond pas : %3.\nOrvanta le rappellera de lui-meme.")
                    .arg(wording_.device, place(), reason);
            });
        };
        reports.back = [this] {
            tell([this] {
                return QCoreApplication::translate("Hamlib", "%1 (%2) repond de nouveau.")
                    .arg(wording_.device, place());
            });
        };
        reports.note = [this](const QString &text) { tell([text] { return text; }); };
        reports.readingChanged = [this] {
            QMetaObject::invokeMethod(
                &context_,
                [this] {
                    if (readingChanged)
                        readingChanged();
                },
                Qt::QueuedConnection);
        };
        worker_ = std::make_unique<Worker>(timing.pace, std::move(reports));
    }

    // The device to drive from now on (model 0: none), opened when first
    // something is wanted of it.
    void setDevice(const HamlibDevice &device)
    {
        device_ = device;
        worker_->replaceSession(device.model > 0 ? makeSession_(device, timing_) : nullptr);
    }
    const HamlibDevice &device() const { return device_; }

    // "Hamlib " and the maker and model, for the title.
    QString caption() const
    {
        if (device_.model <= 0)
            return QStringLiteral("Hamlib");
        // Hamlib's own models (NET rigctl...) already carry its name.
        const QString name = wording_.nameOf(device_.model);
        return name.startsWith(QLatin1String("Hamlib ")) ? name : QStringLiteral("Hamlib ") + name;
    }

    // False, and the operator told once, while no model is chosen.
    bool configured()
    {
        if (device_.model > 0)
            return true;
        refusals_.refused(QStringLiteral("none-chosen"), wording_.noneChosen);
        return false;
    }

    RefusalReport &refusals() { return refusals_; }
    void want(const std::function<void(Wanted &)> &change) { worker_->want(change); }
    void release() { worker_->release(); }

    // The device's last reading, kept by the worker.
    std::optional<Reading> reading() const { return worker_->reading(); }
    // Called on the window's thread when the reading changed.
    std::function<void()> readingChanged;

private:
    QString place() const
    {
        const QString name = wording_.nameOf(device_.model);
        return device_.port.isEmpty() ? name : QStringLiteral("%1, %2").arg(name, device_.port);
    }

    // The worker's reports reach the operator from the window's thread.
    void tell(std::function<QString()> text)
    {
        QMetaObject::invokeMethod(&context_, [this, text = std::move(text)] { notice_.tell(text()); },
                                  Qt::QueuedConnection);
    }

    const HamlibTiming timing_;
    const HamlibWording wording_;
    const MakeSession makeSession_;
    HamlibDevice device_;
    QObject context_; // lives on the window's thread
    OperatorNotice notice_;
    RefusalReport refusals_;
    std::unique_ptr<Worker> worker_; // last: its thread reports to the members above
};

} // namespace orvanta
