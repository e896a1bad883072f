#include "config/config_station.h"
#include "hamlib/hamlib_device.h"
#include "platform/window_style.h"
#include "receiver/ft847_radio.h"
#include "transponder/hamlib_satellite_work.h"
#include "transponder/satellite_link.h"
#include "transponder/transponder_entries.h"
#include "transponder/transponder_tuning.h"
#include "transponder/transponder_window.h"
#include "transponder/two_link_doppler.h"
#include "transponder/two_radio_work.h"
#include "station_harness.h"
#include "support/fakes.h"
#include "support/rehearsed_pass.h"
#include "support/hamlib_daemon.h"
#include "support/slow_relay.h"

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cmath>

namespace orvanta {
namespace {

const Transponder kBeacon{24278, "Balise", 0, 0, 435795000, 435795000, false, "", "CW", 0, true};
const Transponder kModeJa{24278, "Mode JA", 145900000, 146000000, 435800000, 435900000, true, "LSB", "USB", 0, true};
const Transponder kModeA{7530, "Mode A", 145850000, 145950000, 29400000, 29500000, false, "USB", "USB", 0, true};

// Approaching at 7 km/s the satellite's 435.85 MHz arrives about f v / c =
// 10177 Hz higher, and the radio must send 145.95 MHz about 3408 Hz lower.
TEST(TwoLinkDoppler, BothLinksShiftTheWayTheSatelliteMovesAndTheUplinkFollowsThePassband)
{
    const TwoLinks approaching = twoLinks(kModeJa, 435850000, -7.0, {});
    EXPECT_EQ(approaching.uplinkAtSatellite, 145950000);
    EXPECT_NEAR(approaching.downlinkDoppler(), 10177, 1);
    EXPECT_NEAR(approaching.uplinkDoppler(), -3408, 1);
    const TwoLinks receding = twoLinks(kModeJa, 435850000, 7.0, {});
    EXPECT_NEAR(receding.downlinkDoppler(), -10177, 1);
    EXPECT_NEAR(receding.uplinkDoppler(), 3408, 1);

    // Inverting: up 1 kHz on the downlink is down 1 kHz on the uplink; not inverting, up too.
    EXPECT_EQ(uplinkForDownlink(kModeJa, 435801000), 145999000);
    EXPECT_EQ(uplinkForDownlink(kModeA, 29401000), 145851000);
    EXPECT_EQ(uplinkForDownlink(kBeacon, 435795000), 0);
    EXPECT_EQ(twoLinks(kBeacon, 435795000, 3.0, {}).uplinkAtRadio, 0);

    // The oscillators' offsets move what the radio uses, not the frequency at the satellite.
    const TwoLinks offset = twoLinks(kModeJa, 435850000, 0.0, {-1200, 300});
    EXPECT_DOUBLE_EQ(offset.downlinkAtRadio, 435848800);
    EXPECT_DOUBLE_EQ(offset.uplinkAtRadio, 145950300);
    EXPECT_EQ(offset.downlinkAtSatellite, 435850000);
    EXPECT_NEAR(offset.downlinkDoppler(), 0, 1e-6);
}

TEST(TransponderTuning, ChoiceFrequencyAndOffsetsAreKeptPerSatelliteAndTheDownlinkStaysInThePassband)
{
    test::MemorySettingsStore store;
    int reads = 0;
    const auto table = [&reads] {
        ++reads;
        TransponderTable t;
        t.entries = {kBeacon, kModeJa, kModeA};
        return t;
    };
    TransponderTuning tuning(store, table);
    tuning.follow(24278, "JAS-2 (FO-29)");
    ASSERT_EQ(tuning.transponders().size(), 2u);
    EXPECT_EQ(tuning.chosen(), 1); // the first with an uplink
    EXPECT_EQ(tuning.downlink(), 435850000);
    EXPECT_FALSE(tuning.links()); // no range rate yet
    tuning.setStep(1000);
    tuning.setStep(7); // not a step of the panel
    tuning.tune(3);
    EXPECT_EQ(tuning.downlink(), 435853000);
    tuning.tune(-100);
    EXPECT_EQ(tuning.downlink(), 435800000);
    tuning.setDownlink(435912345);
    EXPECT_EQ(tuning.downlink(), 435900000);
    tuning.setDownlink(435876540);
    tuning.setOffsets({-1500, 200});
    tuning.setRangeRate(0.0);
    ASSERT_TRUE(tuning.links());
    EXPECT_DOUBLE_EQ(tuning.links()->uplinkAtRadio, 145923460 + 200);

    tuning.follow(7530, "OSCAR 7 (AO-7)");
    EXPECT_EQ(tuning.transponder()->name, "Mode A");
    EXPECT_EQ(tuning.offsets().downlink, 0);
    tuning.follow(7530, "OSCAR 7 (AO-7)");
    EXPECT_EQ(reads, 2);
    tuning.follow(0, "");
    EXPECT_EQ(tuning.transponder(), nullptr);

    TransponderTuning later(store, table);
    later.follow(24278, "JAS-2 (FO-29)");
    EXPECT_EQ(later.transponder()->name, "Mode JA");
    EXPECT_EQ(later.downlink(), 435876540);
    EXPECT_EQ(later.offsets().downlink, -1500);
    later.choose(0);
    EXPECT_EQ(later.downlink(), 435795000);
    EXPECT_EQ(later.offsets().downlink, 0) << "offsets are the transponder's own";
    TransponderTuning third(store, table);
    third.follow(24278, "JAS-2 (FO-29)");
    EXPECT_EQ(third.transponder()->name, "Balise");
}

// Settings from before offsets were kept per transponder: the satellite's
// offsets are each of its transponders' until one is set anew. The beacon
// heard 1.2 kHz low at the radio, at rest and receding at 5 km/s, gives the
// worked transponder's downlink offset.
TEST(TransponderTuning, OffsetsAreKeptPerTransponderAndTheBeaconSetsTheDownlinkOne)
{
    test::MemorySettingsStore store;
    store.save(kApplication, "Transpondeurs", "24278 Decalage Descente", "-900");
    store.save(kApplication, "Transpondeurs", "24278 Decalage Montee", "150");
    TransponderTuning tuning(store, [] {
        TransponderTable t;
        t.entries = {kBeacon, kModeJa};
        return t;
    });
    tuning.follow(24278, "JAS-2 (FO-29)");
    EXPECT_EQ(tuning.offsets().downlink, -900);
    tuning.setOffsets({-1000, 200});
    tuning.choose(0);
    EXPECT_EQ(tuning.offsets().downlink, -900) << "the beacon keeps the old one";
    EXPECT_EQ(tuning.offsets().uplink, 150);
    tuning.choose(1);
    EXPECT_EQ(tuning.offsets().downlink, -1000);

    ASSERT_EQ(tuning.beacon(), &tuning.transponders()[0]);
    ASSERT_TRUE(tuning.calibrateOnBeacon(435795000 - 1200, 0.0));
    EXPECT_EQ(tuning.offsets().downlink, -1200);
    EXPECT_EQ(tuning.offsets().uplink, 200);
    const double receding = twoLinks(kBeacon, 435795000, 5.0, {}).downlinkAtRadio;
    ASSERT_TRUE(tuning.calibrateOnBeacon(receding + 300, 5.0));
    EXPECT_EQ(tuning.offsets().downlink, 300);
    EXPECT_FALSE(tuning.calibrateOnBeacon(std::nan(""), 0.0));
    TransponderTuning later(store, [] {
        TransponderTable t;
        t.entries = {kBeacon, kModeJa};
        return t;
    });
    later.follow(24278, "JAS-2 (FO-29)");
    EXPECT_EQ(later.offsets().downlink, 300);
}

TEST(TransponderWindow, KeysWheelSliderAndCentreTuneAndBothLinksAreShown)
{
    test::MemorySettingsStore store;
    TransponderTuning tuning(store, [] {
        TransponderTable t;
        t.entries = {kBeacon, kModeJa};
        return t;
    });
    double rangeRate = -7.0;
    TranspondeurWindow window(tuning, [&rangeRate] { return std::optional<double>(rangeRate); });
    const auto text = [&window](const char *name) {
        return window.findChild<QLabel *>(name)->text().toStdString();
    };
    EXPECT_EQ(text("Transpondeur_Satellite"), "Aucun satellite suivi");
    window.follow(24278, "JAS-2 (FO-29)");
    window.ouvrir();
    EXPECT_EQ(text("Descente_Satellite"), "435.85000 MHz");
    EXPECT_EQ(text("Montee_Satellite"), "145.95000 MHz");
    EXPECT_EQ(text("Descente_Radio"), "435.86018 MHz");
    EXPECT_EQ(text("Montee_Radio"), "145.94659 MHz");
    EXPECT_EQ(text("Doppler_Descente"), "+10177 Hz");
    EXPECT_EQ(text("Doppler_Montee"), "-3408 Hz");

    window.findChild<QRadioButton *>("Pas_1000")->click();
    QTest::keyClick(window.findChild<QSlider *>("Transpondeur_Curseur"), Qt::Key_Right);
    EXPECT_EQ(text("Descente_Satellite"), "435.85100 MHz");
    EXPECT_EQ(text("Montee_Satellite"), "145.94900 MHz");
    QWheelEvent notch(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(window.findChild<QSlider *>("Transpondeur_Curseur"), &notch);
    EXPECT_EQ(text("Descente_Satellite"), "435.85000 MHz");
    window.findChild<QSlider *>("Transpondeur_Curseur")->setValue(10);
    EXPECT_EQ(text("Descente_Satellite"), "435.80001 MHz");
    window.findChild<QPushButton *>("Centre")->click();
    EXPECT_EQ(text("Descente_Satellite"), "435.85000 MHz");

    rangeRate = 0.0;
    window.refresh();
    EXPECT_EQ(text("Descente_Radio"), "435.85000 MHz");
    window.findChild<QComboBox *>("Transpondeur_Choix")->setCurrentIndex(0);
    EXPECT_EQ(text("Descente_Satellite"), "435.79500 MHz");
    EXPECT_EQ(text("Montee_Radio"), "-");
    EXPECT_FALSE(window.findChild<QSlider *>("Transpondeur_Curseur")->isEnabled());
    window.hide();
    EXPECT_EQ(store.get("Orvanta", "Transpondeurs", "24278 Transpondeur", ""), "Balise");
}

// The downlink typed in MHz at the satellite, the point or the comma: a text
// that is not a number or falls outside the passband stays in the entry,
// marked with the reason, and nothing moves. The radio's state below.
TEST(TransponderWindow, ATypedDownlinkIsTakenOnlyInThePassbandAndTheRadiosStateIsShown)
{
    test::MemorySettingsStore store;
    TransponderTuning tuning(store, [] {
        TransponderTable t;
        t.entries = {kBeacon, kModeJa};
        return t;
    });
    TranspondeurWindow window(tuning, [] { return std::optional<double>(0.0); });
    window.follow(24278, "JAS-2 (FO-29)");
    window.ouvrir();
    auto *entry = window.findChild<QLineEdit *>("Transpondeur_Frequence");
    const auto type = [entry](const char *text) {
        entry->setText(QString::fromUtf8(text));
        QTest::keyClick(entry, Qt::Key_Return);
    };
    type("435,8612");
    EXPECT_EQ(tuning.downlink(), 435861200);
    EXPECT_EQ(window.findChild<QLabel *>("Descente_Satellite")->text(), "435.86120 MHz");
    EXPECT_TRUE(entry->text().isEmpty());
    for (const auto &[text, reason] : {std::pair{"436.1", "hors de la bande 435.80000 - 435.90000 MHz"},
                                       std::pair{"435.85 MHz", "pas un nombre"}, std::pair{"", "pas un nombre"}}) {
        type(text);
        EXPECT_EQ(tuning.downlink(), 435861200) << text;
        EXPECT_EQ(entry->text(), QString::fromUtf8(text));
        EXPECT_EQ(entry->toolTip(), QStringLiteral("Refusée : ") + reason);
    }

    auto *radio = window.findChild<QLabel *>("Transpondeur_Etat_Radio");
    auto *beacon = window.findChild<QPushButton *>("Caler_Balise");
    EXPECT_EQ(radio->text(), "Radio : non pilotée");
    EXPECT_FALSE(beacon->isEnabled()) << "no dial read";
    tuning.setRadioState({true, true, "VFOB", false});
    std::optional<double> dial = 435795000 - 700;
    window.setDial([&dial] { return dial; });
    window.refresh();
    EXPECT_EQ(radio->text(), "Radio : mode satellite, split, montée sur VFOB");
    tuning.setRadioState({false, true, "", true});
    window.refresh();
    EXPECT_EQ(radio->text(), "Radio : sans mode satellite, split, montée refusée, non envoyée");
    beacon->click();
    EXPECT_EQ(window.findChild<QSpinBox *>("Decalage_Descente")->value(), -700);
}

// Opened before any satellite is followed, the panel leaves the focus out of
// the offsets; then the arrows tune from every control, the first press
// included, except in an offset the operator is typing in.
// The panel opens beside the main window, whose readings stay in sight: to
// its right where the screen has room, else to its left, and on the screen.
TEST(TransponderWindow, OpensBesideTheMainWindowOnTheScreen)
{
    test::MemorySettingsStore store;
    TransponderTuning tuning(store, [] { return TransponderTable{}; });
    QWidget main;
    TranspondeurWindow panel(tuning, [] { return std::optional<double>(); }, &main);
    main.setGeometry(10, 10, 200, 150);
    main.show();
    const QRect area = main.screen()->availableGeometry();
    for (const int mainX : {area.left() + 10, area.right() - 210}) {
        main.move(mainX, area.top() + 10);
        panel.close();
        panel.ouvrir();
        const QRect shown = panel.frameGeometry();
        EXPECT_FALSE(shown.intersects(main.frameGeometry())) << mainX;
        EXPECT_TRUE(area.contains(shown)) << mainX;
        EXPECT_EQ(shown.top(), main.frameGeometry().top());
        EXPECT_EQ(shown.left() > main.frameGeometry().right(), mainX == area.left() + 10) << "right where it fits";
    }
    // A main window too wide for either side: the panel goes left, on the screen, level with its middle.
    EXPECT_EQ(besideFrame(QRect(220, 180, 1480, 720), QSize(480, 300), QRect(0, 0, 1920, 1080)), QPoint(0, 390));
}

TEST(TransponderWindow, TheArrowsTuneFromEveryControlUnlessAnOffsetIsBeingTyped)
{
    test::MemorySettingsStore store;
    TransponderTuning tuning(store, [] {
        TransponderTable t;
        t.entries = {kModeJa};
        return t;
    });
    TranspondeurWindow window(tuning, [] { return std::optional<double>(0.0); });
    window.ouvrir();
    auto *offset = window.findChild<QSpinBox *>("Decalage_Descente");
    ASSERT_NE(window.focusWidget(), nullptr);
    EXPECT_NE(window.focusWidget(), offset);
    window.follow(24278, "JAS-2 (FO-29)");
    window.findChild<QRadioButton *>("Pas_1000")->click();
    QTest::keyClick(window.focusWidget(), Qt::Key_Right);
    EXPECT_EQ(offset->value(), 0);
    qint64 expected = 435851000;
    EXPECT_EQ(tuning.downlink(), expected);
    for (const char *control : {"Transpondeur_Radio", "Transpondeur_Choix", "Pas_100", "Centre", "Transpondeur_Curseur"}) {
        auto *widget = window.findChild<QWidget *>(control);
        expected = tuning.downlink() + 1000;
        QTest::keyClick(widget, Qt::Key_Right);
        EXPECT_EQ(tuning.downlink(), expected) << control;
    }
    offset->setFocus();
    QTest::keyClick(offset, Qt::Key_Up);
    EXPECT_EQ(tuning.downlink(), expected);
    EXPECT_EQ(offset->value(), 10);
}

class RecordingSatelliteRadio final : public SatelliteRadio {
public:
    QStringList calls;
    bool accepts = true;
    bool start(const Transponder &t, qint64 receive, qint64 transmit) override
    {
        calls << QStringLiteral("start %1 %2 %3").arg(t.name).arg(receive).arg(transmit);
        return accepts;
    }
    void move(const LinkAt &at, double period) override
    {
        const std::optional<qint64> receive = at(Link::Downlink, 0, period);
        const std::optional<qint64> transmit = at(Link::Uplink, 0, period);
        if (receive || transmit)
            calls << QStringLiteral("move %1 %2").arg(receive ? QString::number(*receive) : "-",
                                                      transmit ? QString::number(*transmit) : "-");
    }
    void stop() override { calls << "stop"; }
};

class RecordingReceiver final : public Receiver {
public:
    QStringList calls;
    void takeUp(ReceiverMode mode) override { calls << "takeUp " + QString::number(int(mode)); }
    void tune(double hertz) override { calls << "tune " + QString::number(hertz / 1e6); }
    void endRemoteControl() override { calls << "end"; }
};

TEST(SatelliteLink, StartsOnceSendsALinkOnlyWhenItMovedByTheStepAndEndsInNormalMode)
{
    RecordingSatelliteRadio radio;
    SatelliteLink link(radio);
    RecordingReceiver tick;
    SatelliteLinkReceiver receiver(tick, link);
    const auto at = [](qint64 down, double rangeRate) {
        return LinksAhead([=](double) { return std::optional(twoLinks(kModeJa, down, rangeRate, {})); });
    };

    link.cycle(&kModeJa, at(435850000, -7.0), 0.5);
    receiver.tune(145.8e6);
    receiver.takeUp(ReceiverMode::C);
    link.cycle(&kModeJa, at(435850000, -7.0), 0.5);        // nothing moved
    link.cycle(&kModeJa, at(435850000, -6.99999), 0.5);    // 0.15 Hz: under the step
    link.cycle(&kModeJa, at(435850000, -6.999), 0.5);      // 1.4 Hz and 0.5 Hz: still under
    link.cycle(&kModeJa, at(435850000, -6.99), 0.5);       // 14.5 Hz and 4.9 Hz: on the next steps
    link.cycle(&kModeJa, at(435851000, -6.99), 0.5);       // the operator tuned 1 kHz up
    link.cycle(&kBeacon, at(435850000, -6.99), 0.5);       // no uplink: normal mode
    link.cycle(&kModeJa, LinksAhead(), 0.5);
    link.cycle(&kModeJa, at(435850000, 0.0), 0.5);
    Transponder other = kModeJa;
    other.name = "Autre";
    link.cycle(&other, at(435850000, 0.0), 0.5);
    receiver.endRemoteControl();
    receiver.tune(145.8e6);
    link.release();
    radio.accepts = false; // a band the radio cannot work: tried again at the next cycle
    link.cycle(&kModeJa, at(435850000, 0.0), 0.5);
    EXPECT_FALSE(link.active());
    link.release();
    EXPECT_EQ(radio.calls, (QStringList{"start Mode JA 435860180 145946590", "move 435860160 145946600",
                                        "move 435861160 145945600", "stop", "start Mode JA 435850000 145950000", "stop",
                                        "start Autre 435850000 145950000", "stop",
                                        "start Mode JA 435850000 145950000"}));
    EXPECT_EQ(tick.calls, (QStringList{"end", "tune 145.8"}));
}

// The Hamlib radio working FO-29's inverting transponder through rigctld's
// dummy, approaching at 3 km/s; the operator turns the dial 2 kHz up.
TEST(HamlibTransponder, TheDialTurnedMovesTheUplinkTheOtherWayAndNothingLoops)
{
    test::HamlibDaemon daemon(QStringLiteral("rigctld"), {QStringLiteral("-m"), QStringLiteral("1")});
    ASSERT_TRUE(daemon.start());
    test::RecordingMessageBoxes messages;
    HamlibTiming timing;
    timing.timeoutMs = 300;
    HamlibReceiver rig(messages, timing);
    rig.setDevice({2, daemon.address(), 0});
    test::MemorySettingsStore store;
    TransponderTuning tuning(store, [] {
        TransponderTable t;
        t.entries = {kBeacon, kModeJa};
        return t;
    });
    tuning.follow(24278, QStringLiteral("FO-29"));
    tuning.choose(1);
    tuning.setDownlink(435850000);
    tuning.setRangeRate(-3.0);
    QWidget window;
    auto *ignore = new QAction(&window);
    ignore->setCheckable(true);
    TransponderEntries entries;
    entries.ignoreDial = ignore;
    HamlibSatelliteWork work(window, entries, store, rig);
    const LinksAhead ahead = [&tuning](double) { return tuning.links(); };
    // Cycles until done() (at most 40): the radio's thread takes its time.
    const auto cycles = [&](int count, const std::function<bool()> &done = {}) {
        for (int i = 0; i < (done ? 40 : count) && !(done && done()); ++i) {
            work.cycle(&tuning, ahead, 0.5);
            QTest::qWait(80);
        }
    };
    const auto asked = [&](const char *command) { return daemon.ask(QString::fromLatin1(command), 1).value(0).toLongLong(); };

    const TwoLinks before = *tuning.links();
    cycles(0, [&] { return asked("s") == 1 && std::abs(asked("i") - before.uplinkAtRadio) <= 10; });
    EXPECT_NEAR(asked("f"), before.downlinkAtRadio, 10);
    EXPECT_NEAR(asked("i"), before.uplinkAtRadio, 10);
    EXPECT_EQ(asked("s"), 1);

    daemon.ask(QStringLiteral("F %1").arg(asked("f") + 2000), 1);
    cycles(0, [&] { return tuning.downlink() != 435850000; });
    cycles(3);
    EXPECT_NEAR(tuning.downlink(), 435852000, 10) << "the dial, Doppler removed";
    const TwoLinks after = *tuning.links();
    EXPECT_NEAR(asked("i"), before.uplinkAtRadio - 2000, 15)
        << "inverting: the uplink goes down";
    const qint64 settled = asked("f");
    cycles(5);
    EXPECT_EQ(tuning.downlink(), after.downlinkAtSatellite) << "no loop";
    EXPECT_EQ(asked("f"), settled);

    // Ignored, the dial is not read: the tuning stays where it was.
    ignore->toggle();
    daemon.ask(QStringLiteral("F %1").arg(settled - 5000), 1);
    cycles(4);
    EXPECT_EQ(tuning.downlink(), after.downlinkAtSatellite);
    EXPECT_TRUE(ignoresDial(store));
    EXPECT_TRUE(messages.shown.empty()) << messages.texts().join('\n').toStdString();
}

// Two radios: each link is aimed at when its own radio takes it: the
// FT-847's main VFO frame after its four 0.1 s pauses, a Hamlib radio as its
// readings measure it, here held 100 ms at each command by a slow line,
// whether it transmits the uplink or is tuned as a receiver.
TEST(TwoRadioSatellite, EachLinkIsAimedAtWhenItsRadioTakesIt)
{
    test::HamlibDaemon daemon(QStringLiteral("rigctld"), {QStringLiteral("-m"), QStringLiteral("1")});
    ASSERT_TRUE(daemon.start());
    const quint16 port = daemon.address().section(QLatin1Char(':'), 1).toUShort();
    test::SlowRelay uplinkLine(port, std::chrono::milliseconds(100));
    test::SlowRelay receiverLine(port, std::chrono::milliseconds(100));
    test::RecordingMessageBoxes messages;
    HamlibReceiver uplink(messages, {}, nullptr, HamlibKind::Uplink);
    uplink.setDevice({2, uplinkLine.address(), 0});
    HamlibReceiver receiver(messages);
    receiver.setDevice({2, receiverLine.address(), 0});
    test::RecordingSerialLine line;
    test::RecordingWaiter waiter;
    ReceiverLineQueue queue;
    Ft847Receiver ft847(line, waiter, messages, queue);
    Ft847Radio downlink(ft847);
    TwoRadioSatellite radio(uplink);
    radio.setDownlink(&downlink);
    std::vector<double> landsIn; // downlink, uplink, at each move
    const SatelliteRadio::LinkAt at = [&](SatelliteRadio::Link link, double lands, double) {
        landsIn.push_back(lands);
        return std::optional<qint64>(link == SatelliteRadio::Link::Downlink ? 435850000 : 145950000 + qint64(landsIn.size()) * 10);
    };
    EXPECT_EQ(uplink.latencySeconds(), 0) << "nothing measured yet";
    ASSERT_TRUE(radio.start(kModeJa, 435850000, 145950000));
    receiver.tune(145.8e6);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            radio.move(at, 0.5);
            QTest::qWait(100);
            return uplink.latencySeconds() > 0 && receiver.latencySeconds() > 0;
        },
        10000));
    landsIn.clear();
    radio.move(at, 0.5);
    ASSERT_EQ(landsIn.size(), 2u);
    EXPECT_DOUBLE_EQ(landsIn[0], 0.4);
    for (const double seconds : {landsIn[1], receiver.latencySeconds()}) {
        EXPECT_GE(seconds, 0.1) << "the slow line's 100 ms";
        EXPECT_LE(seconds, CommandLatency::kLongestSeconds);
    }
    radio.stop();
    EXPECT_TRUE(messages.shown.empty()) << messages.texts().join('\n').toStdString();
}

