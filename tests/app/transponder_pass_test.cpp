// FO-29's inverting "Mode JA" worked through a rehearsed pass: the downlink
// the radio holds, frame by frame or sample by sample, against the Doppler
// shift worked out here from the range rates the command line's look gives
// at the same instants; and a turn of the dial at the highest point.

#include "config/config_station.h"
#include "hamlib/hamlib_device.h"
#include "platform/qt_serial_line.h"
#include "transponder/transponder_window.h"
#include "station_harness.h"
#include "support/hamlib_daemon.h"
#include "support/pty.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace orvanta {
namespace {

const QDateTime kRise = QDateTime::fromString("2026-06-27T07:06:40Z", Qt::ISODate);
const QDateTime kHighest = QDateTime::fromString("2026-06-27T07:14:15Z", Qt::ISODate);
const QDateTime kSet = QDateTime::fromString("2026-06-27T07:21:30Z", Qt::ISODate);
constexpr qint64 kDownlink = 435850000; // the middle of the passband

// The range rate (km/s) the command line's look gives FO-29 from the demo's
// observer, on a grid of instants and between them along the parabola
// through the three nearest.
class LookedRangeRates {
public:
    LookedRangeRates(const QString &elements, const QDateTime &from, const QDateTime &to, int stepS)
        : from_(from), stepS_(stepS)
    {
        for (QDateTime at = from.addSecs(-stepS); at <= to.addSecs(stepS); at = at.addSecs(stepS))
            rates_.push_back(look(elements, at));
    }

    double at(const QDateTime &instant) const
    {
        const double x = double(from_.msecsTo(instant)) / 1000 / stepS_ + 1;
        const auto i = std::clamp<std::size_t>(std::size_t(std::lround(x)), 1, rates_.size() - 2);
        const double u = x - double(i);
        return rates_[i] + u * (rates_[i + 1] - rates_[i - 1]) / 2 +
               u * u * (rates_[i + 1] - 2 * rates_[i] + rates_[i - 1]) / 2;
    }

    // Where the radio should hear a frequency the satellite sends, at an instant.
    double heard(double atSatellite, const QDateTime &instant) const
    {
        constexpr double c = 299792.458;
        const double v = at(instant);
        return atSatellite * std::sqrt((1 - v / c) / (1 + v / c));
    }

private:
    static double look(const QString &elements, const QDateTime &instant)
    {
        QProcess orbit;
        orbit.start(QStringLiteral(ORVANTA_BINARY_DIR "/src/app/orvanta-orbit"),
                    {"look", "--elements", elements, "--lat", "48.85", "--lon", "2.35", "--alt", "35", "--time",
                     instant.toString("yyyy-MM-ddTHH:mm:ss.zzzZ"), "--sat", "24278"});
        orbit.waitForFinished();
        const QStringList row = QString::fromUtf8(orbit.readAllStandardOutput()).split('\n').value(1).split(',');
        EXPECT_EQ(row.size(), 7) << instant.toString(Qt::ISODateWithMs).toStdString();
        return row.value(5).toDouble();
    }

    QDateTime from_;
    int stepS_;
    std::vector<double> rates_;
};

// The station following FO-29 with its table's "Mode JA" in the middle of
// the passband, the radio driven.
void workFo29(test::StationHarness &h)
{
    h.click("Prog_RX_2");
    h.tick();
    auto *choice = h.window().findChild<QComboBox *>("Transpondeur_Choix");
    ASSERT_TRUE(choice);
    choice->setCurrentIndex(choice->findText("Mode JA", Qt::MatchStartsWith));
    ASSERT_GE(choice->currentIndex(), 0) << choice->currentText().toStdString();
    h.window().findChild<QCheckBox *>("Transpondeur_Radio")->click();
}

void prepareFo29(test::StationHarness &h, const QString &receiver)
{
    h.writeFile("Frequences.cfg", "JAS-2 (FO-29)\r\n435.85\r\nMode C\r\n");
    ASSERT_TRUE(QFile::copy(QStringLiteral(ORVANTA_SOURCE_DIR "/demo/Transpondeurs.cfg"),
                            h.folder.filePath("Transpondeurs.cfg")));
    h.setup("Recepteur", receiver);
    h.setup("Latitude Observateur", "48.85");
    h.setup("Longitude Observateur", "2.35");
    h.setup("Altitude Observateur", "35");
    h.setup("Minimum Elevation", "0");
    h.bank(1, {"JAS-2 (FO-29)"});
}

const TransponderTuning &panelTuning(test::StationHarness &h)
{
    return h.window().findChild<TranspondeurWindow *>("Transpondeur")->tuning();
}

// The FT-847 at the far end of the pseudo-terminal: its SAT RX VFO as each
// frame lands, and its answers to the read of SAT RX. The operator turns its
// knob 2 kHz up just after the first downlink that lands from turnAt on: a
// turn while a frame is on its way would be undone by it, seen or not.
struct FarFt847 {
    test::PtyPair &pty;
    QDateTime turnAt;
    QByteArray pending;
    QByteArray instructions;
    std::vector<std::pair<QDateTime, qint64>> receive;
    QDateTime turned;

