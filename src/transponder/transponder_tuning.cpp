#include "transponder/transponder_tuning.h"

#include "config/config_station.h"
#include "orbit/satellites.h"
#include "orbit/utc_time.h"
#include "platform/settings_store.h"
#include "platform/text_numbers.h"
#include "receiver/ft847_receiver.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

const QString kSection = QStringLiteral("Transpondeurs");

qint64 storedHertz(const QString &text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok); // the same in every locale
    return ok ? value : 0;
}

} // namespace

std::optional<double> rangeRateAt(const orbit::Satellites *component, const QString &name, const QDateTime &instant)
{
    if (!component || name.isEmpty() || !instant.isValid())
        return std::nullopt;
    const QDate date = instant.date();
    const QTime time = instant.time();
    const orbit::JulianDate when = orbit::julianFromCalendar(
        {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second() + time.msec() / 1000.0});
    orbit::SatelliteLook look;
    // Below the horizon too: the panel shows the links before the pass begins.
    if (!component->lookAt(name.toStdString(), when, -90, look))
        return std::nullopt;
    return look.rangeRateKmS;
}

int correctionPeriodMs(const SettingsStore &store)
{
    const std::optional<double> seconds =
        parseNumber(store.get(kApplication, kSection, QStringLiteral("Periode Correction")));
    if (!seconds || *seconds < 0.1 || *seconds > 10)
        return 500;
    return int(std::lround(*seconds * 1000));
}

double ft847SatelliteByteGap(const SettingsStore &store)
{
    const std::optional<double> seconds =
        parseNumber(store.get(kApplication, kSection, QStringLiteral("Pause Octets FT847")));
    return seconds && *seconds >= 0.005 && *seconds <= 0.2 ? *seconds : Ft847Receiver::kSatelliteByteGap;
}

TransponderTuning::TransponderTuning(SettingsStore &store, std::function<TransponderTable()> loadTable)
    : store_(store), loadTable_(std::move(loadTable))
{
}

QString TransponderTuning::key(const QString &what) const
{
    return QString::number(catalogNumber_) + QLatin1Char(' ') + what;
}

QString TransponderTuning::transponderKey(const QString &what) const
{
    const Transponder *t = transponder();
    return key((t ? t->name + QLatin1Char(' ') : QString()) + what);
}

void TransponderTuning::loadOffsets()
{
    const auto offset = [this](const QString &what) {
        const QString own = store_.get(kApplication, kSection, transponderKey(what));
        return storedHertz(own.isEmpty() ? store_.get(kApplication, kSection, key(what)) : own);
    };
    offsets_ = {offset(QStringLiteral("Decalage Descente")), offset(QStringLiteral("Decalage Montee"))};
}

void TransponderTuning::follow(long catalogNumber, const QString &name)
{
    if (catalogNumber == catalogNumber_)
        return;
    remember();
    catalogNumber_ = catalogNumber;
    satelliteName_ = name;
    rangeRate_.reset();
    load();
}

void TransponderTuning::reload()
{
    remember();
    load();
}

void TransponderTuning::load()
{
    transponders_.clear();
    problems_.clear();
    chosen_ = -1;
    downlink_ = 0;
    offsets_ = {};
    if (catalogNumber_ == 0)
        return;
    const TransponderTable table = loadTable_();
    transponders_ = table.forSatellite(catalogNumber_);
    problems_ = table.problems;
    if (transponders_.empty())
        return;
    const QString kept = store_.get(kApplication, kSection, key(QStringLiteral("Transpondeur")));
    const auto found = std::find_if(transponders_.begin(), transponders_.end(),
                                    [&](const Transponder &t) { return t.name.compare(kept, Qt::CaseInsensitive) == 0; });
    // Without a choice kept, the first transponder one can work: alive, with an uplink.
    const auto workable = std::find_if(transponders_.begin(), transponders_.end(),
                                       [](const Transponder &t) { return t.alive && t.hasUplink(); });
    chosen_ = int(found != transponders_.end() ? found - transponders_.begin()
                  : workable != transponders_.end() ? workable - transponders_.begin() : 0);
    loadOffsets();
    centre();
    const qint64 last = storedHertz(store_.get(kApplication, kSection, key(QStringLiteral("Descente"))));
    if (found != transponders_.end() && last > 0)
        setDownlink(last);
}