// A radio at 100 ms per command cannot follow a cycle every 100 ms that
// moves both links: the cycles never wait for it, and the radio gets the
// newest frequencies, not a backlog.
TEST(HamlibTransponder, ASlowRadioNeverHoldsTheCyclesAndTheNewestFrequenciesWin)
{
    test::HamlibDaemon daemon(QStringLiteral("rigctld"), {QStringLiteral("-m"), QStringLiteral("1")});
    ASSERT_TRUE(daemon.start());
    test::SlowRelay relay(daemon.address().section(QLatin1Char(':'), 1).toUShort(), std::chrono::milliseconds(100));
    test::RecordingMessageBoxes messages;
    HamlibReceiver rig(messages);
    rig.setDevice({2, relay.address(), 0});
    test::MemorySettingsStore store;
    TransponderTuning tuning(store, [] {
        TransponderTable t;
        t.entries = {kModeJa};
        return t;
    });
    tuning.follow(24278, QStringLiteral("FO-29"));
    tuning.choose(0);
    tuning.setDownlink(435850000);
    QWidget window;
    HamlibSatelliteWork work(window, {}, store, rig);

    qint64 longestUs = 0;
    constexpr int kCycles = 30;
    for (int i = 0; i < kCycles; ++i) {
        tuning.setRangeRate(-3.0 + 0.01 * i); // about 15 Hz and 5 Hz more at each cycle
        QElapsedTimer clock;
        clock.start();
        work.cycle(&tuning, [&tuning](double) { return tuning.links(); }, 0.5);
        longestUs = std::max(longestUs, clock.nsecsElapsed() / 1000);
        QTest::qWait(100);
    }
    const TwoLinks last = *tuning.links();
    const auto onStep = [](double hertz) { return QString::number(std::llround(hertz / 10) * 10); };
    QElapsedTimer settling;
    settling.start();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return daemon.ask(QStringLiteral("f"), 1).value(0) == onStep(last.downlinkAtRadio) &&
                   daemon.ask(QStringLiteral("i"), 1).value(0) == onStep(last.uplinkAtRadio);
        },
        3000));
    EXPECT_LT(settling.elapsed(), 1500) << "a backlog of " << kCycles << " cycles would take 9 s";
    EXPECT_LT(relay.relayed(), 2 * kCycles) << "moves were sent one by one";
    EXPECT_LT(longestUs, 20000) << "the window waited for the radio";
    EXPECT_TRUE(messages.shown.empty()) << messages.texts().join('\n').toStdString();
}