    void take(const QDateTime &now)
    {
        pending += pty.readAll(1, 0);
        for (; pending.size() >= 5; pending.remove(0, 5)) {
            const char instruction = pending.at(4);
            instructions += instruction;
            if (instruction == 0x11) {
                qint64 tens = 0;
                for (int i = 0; i < 4; ++i)
                    tens = tens * 100 + (quint8(pending.at(i)) >> 4) * 10 + (quint8(pending.at(i)) & 0x0F);
                receive.emplace_back(now, tens * 10);
                if (turnAt.isValid() && now >= turnAt && !turned.isValid())
                    receive.emplace_back(turned = now.addMSecs(1), tens * 10 + 2000);
            } else if (instruction == 0x13) {
                QByteArray answer;
                qint64 tens = receive.empty() ? 0 : receive.back().second / 10;
                for (int i = 0; i < 4; ++i, tens /= 100)
                    answer.prepend(char(((tens % 100) / 10) << 4 | (tens % 10)));
                pty.write(answer + '\x01');
            }
        }
    }
};

// The waits of the radio's pacing in pass time: each moves the clock on once
// the far end has taken what was written, and fires the correction timer and
// the tick when due, as the event loop would, until the end.
class PassTime final : public Waiter {
public:
    PassTime(test::FakeClock &clock, FarFt847 &radio) : clock_(clock), radio_(radio) {}

    QTimer *correction = nullptr;
    QTimer *tick = nullptr;
    QDateTime end;
    std::function<void()> watch; // after each step of the clock
    void Attente(double seconds) override
    {
        radio_.take(clock_.now);
        advance(seconds);
    }

    void advance(double seconds)
    {
        const QDateTime until = clock_.now.addMSecs(std::llround(seconds * 1000));
        while (clock_.now < end && std::min(nextCorrection_, nextTick_) <= until) {
            QTimer *due = nextCorrection_ <= nextTick_ ? correction : tick;
            QDateTime &next = due == correction ? nextCorrection_ : nextTick_;
            clock_.now = std::max(clock_.now, next);
            next = next.addMSecs(due->interval());
            QMetaObject::invokeMethod(due, "timeout");
            if (watch)
                watch();
        }
        clock_.now = std::max(clock_.now, until);
        if (watch)
            watch();
    }

