#include "app/sky_feed.h"
#include "demo_passes.h"
#include "data/frequency_loader.h"
#include "orbit/pass_list.h"
#include "platform/text_numbers.h"

#include <QImage>
#include <QLocale>

#include <gtest/gtest.h>

#include <numbers>

namespace orvanta {
namespace {

using test::kDemoMinElevation;
using test::utcInstant;

// The lists as the tick fills them at an instant.
orbit::PassBoard board(orbit::Satellites &satellites, double nowOle)
{
    orbit::PassBoard lists;
    for (const std::string &name : satellites.names())
        lists.add(satellites.passes(name, orbit::julianFromOle(nowOle), 1, kDemoMinElevation, 0),
                  orbit::wholeSecondsFromOle(nowOle));
    return lists;
}

// The board keeps the component's passes and shows them in the lines the
// pass-list text always gave; a line leads back to its pass.
TEST(PassLine, TheBoardShowsItsPassesAsThePassListTextDoes)
{
    auto satellites = test::demoSatellites();
    // 07:05: AO-7 is up since 06:50, FO-29 rises at 07:06.
    const double now = test::utcOle(2026, 6, 27, 7, 5, 0);
    const orbit::PassBoard lists = board(*satellites, now);
    ASSERT_FALSE(lists.visible().empty());
    ASSERT_FALSE(lists.coming().empty());
    const orbit::PredictedPass &visible = lists.visible().front().pass;
    EXPECT_EQ(visible.name, "OSCAR 7 (AO-7)");
    EXPECT_EQ(visible.catalogNumber, 7530);
    EXPECT_EQ(orbit::wholeSecondsFromJulian(visible.aos), orbit::wholeSecondsFromJulian(utcInstant(2026, 6, 27, 6, 50, 28)));

    for (double at : {now, test::utcOle(2026, 6, 27, 23, 55, 0), test::utcOle(2026, 6, 28, 12, 0, 0)}) {
        orbit::PassBoard fromText;
        for (const std::string &name : satellites->names())
            fromText.Traite_Passages(satellites->PassListForPeriod(name, at, 0, 1, kDemoMinElevation),
                                     orbit::wholeSecondsFromOle(at));
        const orbit::PassBoard fromValues = board(*satellites, at);
        EXPECT_EQ(fromValues.visibleLines(), fromText.visibleLines());
        EXPECT_EQ(fromValues.comingLines(), fromText.comingLines());
    }

    for (const orbit::BoardPass &coming : lists.coming()) {
        const auto found = lists.passOnLine(coming.line);
        ASSERT_TRUE(found.has_value()) << coming.line;
        EXPECT_EQ(found->name, coming.pass.name);
        EXPECT_GE(found->aos.minutesSince(orbit::julianFromOle(now)), 0.0);
    }
    EXPECT_FALSE(lists.passOnLine(""));
    EXPECT_FALSE(lists.passOnLine("  xx:yy:zz" + lists.visibleLines().front().substr(10)));
}

TEST(SkyFeed, TheTickFeedsTheSceneAndEachTrackIsComputedOnce)
{
    auto satellites = test::demoSatellites();
    SkyFeed feed;
    SkyTick tick;
    tick.nowOle = test::utcOle(2026, 6, 27, 7, 5, 0);
    tick.minElevationDeg = kDemoMinElevation;
    orbit::PassBoard lists = board(*satellites, tick.nowOle);
    tick.trackedPass = lists.visible().front().pass;
    tick.awaitedPass = lists.coming().front().pass;
    orbit::SatelliteLook look;
    ASSERT_TRUE(satellites->lookAt("OSCAR 7 (AO-7)", orbit::julianFromOle(tick.nowOle), kDemoMinElevation, look));
    tick.trackedLook = look;
    tick.trackedDownlinkMHz = 145.9775;
    tick.rotor = SkyPoint{120, 40};

    const SkyScene first = feed.scene(*satellites, tick);
    ASSERT_TRUE(first.tracked && first.awaited);
    EXPECT_EQ(first.tracked->pass.name, "OSCAR 7 (AO-7)");
    EXPECT_EQ(first.awaited->pass.name, "JAS-2 (FO-29)");
    ASSERT_TRUE(first.satelliteNow.has_value());
    EXPECT_NEAR(first.satelliteNow->azimuthDeg, look.azimuthRad * 180 / std::numbers::pi, 1e-9);
    EXPECT_EQ(first.rotor->azimuthDeg, 120);
    EXPECT_FALSE(first.manual.has_value());
    EXPECT_EQ(first.minElevationDeg, kDemoMinElevation);
    // AO-7 sets at 07:12:35.
    EXPECT_TRUE(first.infoLine.startsWith("OSCAR 7 (AO-7)")) << first.infoLine.toStdString();
    EXPECT_TRUE(first.infoLine.endsWith("LOS dans 07:35")) << first.infoLine.toStdString();
    EXPECT_TRUE(first.infoLine.contains(" kHz")) << first.infoLine.toStdString();

    // The next tick finds the same tracks.
    tick.nowOle += 5.0 / 86400.0;
    lists = board(*satellites, tick.nowOle);
    tick.trackedPass = lists.visible().front().pass;
    const SkyScene next = feed.scene(*satellites, tick);
    EXPECT_EQ(next.tracked, first.tracked);
    EXPECT_EQ(feed.cachedTracks(), 2u);
    feed.clear();
    EXPECT_EQ(feed.cachedTracks(), 0u);
}

TEST(SkyFeed, NothingVisibleShowsTheTimeToTheNextAcquisition)
{
    auto satellites = test::demoSatellites();
    SkyFeed feed;
    SkyTick tick;
    tick.nowOle = test::utcOle(2026, 6, 27, 7, 5, 0);
    tick.minElevationDeg = kDemoMinElevation;
    tick.awaitedPass = board(*satellites, tick.nowOle).coming().front().pass;
    tick.rotor = SkyPoint{120, 40};
    const SkyScene scene = feed.scene(*satellites, tick);
    EXPECT_FALSE(scene.tracked);
    EXPECT_FALSE(scene.satelliteNow);
    ASSERT_TRUE(scene.awaited);
    // FO-29 rises at 07:06:18.
    EXPECT_EQ(scene.infoLine, "Aucun satellite visible  ·  AOS de JAS-2 (FO-29) dans 01:18");

    EXPECT_EQ(feed.scene(*satellites, SkyTick{tick.nowOle, kDemoMinElevation, {}, {}, {}, {}, {}, {}}).infoLine,
              "Aucun satellite visible");
}

TEST(SkyInfoLine, NumbersWithPointsAndCountdowns)
{
    QLocale::setDefault(QLocale::French);
    orbit::SatelliteLook look;
    look.azimuthRad = std::numbers::pi / 2;
    look.elevationRad = std::numbers::pi / 4;
    look.rangeKm = 1234.4;
    look.rangeRateKmS = 6;
    EXPECT_EQ(trackedInfoLine("AO-7", look, 145.8, 3725.0),
              "AO-7  ·  Az 90.0°  Site 45.0°  ·  1234 km  ·  6.000 km/s  ·  Doppler -2.92 kHz  ·  LOS dans 1:02:05");
    EXPECT_EQ(trackedInfoLine("AO-7", look, std::nullopt, std::nullopt),
              "AO-7  ·  Az 90.0°  Site 45.0°  ·  1234 km  ·  6.000 km/s  ·  Doppler ----");
    EXPECT_EQ(countdownText(-3), "00:00");
    EXPECT_EQ(countdownText(59.6), "01:00");
    QLocale::setDefault(QLocale::c());
}

// The demo station at 07:05 UTC on 27 June 2026, fed as the tick feeds it:
// AO-7 going down after passing nearly overhead, FO-29 about to rise, the
// rotor on AO-7's whole degrees. With ORVANTA_SKY_PNG set to a file name,
// the picture is saved there (docs/sky_view.png is made this way).
TEST(SkyFeed, DemoStationDuringAPass)
{
    auto satellites = test::demoSatellites();
    SkyTick tick;
    tick.nowOle = test::utcOle(2026, 6, 27, 7, 5, 0);
    tick.minElevationDeg = kDemoMinElevation;
    const orbit::PassBoard lists = board(*satellites, tick.nowOle);
    tick.trackedPass = lists.visible().front().pass;
    tick.awaitedPass = lists.coming().front().pass;
    orbit::SatelliteLook look;
    ASSERT_TRUE(satellites->lookAt(tick.trackedPass->name, orbit::julianFromOle(tick.nowOle), kDemoMinElevation,
                                   look));
    tick.trackedLook = look;
    QString mode;
    Cherche_Frequence(QStringLiteral(ORVANTA_SOURCE_DIR "/demo"), QString::fromStdString(tick.trackedPass->name),
                      tick.trackedDownlinkMHz, mode);
    ASSERT_TRUE(tick.trackedDownlinkMHz.has_value());
    const SkyPoint now{look.azimuthRad * 180 / std::numbers::pi, look.elevationRad * 180 / std::numbers::pi};
    tick.rotor = SkyPoint{roundHalfAway(now.azimuthDeg), roundHalfAway(now.elevationDeg)};

    SkyFeed feed;
    SkyView view;
    view.resize(480, 520);
    view.setScene(feed.scene(*satellites, tick));
    const QImage image = view.grab().toImage();
    const SkyPlot plot = skyPlotFor(480, 520);
    EXPECT_EQ(image.pixel(skyToWidget(plot, now).toPoint()) & 0xffffff, sky_colours::kSatellite & 0xffffff);
    EXPECT_TRUE(view.scene().infoLine.contains("Doppler -")) << view.scene().infoLine.toStdString();
    const QString file = qEnvironmentVariable("ORVANTA_SKY_PNG");
    if (!file.isEmpty()) {
        EXPECT_TRUE(image.save(file, "PNG")) << file.toStdString();
    }
}

} // namespace
} // namespace orvanta