// The ISS's FM repeater from the FT-847: satellite mode and both VFOs at the
// first correction, the tick leaving the radio alone meanwhile, the links
// corrected at their own rate, and normal mode before the end.
TEST(TransponderStation, TheFt847WorksTheTransponderInSatelliteModeUntilTheEnd)
{
    test::StationHarness h;
    h.writeFile("Transpondeurs.cfg", "25544;Relais FM;145990000;145990000;437800000;437800000;non;FM;FM;67;oui\r\n");
    h.setup("Recepteur", "FT847");
    h.bank(1, {"ISS (ZARYA)"});
    h.at("2026-06-27T01:36:00Z");
    h.start();
    h.click("Prog_RX_2");
    h.tickAt("2026-06-27T01:36:00Z");
    auto *correction = h.window().findChild<QTimer *>("Transpondeur_Correction");
    ASSERT_TRUE(correction);
    EXPECT_EQ(correction->interval(), 500);
    const auto correct = [&] {
        h.receiverLine.writes.clear();
        QMetaObject::invokeMethod(correction, "timeout");
        return h.receiverLine.all();
    };
    EXPECT_EQ(correct(), QByteArray()) << "not until the operator says so";
    h.window().findChild<QCheckBox *>("Transpondeur_Radio")->click();
    // A tick in the take-up's waits leaves the radio alone: no main-VFO frame after it.
    h.waiter.duringWait = [&h] { QMetaObject::invokeMethod(&h.window().timer1(), "timeout"); };
    const QByteArray start = correct();
    ASSERT_EQ(start.size(), 40) << start.toHex().toStdString();
    EXPECT_EQ(start.left(30), QByteArray("\0\0\0\0\0" "\0\0\0\0\x4E" "\x08\0\0\0\x17" "\x08\0\0\0\x27"
                                         "\x4A\0\0\0\x2A" "\x3F\0\0\0\x2B", 30)) << "FM both ways, 67 Hz tone";
    EXPECT_EQ(start.mid(30, 2), QByteArray("\x43\x78")) << "437.8 MHz raised by the Doppler shift of the approaching ISS";
    EXPECT_EQ(start.at(34), '\x11');
    EXPECT_EQ(start.mid(35, 2), QByteArray("\x14\x59")) << "145.99 MHz lowered";
    EXPECT_EQ(start.at(39), '\x21');

    h.receiverLine.writes.clear();
    h.tickAt("2026-06-27T01:36:30Z");
    EXPECT_EQ(h.receiverLine.all(), QByteArray());
    // The dial read first; this line never answers: said once, and the
    // corrections go on without reading.
    const QByteArray moved = correct();
    ASSERT_EQ(moved.size(), 15);
    EXPECT_EQ(moved.left(5), QByteArray("\0\0\0\0\x13", 5));
    EXPECT_EQ(moved.at(9), '\x11');
    EXPECT_EQ(moved.at(14), '\x21');
    h.settle();
    EXPECT_EQ(h.messages.texts(), QStringList{QStringLiteral("Le FT847 ne répond pas à la lecture de sa fréquence SAT "
                                                             "RX : le cadran est ignoré, les corrections continuent.")});
    h.tickAt("2026-06-27T01:37:00Z");
    const QByteArray unread = correct();
    ASSERT_EQ(unread.size(), 5);
    EXPECT_EQ(unread.at(4), '\x11');
    h.settle();
    EXPECT_EQ(h.messages.shown.size(), 1u);

    h.messages.answers = {false};
    h.window().close();
    // Normal mode, then CAT off: the radio is handed back as it was found.
    EXPECT_TRUE(h.receiverLine.all().endsWith(QByteArray("\0\0\0\0\x8E\0\0\0\0\x80", 10)));
}