    void startAt(const QDateTime &at)
    {
        clock_.now = nextCorrection_ = nextTick_ = at;
    }

private:
    test::FakeClock &clock_;
    FarFt847 &radio_;
    QDateTime nextCorrection_;
    QDateTime nextTick_;
};

struct Held {
    double worstHz = 0;
    double p95Hz = 0;
    std::size_t frames = 0;
};

// The downlink the radio held from each frame to the next against where it
// should have been at both ends; downlinkAt gives the wanted downlink at the
// satellite, none while it was moving.
Held heldAgainst(const std::vector<std::pair<QDateTime, qint64>> &landed, const LookedRangeRates &rates,
                 const std::function<std::optional<qint64>(const QDateTime &)> &downlinkAt)
{
    std::vector<double> errors;
    for (std::size_t i = 0; i + 1 < landed.size(); ++i) {
        const auto &[from, hertz] = landed[i];
        const QDateTime to = landed[i + 1].first;
        const auto wanted = downlinkAt(from);
        if (!wanted || downlinkAt(to) != wanted)
            continue;
        errors.push_back(std::max(std::abs(double(hertz) - rates.heard(double(*wanted), from)),
                                  std::abs(double(hertz) - rates.heard(double(*wanted), to))));
    }
    Held held;
    if (errors.empty())
        return held;
    held.frames = errors.size();
    std::sort(errors.begin(), errors.end());
    held.worstHz = errors.back();
    held.p95Hz = errors[errors.size() * 95 / 100];
    return held;
}

// At both pacings of the satellite-mode frames: the default's, and the
// 0.1 s of the CAT and main VFO frames, where the dial is read after every
// other downlink only and a turn is seen only when it falls before such a
// read: there the knob is left alone.
TEST(TransponderPass, TheFt847HoldsTheDownlinkOnTheDopplerShiftAndTakesATurnOfTheDialAtTheHighestPoint)
{
    const LookedRangeRates rates(QStringLiteral(ORVANTA_SOURCE_DIR "/tests/orbit/data/amateur-2026-06.txt"), kRise,
                                 kSet, 10);
    for (const auto &[pause, goalHz, turns] : {std::tuple{"", 15.0, true}, std::tuple{"0.1", 40.0, false}}) {
        SCOPED_TRACE(pause);
        test::PtyPair pty;
        test::StationHarness h;
        prepareFo29(h, "FT847");
        if (*pause)
            h.store.save(kApplication, "Transpondeurs", "Pause Octets FT847", pause);
        FarFt847 radio{pty};
        PassTime time(h.clock, radio);
        QtSerialLine line(pty.slavePath(), QStringLiteral("19200,n,8,1"), h.messages);
        h.clock.now = kRise;
        h.station = std::make_unique<Station>(StationPlatform{h.store, h.messages, h.clock, time, line, h.rotorLine,
                                                              h.port, h.sound, h.help, h.folder.path()});
        h.station->start();
        h.settle();
        workFo29(h);
        time.correction = h.window().findChild<QTimer *>("Transpondeur_Correction");
        time.tick = &h.window().timer1();
        ASSERT_TRUE(time.correction);

        // The knob turned at the highest point: the wanted downlink follows
        // it, Doppler removed.
        std::vector<std::pair<QDateTime, qint64>> tuned;
        if (turns)
            radio.turnAt = kHighest;
        time.end = kSet;
        time.startAt(kRise);
        qint64 last = panelTuning(h).downlink();
        ASSERT_EQ(last, kDownlink);
        time.watch = [&] {
            if (panelTuning(h).downlink() != last)
                tuned.emplace_back(h.clock.now, last = panelTuning(h).downlink());
        };
        while (h.clock.now < kSet) {
            time.advance(0.01);
        }
        radio.take(h.clock.now);

        ASSERT_EQ(tuned.size(), turns ? 1u : 0u) << "our own corrections are never a turn of the dial";
        if (turns) {
            EXPECT_GE(tuned[0].first, radio.turned);
            EXPECT_LE(radio.turned.msecsTo(tuned[0].first), time.correction->interval() + 50)
                << "taken at the next correction";
            EXPECT_NEAR(double(tuned[0].second), kDownlink + 2000, 30);
        }
        const Held held = heldAgainst(radio.receive, rates, [&](const QDateTime &at) -> std::optional<qint64> {
            if (!turns || at < radio.turned)
                return kDownlink;
            if (at > tuned[0].first.addMSecs(1500))
                return tuned[0].second;
            return std::nullopt;
        });
        std::printf("FT-847, pause %s s: %zu downlink frames, downlink held within %.1f Hz (95%%: %.1f Hz)\n",
                    *pause ? pause : "0.015", held.frames, held.worstHz, held.p95Hz);
        EXPECT_GT(held.frames, 500u);
        EXPECT_LE(held.worstHz, goalHz);
        EXPECT_TRUE(radio.instructions.contains('\x13')) << "the dial is read";
        EXPECT_TRUE(h.messages.shown.empty()) << h.messages.texts().join('\n').toStdString();
        h.messages.answers = {false};
        h.window().close();
    }
}

// A clock running in real time from an instant of the pass, for the Hamlib
// radio's own thread.
class PassClock final : public UtcClock {
public:
    explicit PassClock(const QDateTime &from) : from_(from) { running_.start(); }
    QDateTime nowUtc() const override { return from_.addMSecs(running_.elapsed()); }

private:
    QDateTime from_;
    QElapsedTimer running_;
};

// Through rigctld's dummy in real time around the highest point, where the
// Doppler shift moves fastest: the downlink read from the dummy as another
// client would, against where it should be at the read.
TEST(TransponderPass, TheHamlibRadioHoldsTheDownlinkOnTheDopplerShiftAndTakesATurnOfTheDialAtTheHighestPoint)
{
    test::HamlibDaemon rig(QStringLiteral("rigctld"), {"-m", "1"});
    ASSERT_TRUE(rig.start());
    const QDateTime from = kHighest.addSecs(-12);
    const QDateTime to = kHighest.addSecs(10);
    const LookedRangeRates rates(QStringLiteral(ORVANTA_SOURCE_DIR "/tests/orbit/data/amateur-2026-06.txt"), from,
                                 to, 2);
    test::StationHarness h;
    prepareFo29(h, "Hamlib");
    saveHamlibDevice(h.store, HamlibKind::Receiver, {2, rig.address(), 0});
    PassClock clock(from);
    h.station = std::make_unique<Station>(StationPlatform{h.store, h.messages, clock, h.waiter, h.receiverLine,
                                                          h.rotorLine, h.port, h.sound, h.help, h.folder.path()});
    h.station->start();
    h.settle();
    workFo29(h);
    auto *correction = h.window().findChild<QTimer *>("Transpondeur_Correction");
    ASSERT_TRUE(correction);
    // Until the start's downlink has replaced the tick's.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return std::abs(rig.ask("f", 1).value(0).toDouble() - rates.heard(kDownlink, clock.nowUtc())) < 100;
        },
        3000));
    EXPECT_EQ(rig.ask("u SATMODE", 1).value(0), "1");

    // A turn that lands between the read of a correction and its downlink
    // is undone unseen, as on any radio read between commands: the operator
    // then turns again.
    std::vector<double> errors;
    QDateTime turned;
    QDateTime taken;
    QDateTime moved; // when the wanted downlink last changed
    qint64 lastWanted = kDownlink;
    while (clock.nowUtc() < to) {
        QTest::qWait(10);
        const QDateTime asked = clock.nowUtc();
        const qint64 held = rig.ask("f", 1).value(0).toLongLong();
        const QDateTime answered = clock.nowUtc();
        const QDateTime at = asked.addMSecs(asked.msecsTo(answered) / 2);
        const qint64 wanted = panelTuning(h).downlink();
        if (turned.isValid() && !taken.isValid() && wanted != kDownlink)
            taken = clock.nowUtc();
        if (wanted != lastWanted) {
            moved = clock.nowUtc();
            lastWanted = wanted;
        }
        if (at >= kHighest && !taken.isValid() && (!turned.isValid() || turned.msecsTo(at) > 1000)) {
            rig.ask(QStringLiteral("F %1").arg(held + 2000), 1);
            turned = clock.nowUtc();
            continue;
        }
        if (!turned.isValid() || (taken.isValid() && moved.msecsTo(at) > 1000 && turned.msecsTo(at) > 1000))
            errors.push_back(std::abs(double(held) - rates.heard(double(wanted), at)));
        if (!turned.isValid())
            ASSERT_EQ(wanted, kDownlink) << "our own corrections are never a turn of the dial";
    }
    ASSERT_TRUE(taken.isValid());
    EXPECT_LE(turned.msecsTo(taken), correction->interval() + 200) << "taken at the next correction";
    EXPECT_NEAR(double(panelTuning(h).downlink()), kDownlink + 2000, 30);
    std::sort(errors.begin(), errors.end());
    ASSERT_GT(errors.size(), 200u);
    std::printf("Hamlib: %zu reads, downlink held within %.1f Hz (95%%: %.1f Hz)\n", errors.size(), errors.back(),
                errors[errors.size() * 95 / 100]);
    EXPECT_LE(errors.back(), 15.0);
    EXPECT_TRUE(h.messages.shown.empty()) << h.messages.texts().join('\n').toStdString();
    h.messages.answers = {false};
    h.window().close();
}

} // namespace
} // namespace orvanta