const Transponder *TransponderTuning::transponder() const
{
    return chosen_ >= 0 ? &transponders_[std::size_t(chosen_)] : nullptr;
}

void TransponderTuning::choose(int index)
{
    if (index < 0 || index >= int(transponders_.size()) || index == chosen_)
        return;
    chosen_ = index;
    loadOffsets();
    centre();
    remember();
}

void TransponderTuning::setStep(int hertz)
{
    if (std::find(std::begin(kSteps), std::end(kSteps), hertz) != std::end(kSteps))
        step_ = hertz;
}

void TransponderTuning::tune(int steps)
{
    setDownlink(downlink_ + qint64(steps) * step_);
}

void TransponderTuning::setDownlink(qint64 hertz)
{
    if (const Transponder *t = transponder())
        downlink_ = std::clamp(hertz, t->downlinkLow, t->downlinkHigh);
}

QString TransponderTuning::typeDownlink(const QString &megahertz)
{
    const Transponder *t = transponder();
    if (!t)
        return QCoreApplication::translate("Transponders", "aucun transpondeur");
    // A French operator's comma is read as the point.
    const std::optional<double> value = parseNumber(QString(megahertz).replace(QLatin1Char(','), QLatin1Char('.')));
    if (!value || !std::isfinite(*value))
        return QCoreApplication::translate("Transponders", "pas un nombre");
    const qint64 hertz = std::llround(*value * 1e6);
    if (hertz < t->downlinkLow || hertz > t->downlinkHigh)
        return QCoreApplication::translate("Transponders", "hors de la bande %1 - %2 MHz")
            .arg(formatFixed(double(t->downlinkLow) / 1e6, 5), formatFixed(double(t->downlinkHigh) / 1e6, 5));
    downlink_ = hertz;
    return {};
}

void TransponderTuning::centre()
{
    if (const Transponder *t = transponder())
        downlink_ = t->downlinkLow + (t->downlinkHigh - t->downlinkLow) / 2;
}

void TransponderTuning::setOffsets(const LinkOffsets &offsets)
{
    offsets_ = offsets;
    if (!transponder())
        return;
    store_.save(kApplication, kSection, transponderKey(QStringLiteral("Decalage Descente")),
                QString::number(offsets.downlink));
    store_.save(kApplication, kSection, transponderKey(QStringLiteral("Decalage Montee")), QString::number(offsets.uplink));
}

const Transponder *TransponderTuning::beacon() const
{
    const auto found = std::find_if(transponders_.begin(), transponders_.end(), [](const Transponder &t) {
        return !t.hasUplink() && t.downlinkLow == t.downlinkHigh && t.downlinkLow > 0;
    });
    return found != transponders_.end() ? &*found : nullptr;
}

bool TransponderTuning::calibrateOnBeacon(double radioHz, double rangeRateKmS)
{
    const Transponder *b = beacon();
    if (!b || !transponder() || !std::isfinite(radioHz) || radioHz <= 0)
        return false;
    const double atSatellite = radioHz / receivedAtRadio(1.0, rangeRateKmS);
    setOffsets({std::llround(atSatellite - double(b->downlinkLow)), offsets_.uplink});
    return true;
}

std::optional<TwoLinks> TransponderTuning::links() const
{
    return linksAt(rangeRate_);
}

std::optional<TwoLinks> TransponderTuning::linksAt(std::optional<double> rangeRateKmS) const
{
    const Transponder *t = transponder();
    if (!t || !rangeRateKmS)
        return std::nullopt;
    return twoLinks(*t, downlink_, *rangeRateKmS, offsets_);
}

void TransponderTuning::remember()
{
    const Transponder *t = transponder();
    if (!t)
        return;
    // Only what changed is written: the settings file is rewritten at each save.
    const auto keep = [this](const QString &what, const QString &value) {
        if (store_.get(kApplication, kSection, key(what)) != value)
            store_.save(kApplication, kSection, key(what), value);
    };
    keep(QStringLiteral("Transpondeur"), t->name);
    keep(QStringLiteral("Descente"), QString::number(downlink_));
}

} // namespace orvanta