// A line with an edge typed ten times too big (4359000000 for 435900000)
// is refused: whatever is chosen, tuned and kept, no frame carries a
// frequency worked out from it and no such frequency is saved.
TEST(TransponderStation, NothingIsTunedOrSavedFromARefusedLine)
{
    test::StationHarness h;
    h.writeFile("Transpondeurs.cfg", "25544;Mode V/U;145900000;146000000;435800000;4359000000;oui;LSB;USB;;oui\r\n"
                                     "25544;Relais FM;145990000;145990000;437800000;437800000;non;FM;FM;67;oui\r\n");
    h.setup("Recepteur", "FT847");
    h.bank(1, {"ISS (ZARYA)"});
    h.at("2026-06-27T01:36:00Z");
    h.start();
    h.click("Prog_RX_2");
    h.tickAt("2026-06-27T01:36:00Z");
    auto *panel = h.window().findChild<TranspondeurWindow *>();
    ASSERT_TRUE(panel);
    panel->show();
    auto *choice = h.window().findChild<QComboBox *>("Transpondeur_Choix");
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->findText("Mode V/U", Qt::MatchStartsWith), -1);
    h.window().findChild<QCheckBox *>("Transpondeur_Radio")->click();
    auto *correction = h.window().findChild<QTimer *>("Transpondeur_Correction");
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(h.window().findChild<QSlider *>("Transpondeur_Curseur"), Qt::Key_Right);
        QMetaObject::invokeMethod(correction, "timeout");
        h.tickAt(QStringLiteral("2026-06-27T01:36:%1Z").arg(5 * (i + 1), 2, 10, QLatin1Char('0')));
    }
    panel->hide(); // the tuning is kept
    h.messages.answers = {false};
    h.window().close();

    test::Ft847FarEnd dial;
    dial.read(h.receiverLine.all());
    EXPECT_TRUE(dial.instructions.contains('\x11') && dial.instructions.contains('\x21'));
    for (const qint64 hertz : dial.tuned) // the repeater's links, and the tick's 145.8 MHz before the box was ticked
        EXPECT_TRUE(std::abs(hertz - 437800000) < 20000 || std::abs(hertz - 145990000) < 20000 ||
                    std::abs(hertz - 145800000) < 20000)
            << hertz;
    int saved = 0;
    for (const auto &entry : h.store.section("Orvanta", "Transpondeurs"))
        if (entry.key == "25544 Descente") {
            ++saved;
            EXPECT_EQ(entry.value.toLongLong() / 1000000, 437) << entry.key.toStdString() << "=" << entry.value.toStdString();
        }
    EXPECT_EQ(saved, 1);
}

