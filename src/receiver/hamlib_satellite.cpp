// Hamlib's headers stay in this file: they define short macros (Hz, kHz, MHz,
// W) that would clash with the rest of the station.
#include "receiver/hamlib_satellite.h"

#include "hamlib/hamlib_link.h"
#include "platform/text_numbers.h"

#include <QCoreApplication>

#include <hamlib/rig.h>

#include <cmath>
#include <utility>

namespace orvanta {

namespace {

struct VfoName {
    UplinkVfo vfo;
    const char *name;
    vfo_t hamlib;
};

constexpr VfoName kVfos[] = {{UplinkVfo::VfoB, "VFOB", RIG_VFO_B},
                             {UplinkVfo::VfoA, "VFOA", RIG_VFO_A},
                             {UplinkVfo::Sub, "Sub", RIG_VFO_SUB},
                             {UplinkVfo::Main, "Main", RIG_VFO_MAIN}};

// VFO B's entry for a value outside the table.
const VfoName &entryOf(UplinkVfo vfo)
{
    for (const VfoName &entry : kVfos)
        if (entry.vfo == vfo)
            return entry;
    return kVfos[0];
}

QString megahertz(qint64 hertz)
{
    return formatFixed(double(hertz) / 1e6, 6);
}

// Whether the radio says it can transmit there; a radio without any transmit
// range (a receiver) cannot.
bool canTransmit(const RIG *rig, qint64 hertz)
{
    const freq_range_t *ranges = rig->state.tx_range_list;
    for (int i = 0; i < HAMLIB_FRQRANGESIZ && !RIG_IS_FRNG_END(ranges[i]); ++i)
        if (double(hertz) >= ranges[i].startf && double(hertz) <= ranges[i].endf)
            return true;
    return false;
}

rmode_t modeOf(const QString &text)
{
    return text.isEmpty() ? RIG_MODE_NONE : rig_parse_mode(text.trimmed().toUpper().toLatin1().constData());
}

QString noUplink()
{
    return QCoreApplication::translate("Receiver", "la montée n'est pas envoyée, seule la descente est suivie");
}

} // namespace

QString uplinkVfoName(UplinkVfo vfo)
{
    return QLatin1String(entryOf(vfo).name);
}

UplinkVfo uplinkVfoNamed(const QString &name)
{
    for (const VfoName &entry : kVfos)
        if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
            return entry.vfo;
    return UplinkVfo::VfoB;
}

void RigSatellite::refused(const QString &text)
{
    note_ = note_.isEmpty() ? text : note_ + QLatin1Char('\n') + text;
}

QString RigSatellite::takeNote()
{
    return std::exchange(note_, QString());
}

std::optional<RigReading> RigSatellite::takeDial()
{
    return std::exchange(dial_, std::nullopt);
}

QString RigSatellite::apply(RIG *rig, const RigSatelliteWish &wanted, RigSatelliteWish &applied)
{
    if (!wanted.on) {
        if (applied.on)
            if (const QString error = stop(rig); !error.isEmpty())
                return error;
        applied = wanted;
        return {};
    }
    if (!applied.on || wanted.starts != applied.starts) {
        if (const QString error = start(rig, wanted); !error.isEmpty())
            return error;
        applied = wanted;
        applied.cycle = 0;
    }
    if (wanted.cycle != applied.cycle) {
        // One read per cycle, before what the cycle sends: it shows what the
        // operator did with the dial since the last one landed, which the
        // next would otherwise undo.
        if (const QString error = readDial(rig, wanted, applied); !error.isEmpty())
            return error;
        applied.cycle = wanted.cycle;
        applied.readDial = wanted.readDial;
    }
    if (wanted.transmitHz != applied.transmitHz) {
        if (const QString error = sendTransmit(rig, wanted.transmitHz); !error.isEmpty())
            return error;
        applied.transmitHz = wanted.transmitHz;
        if (uplinkOnly_ && wanted.movedAtMs > 0)
            latency_ = double(monotonicMs() - wanted.movedAtMs) / 1000;
    }
    if (wanted.receiveHz != applied.receiveHz && !uplinkOnly_) {
        if (const QString error = sendReceive(rig, wanted.receiveHz); !error.isEmpty())
            return error;
        applied.receiveHz = wanted.receiveHz;
        if (wanted.movedAtMs > 0)
            latency_ = double(monotonicMs() - wanted.movedAtMs) / 1000;
    }
    return {};
}

QString RigSatellite::readDial(RIG *rig, const RigSatelliteWish &wanted, const RigSatelliteWish &applied)
{
    dial_ = RigReading{0, wanted.cycle, applied.receiveHz, !uplink_, 0, latency_, unreadable_};
    dial_->satelliteMode = satmode_;
    dial_->split = split_;
    if (!wanted.readDial || unreadable_ || uplinkOnly_)
        return {};
    freq_t frequency = 0;
    const int code = rig_get_freq(rig, RIG_VFO_CURR, &frequency);
    if (code == RIG_OK) {
        dial_->hertz = frequency;
        dial_->readAtMs = monotonicMs();
    } else if (isHamlibRefusal(code)) {
        // Said once per start; the corrections go on without the dial.
        unreadable_ = dial_->unreadable = true;
        refused(QCoreApplication::translate("Receiver",
                                            "La radio Hamlib ne dit pas sa fréquence (%1) : le cadran est ignoré.")
                    .arg(hamlibErrorText(code)));
    } else {
        return hamlibErrorText(code);
    }
    return {};
}

QString RigSatellite::start(RIG *rig, const RigSatelliteWish &wanted)
{
    if (const QString error = stop(rig); !error.isEmpty())
        return error;
    uplink_ = false;
    unreadable_ = false;
    uplinkOnly_ = wanted.uplinkOnly;
    uplinkVfo_ = int(uplinkOnly_ ? RIG_VFO_CURR : entryOf(wanted.uplinkVfo).hamlib);
    if (!canTransmit(rig, wanted.transmitHz)) {
        refused(QCoreApplication::translate("Receiver",
                                            "La radio Hamlib n'émet pas sur %1 MHz, la montée du transpondeur : %2.")
                    .arg(megahertz(wanted.transmitHz),
                         uplinkOnly_ ? QCoreApplication::translate("Receiver", "la montée n'est pas envoyée")
                                     : noUplink()));
    } else if (uplinkOnly_) {
        uplink_ = true;
    } else {
        if (rig_has_set_func(rig, RIG_FUNC_SATMODE)) {
            const int code = rig_set_func(rig, RIG_VFO_CURR, RIG_FUNC_SATMODE, 1);
            if (isHamlibFailure(code))
                return hamlibErrorText(code);
            satmode_ = code == RIG_OK;
        }
        // Split too, so that the split frequency lands on the uplink's VFO
        // also where satellite mode alone does not say which VFO transmits;
        // a radio whose satellite mode excludes split may refuse it.
        {
            const int code = rig_set_split_vfo(rig, RIG_VFO_CURR, RIG_SPLIT_ON, vfo_t(uplinkVfo_));
            if (isHamlibFailure(code))
                return hamlibErrorText(code);
            split_ = code == RIG_OK;
            if (!split_ && !satmode_)
                refused(QCoreApplication::translate("Receiver", "La radio Hamlib refuse le mode split (%1) : %2.")
                            .arg(hamlibErrorText(code), noUplink()));
        }
        uplink_ = on();
    }
    if (uplink_) {
        if (const rmode_t mode = modeOf(wanted.uplinkMode); mode != RIG_MODE_NONE) {
            const int code = uplinkOnly_ ? rig_set_mode(rig, RIG_VFO_CURR, mode, RIG_PASSBAND_NORMAL)
                                         : rig_set_split_mode(rig, RIG_VFO_CURR, mode, RIG_PASSBAND_NORMAL);
            if (isHamlibFailure(code))
                return hamlibErrorText(code);
            if (code != RIG_OK)
                refused(
                    QCoreApplication::translate("Receiver", "La radio Hamlib refuse le mode %1 pour la montée : %2.")
                        .arg(wanted.uplinkMode, hamlibErrorText(code)));
        }
        if (const QString error = sendTransmit(rig, wanted.transmitHz); !error.isEmpty())
            return error;
    }
    if (uplink_ && wanted.ctcssHz > 0) {
        const QString tone = formatFixed(wanted.ctcssHz, 1);
        if (!rig->caps->set_ctcss_tone) {
            refused(QCoreApplication::translate(
                        "Receiver", "La radio Hamlib ne sait pas régler la tonalité CTCSS : réglez %1 Hz sur la radio.")
                        .arg(tone));
        } else {
            // The tone goes with the transmitted frequency where the radio
            // sets it per VFO.
            const vfo_t vfo = (rig->caps->targetable_vfo & RIG_TARGETABLE_TONE) ? vfo_t(uplinkVfo_) : RIG_VFO_CURR;
            int code = rig_set_ctcss_tone(rig, vfo, tone_t(std::lround(wanted.ctcssHz * 10)));
            if (code == RIG_OK && rig_has_set_func(rig, RIG_FUNC_TONE))
                code = rig_set_func(rig, vfo, RIG_FUNC_TONE, 1);
            if (isHamlibFailure(code))
                return hamlibErrorText(code);
            if (code != RIG_OK)
                refused(QCoreApplication::translate("Receiver", "La radio Hamlib refuse la tonalité CTCSS %1 Hz : %2.")
                            .arg(tone, hamlibErrorText(code)));
        }
    }
    if (uplinkOnly_)
        return {};
    if (const rmode_t mode = modeOf(wanted.downlinkMode); mode != RIG_MODE_NONE) {
        const int code = rig_set_mode(rig, RIG_VFO_CURR, mode, RIG_PASSBAND_NORMAL);
        if (isHamlibFailure(code))
            return hamlibErrorText(code);
        if (code != RIG_OK)
            refused(QCoreApplication::translate("Receiver", "La radio Hamlib refuse le mode %1 pour la descente : %2.")
                        .arg(wanted.downlinkMode, hamlibErrorText(code)));
    }
    return sendReceive(rig, wanted.receiveHz);
}

QString RigSatellite::sendReceive(RIG *rig, qint64 hertz)
{
    const int code = rig_set_freq(rig, RIG_VFO_CURR, freq_t(hertz));
    if (isHamlibFailure(code))
        return hamlibErrorText(code);
    // Told once, not at every cycle, until a downlink goes out again.
    if (code != RIG_OK && !downlinkRefused_)
        refused(QCoreApplication::translate("Receiver", "La radio Hamlib refuse la frequence de descente %1 MHz : %2.")
                    .arg(megahertz(hertz), hamlibErrorText(code)));
    downlinkRefused_ = code != RIG_OK;
    return {};
}

QString RigSatellite::sendTransmit(RIG *rig, qint64 hertz)
{
    if (!uplink_)
        return {};
    const int code = uplinkOnly_ ? rig_set_freq(rig, RIG_VFO_CURR, freq_t(hertz))
                                 : rig_set_split_freq(rig, RIG_VFO_CURR, freq_t(hertz));
    if (isHamlibFailure(code))
        return hamlibErrorText(code);
    if (code != RIG_OK) {
        // Nothing more goes to an uplink the radio turned down.
        uplink_ = false;
        refused(QCoreApplication::translate("Receiver", "La radio Hamlib refuse la fréquence de montée %1 MHz : %2.")
                    .arg(megahertz(hertz), hamlibErrorText(code)));
    }
    return {};
}

QString RigSatellite::stop(RIG *rig)
{
    int code = RIG_OK;
    if (split_)
        code = rig_set_split_vfo(rig, RIG_VFO_CURR, RIG_SPLIT_OFF, vfo_t(uplinkVfo_));
    if (satmode_ && !isHamlibFailure(code))
        code = rig_set_func(rig, RIG_VFO_CURR, RIG_FUNC_SATMODE, 0);
    satmode_ = split_ = uplink_ = false;
    return isHamlibFailure(code) ? hamlibErrorText(code) : QString();
}

} // namespace orvanta
