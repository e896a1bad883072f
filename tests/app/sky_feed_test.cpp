#include "sky/sky_feed.h"
#include "sky/sky_layout.h"
#include "sky/sky_view.h"
#include "demo_passes.h"
#include "data/frequency_loader.h"
#include "orbit/pass_list.h"
#include "platform/text_numbers.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLocale>

#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>
#include <string>

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

    EXPECT_EQ(feed.scene(*satellites, SkyTick{tick.nowOle, kDemoMinElevation, {}, {}, {}, {}, {}, {}, {}}).infoLine,
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
    EXPECT_EQ(countdownText(59.6), "00:59");
    QLocale::setDefault(QLocale::c());
}

// The tick of the demo station at an instant: the first visible pass
// tracked, the first coming one awaited, the rotor on the tracked
// satellite's whole degrees.
SkyTick demoTick(orbit::Satellites &satellites, double nowOle, SkyPoint &now)
{
    SkyTick tick;
    tick.nowOle = nowOle;
    tick.minElevationDeg = kDemoMinElevation;
    const orbit::PassBoard lists = board(satellites, tick.nowOle);
    EXPECT_FALSE(lists.visibleLines().empty());
    EXPECT_FALSE(lists.comingLines().empty());
    if (lists.visibleLines().empty() || lists.comingLines().empty())
        return tick;
    tick.trackedPass = lists.visible().front().pass;
    tick.awaitedPass = lists.coming().front().pass;
    orbit::SatelliteLook look;
    EXPECT_TRUE(satellites.lookAt(tick.trackedPass->name, orbit::julianFromOle(tick.nowOle), kDemoMinElevation, look));
    tick.trackedLook = look;
    QString mode;
    Cherche_Frequence(QStringLiteral(ORVANTA_SOURCE_DIR "/demo"), QString::fromStdString(tick.trackedPass->name),
                      tick.trackedDownlinkMHz, mode);
    now = SkyPoint{look.azimuthRad * 180 / std::numbers::pi, look.elevationRad * 180 / std::numbers::pi};
    tick.rotor = SkyPoint{roundHalfAway(now.azimuthDeg), roundHalfAway(now.elevationDeg)};
    return tick;
}

// The demo station at 07:05 UTC on 27 June 2026, fed as the tick feeds it:
// AO-7 going down after passing nearly overhead, FO-29 about to rise, the
// rotor on AO-7's whole degrees. With ORVANTA_SKY_PNG set to a file name,
// the picture is saved there (docs/sky_view.png is made this way).
TEST(SkyFeed, DemoStationDuringAPass)
{
    auto satellites = test::demoSatellites();
    SkyPoint now;
    const SkyTick tick = demoTick(*satellites, test::utcOle(2026, 6, 27, 7, 5, 0), now);
    ASSERT_TRUE(tick.trackedDownlinkMHz.has_value());

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

// No text of the view lies on another or is cut: passes of the demo station
// ending where the next begins (07:05), crossing the north with a long name
// awaited (07:44, LO-19 then RS15), rising at the north (09:04, LO-19
// awaited), in views from large to the smallest. With ORVANTA_SKY_NORTH_PNG
// set, the 07:44 view is saved there (docs/sky_view_north.png).
TEST(SkyFeed, TextsNeverOverlapNorIsOneCut)
{
    auto satellites = test::demoSatellites();
    const QFontMetricsF metrics(skyFont());
    for (const auto &[hour, minute] : {std::pair{7, 5}, std::pair{7, 44}, std::pair{9, 4}}) {
        SkyPoint now;
        SkyFeed feed;
        const SkyScene scene = feed.scene(*satellites, demoTick(*satellites, test::utcOle(2026, 6, 27, hour, minute, 0), now));
        ASSERT_TRUE(scene.tracked && scene.awaited);
        for (const auto &[width, height] : {std::pair{480, 520}, std::pair{300, 340}, std::pair{200, 230}}) {
            const std::string where = std::to_string(hour) + ":" + std::to_string(minute) + " in " +
                                      std::to_string(width) + "x" + std::to_string(height);
            const SkyLayout layout = layoutSky(width, height, scene);
            EXPECT_GE(layout.times.size() + layout.tips.size(), 4u) << where; // each time shown or in a tooltip
            std::vector<SkyText> placed = layout.times;
            placed.insert(placed.end(), layout.compass.begin(), layout.compass.end());
            placed.insert(placed.end(), layout.rings.begin(), layout.rings.end());
            for (std::size_t i = 0; i < placed.size(); ++i)
                for (std::size_t j = i + 1; j < placed.size(); ++j)
                    EXPECT_FALSE(placed[i].box.intersects(placed[j].box))
                        << where << ": " << placed[i].text.toStdString() << " on " << placed[j].text.toStdString();
            for (const SkyText &t : layout.times)
                EXPECT_TRUE(layout.bounds.contains(t.box)) << where << ": " << t.text.toStdString();
            std::vector<SkyText> lines = layout.legend;
            lines.insert(lines.end(), layout.info.begin(), layout.info.end());
            for (const SkyText &t : lines) {
                EXPECT_LE(metrics.horizontalAdvance(t.text), t.box.width() + 0.5) << where << ": " << t.text.toStdString();
                EXPECT_TRUE(QRectF(0, 0, width, height).contains(t.box)) << where << ": " << t.text.toStdString();
                const bool whole = !t.text.endsWith(QStringLiteral("…"));
                const bool tipped = std::any_of(layout.tips.begin(), layout.tips.end(),
                                                [&t](const SkyTip &tip) { return tip.area == t.box; });
                EXPECT_TRUE(whole || tipped) << where << ": " << t.text.toStdString();
            }
            for (const SkyText &t : layout.info)
                EXPECT_FALSE(layout.bounds.intersects(t.box)) << where;
        }
        const QString file = qEnvironmentVariable("ORVANTA_SKY_NORTH_PNG");
        if (hour == 7 && minute == 44 && !file.isEmpty()) {
            SkyView view;
            view.resize(480, 520);
            view.setScene(scene);
            EXPECT_TRUE(view.grab().toImage().save(file, "PNG")) << file.toStdString();
        }
    }
}

} // namespace
} // namespace orvanta