// The same repeater through rigctld's dummy as the station's Hamlib radio:
// satellite mode and split at the first correction, the links corrected
// after, and the radio handed back in normal mode at the end.
TEST(TransponderStation, TheHamlibRadioWorksTheTransponderInSplitUntilTheEnd)
{
    test::HamlibDaemon rig(QStringLiteral("rigctld"), {"-m", "1"});
    ASSERT_TRUE(rig.start());
    test::StationHarness h;
    h.writeFile("Transpondeurs.cfg", "25544;Relais FM;145990000;145990000;437800000;437800000;non;FM;FM;67;oui\r\n");
    h.setup("Recepteur", "Hamlib");
    saveHamlibDevice(h.store, HamlibKind::Receiver, {2, rig.address(), 0});
    h.bank(1, {"ISS (ZARYA)"});
    h.at("2026-06-27T01:36:00Z");
    h.start();
    h.click("Prog_RX_2");
    h.tickAt("2026-06-27T01:36:00Z");
    h.window().findChild<QCheckBox *>("Transpondeur_Radio")->click();
    auto *correction = h.window().findChild<QTimer *>("Transpondeur_Correction");
    const auto asked = [&](const char *command) { return rig.ask(QString::fromLatin1(command), 1).value(0); };
    QMetaObject::invokeMethod(correction, "timeout");
    EXPECT_TRUE(QTest::qWaitFor([&] { return asked("m") == "FM" && asked("f").toLongLong() > 437800000; }, 3000))
        << "raised by the Doppler shift of the approaching ISS";
    EXPECT_EQ(asked("u SATMODE"), "1");
    EXPECT_EQ(asked("c"), "670");
    EXPECT_EQ(rig.ask("s", 2), (QStringList{"1", "VFOB"}));
    const qint64 down = asked("f").toLongLong();
    const qint64 up = asked("i").toLongLong();
    EXPECT_LT(up, 145990000) << "lowered";

    h.tickAt("2026-06-27T01:36:30Z");
    QMetaObject::invokeMethod(correction, "timeout");
    EXPECT_TRUE(QTest::qWaitFor([&] { return asked("f").toLongLong() < down && asked("i").toLongLong() > up; }, 3000))
        << "both links follow the ISS as it comes closer";

    h.messages.answers = {false};
    h.window().close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return asked("u SATMODE") == "0" && asked("s") == "0"; }, 3000));
}

// Two radios: the station's Hamlib receiver on the downlink, a second
// rigctld's radio transmitting the uplink alone; unticked in the menu, the
// receiver works both links in split again.
TEST(TransponderStation, TwoRadiosCarryOneLinkEachAndTheTickLeavesTheReceiverAlone)
{
    test::HamlibDaemon receiver(QStringLiteral("rigctld"), {"-m", "1"});
    test::HamlibDaemon transmitter(QStringLiteral("rigctld"), {"-m", "1"});
    ASSERT_TRUE(receiver.start());
    ASSERT_TRUE(transmitter.start());
    test::StationHarness h;
    h.writeFile("Transpondeurs.cfg", "25544;Relais FM;145990000;145990000;437800000;437800000;non;FM;FM;67;oui\r\n");
    h.setup("Recepteur", "Hamlib");
    saveHamlibDevice(h.store, HamlibKind::Receiver, {2, receiver.address(), 0});
    saveHamlibDevice(h.store, HamlibKind::Uplink, {2, transmitter.address(), 0});
    h.store.save(kApplication, QStringLiteral("Transpondeurs"), QStringLiteral("Deux Radios"), QStringLiteral("1"));
    h.bank(1, {"ISS (ZARYA)"});
    h.at("2026-06-27T01:36:00Z");
    h.start();
    h.click("Prog_RX_2");
    h.tickAt("2026-06-27T01:36:00Z");
    h.window().findChild<QCheckBox *>("Transpondeur_Radio")->click();
    auto *correction = h.window().findChild<QTimer *>("Transpondeur_Correction");
    const auto asked = [](test::HamlibDaemon &daemon, const char *command) {
        return daemon.ask(QString::fromLatin1(command), 1).value(0);
    };
    const auto both = [&] {
        return asked(receiver, "f").toLongLong() > 437800000 && asked(transmitter, "f").toLongLong() < 145990000 &&
               asked(transmitter, "c") == "670";
    };
    QMetaObject::invokeMethod(correction, "timeout");
    EXPECT_TRUE(QTest::qWaitFor(both, 3000));
    EXPECT_EQ(asked(transmitter, "m"), "FM");
    EXPECT_EQ(asked(receiver, "s"), "0") << "each radio carries one link";
    EXPECT_EQ(asked(transmitter, "s"), "0");

    h.tickAt("2026-06-27T01:36:30Z");
    QMetaObject::invokeMethod(correction, "timeout");
    QTest::qWait(300);
    EXPECT_TRUE(both()) << "the tick left the receiver on the downlink";

    h.window().findChild<QAction *>("Mnu_Transpondeurs_Radio_Montee")->trigger();
    QMetaObject::invokeMethod(correction, "timeout");
    EXPECT_TRUE(QTest::qWaitFor([&] { return asked(receiver, "s") == "1"; }, 3000)) << "one radio again";
    EXPECT_TRUE(h.messages.shown.empty()) << h.messages.texts().join('\n').toStdString();
}

} // namespace
} // namespace orvanta
