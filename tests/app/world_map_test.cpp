#include "map/carte_window.h"
#include "map/map_feed.h"
#include "map/world_map.h"
#include "passes/pass_details_window.h"
#include "demo_passes.h"
#include "station_harness.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace orvanta {
namespace {

constexpr int kWidth = 720, kHeight = 360; // two pixels a degree
constexpr double kDeg = std::numbers::pi / 180.0;

// Without its images the map is the plain graticule: every other colour is drawn on it.
MapBackground &plainBackground()
{
    static MapBackground background(QStringLiteral("/nonexistent/earth.jpg"), QStringLiteral("/nonexistent/night.jpg"));
    return background;
}

QImage painted(const MapScene &scene, MapBackground &background = plainBackground())
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    paintMap(painter, image.size(), scene, background);
    return image;
}

QRgb pixelAt(const QImage &image, double latitude, double longitude)
{
    const QPointF at = MapProjection(QSizeF(image.size())).toWidget(orbit::GroundPoint{latitude, longitude});
    return image.pixel(std::min(int(at.x()), image.width() - 1), std::min(int(at.y()), image.height() - 1));
}

// Test points stay off the graticule's lines (every 30 degrees).
bool tinted(QRgb pixel, QRgb by)
{
    // The footprint's fill moves the ocean towards its colour.
    const QRgb ocean = map_colours::kOcean;
    return std::abs(qGreen(pixel) - qGreen(ocean)) > 10 &&
           (qGreen(pixel) - qGreen(ocean)) * (qGreen(by) - qGreen(ocean)) > 0;
}

MapFeatured featured(orbit::GroundPoint at, double angleDeg, std::vector<orbit::GroundPoint> track = {})
{
    return {{QStringLiteral("ISS"), at}, angleDeg * kDeg, std::move(track), true, {}};
}

TEST(WorldMap, StationAndSatellitesWhereTheirCoordinatesSay)
{
    MapScene scene;
    scene.station = orbit::GroundPoint{48.85, 2.35};
    scene.stationLocator = QStringLiteral("JN18eu");
    scene.satellites = {{QStringLiteral("AO-7"), {-30.25, -120.75}}, {QStringLiteral("FO-29"), {10, 179.5}}};
    const QImage image = painted(scene);
    EXPECT_EQ(pixelAt(image, 48.85, 2.35), map_colours::kStation);
    EXPECT_EQ(pixelAt(image, -30.25, -120.75), map_colours::kSatellite);
    EXPECT_EQ(pixelAt(image, 10, 179.5), map_colours::kSatellite);
    // Two degrees away there is no marker.
    EXPECT_NE(pixelAt(image, -30.25, -123), map_colours::kSatellite);
    EXPECT_NE(pixelAt(image, 45.5, 2.35), map_colours::kStation);

    const MapProjection projection(QSizeF(kWidth, kHeight));
    const orbit::GroundPoint back = projection.toGround(projection.toWidget(orbit::GroundPoint{-30.25, -120.75}));
    EXPECT_NEAR(back.latitudeDeg, -30.25, 1e-9);
    EXPECT_NEAR(back.longitudeDeg, -120.75, 1e-9);
    EXPECT_EQ(satelliteAt(scene, image.size(), projection.toWidget(orbit::GroundPoint{-29.0, -120.0})),
              QStringLiteral("AO-7"));
    EXPECT_FALSE(satelliteAt(scene, image.size(), projection.toWidget(orbit::GroundPoint{0, 0})));
    EXPECT_EQ(positionText({48.8566, 2.3522}), QStringLiteral("48.857° N  2.352° E  JN18eu"));
    EXPECT_EQ(positionText({-33.8688, -151.2093}), QStringLiteral("33.869° S  151.209° O  BF46jd"));
}

TEST(WorldMap, FootprintsAcrossThePoleAndTheDateLine)
{
    // 80 N: the pole is 10 degrees inside a footprint of 20, so the whole
    // band north of 80 is covered, and the footprint reaches 60 N under it.
    MapScene north;
    north.featured = {featured({80, 30}, 20)};
    const QImage top = painted(north);
    for (double lon = -179; lon <= 179; lon += 7)
        EXPECT_TRUE(tinted(pixelAt(top, 85, lon), map_colours::kFollowed)) << lon;
    EXPECT_TRUE(tinted(pixelAt(top, 62, 31), map_colours::kFollowed));
    EXPECT_FALSE(tinted(pixelAt(top, 75, -149), map_colours::kFollowed));
    EXPECT_FALSE(tinted(pixelAt(top, 50, 31), map_colours::kFollowed));
    MapScene south;
    south.featured = {featured({-85, -100}, 15)};
    const QImage bottom = painted(south);
    for (double lon = -179; lon <= 179; lon += 7)
        EXPECT_TRUE(tinted(pixelAt(bottom, -88, lon), map_colours::kFollowed)) << lon;
    EXPECT_FALSE(tinted(pixelAt(bottom, 85, 1), map_colours::kFollowed));

    // Centred on 175 E, it spills over to 170 W and no further.
    MapScene dateLine;
    dateLine.featured = {featured({0, 175}, 20)};
    const QImage spill = painted(dateLine);
    EXPECT_TRUE(tinted(pixelAt(spill, 1, 160), map_colours::kFollowed));
    EXPECT_TRUE(tinted(pixelAt(spill, 1, -170), map_colours::kFollowed));
    EXPECT_FALSE(tinted(pixelAt(spill, 1, -149), map_colours::kFollowed));
    EXPECT_FALSE(tinted(pixelAt(spill, 1, 1), map_colours::kFollowed));
    EXPECT_FALSE(tinted(pixelAt(spill, 31, 175), map_colours::kFollowed));
}

// Around a station at 48.85 N with a 20-degree wall to the north, a low
// satellite's sub-point must come much closer on that side before it clears
// the wall; elsewhere the line is the footprint's reach.
TEST(WorldMap, TheStationsHorizonClosesInWhereTheWallStands)
{
    const orbit::GroundPoint paris{48.85, 2.35};
    const double footprint = orbit::footprintAngleRad(800);
    const orbit::HorizonMask wall({{300, 20}, {310, 20}, {60, 20}, {70, 0}, {290, 0}});
    const std::vector<orbit::GroundPoint> open = stationHorizonOutline(paris, footprint, orbit::HorizonMask());
    const std::vector<orbit::GroundPoint> walled = stationHorizonOutline(paris, footprint, wall);
    ASSERT_EQ(open.size(), walled.size());
    EXPECT_NEAR(open.front().latitudeDeg, open.back().latitudeDeg, 1e-9) << "closed";
    EXPECT_NEAR(open.front().longitudeDeg, open.back().longitudeDeg, 1e-9) << "closed";
    for (std::size_t i = 0; i < open.size(); ++i)
        EXPECT_NEAR(orbit::angularDistanceRad(paris, open[i]), footprint, 1e-9) << i;
    const double north = orbit::angularDistanceRad(paris, walled.front());
    const double south = orbit::angularDistanceRad(paris, walled[90]); // 180 degrees
    EXPECT_LT(north, 0.6 * footprint);
    EXPECT_NEAR(south, footprint, 1e-9);
}

TEST(WorldMap, TrackCrossingTheDateLineIsCutThere)
{
    const std::vector<orbit::GroundPoint> track = {{-10, 150}, {-5, 170}, {5, -170}, {10, -150}};
    const auto pieces = splitAtDateLine(track);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].back(), (orbit::GroundPoint{0, 180}));
    EXPECT_EQ(pieces[1].front(), (orbit::GroundPoint{0, -180}));
    EXPECT_EQ(splitAtDateLine({{0, -170}, {1, 170}})[0].back(), (orbit::GroundPoint{0.5, -180}));

    MapScene scene;
    scene.featured = {featured({-5, 170}, 0, track)};
    const QImage image = painted(scene);
    int drawn = 0;
    for (int x = 0; x < kWidth; ++x)
        drawn += image.pixel(x, kHeight / 2) == map_colours::kFollowed;
    // The line is drawn at both edges, not across the 320 degrees between them.
    EXPECT_GT(drawn, 0);
    EXPECT_LT(drawn, 12);
    EXPECT_NE(pixelAt(image, 0, 0), map_colours::kFollowed);
    EXPECT_NE(pixelAt(image, 0, 90), map_colours::kFollowed);
}

TEST(WorldMap, DayAndNightBlendedOnceAMinute)
{
    MapBackground background;
    if (!background.hasImage())
        GTEST_SKIP() << "no " << MapBackground::defaultDayImage().toStdString() << " (package xplanet-images)";
    const MapBackground dayOnly(MapBackground::defaultDayImage(), QStringLiteral("/nonexistent/night.jpg"));
    const orbit::JulianDate noon = orbit::julianFromCalendar({2026, 6, 21, 12, 0, 0});
    const QImage first = painted({{}, {}, {}, {}, noon}, background);
    EXPECT_EQ(background.blends(), 1);
    painted({{}, {}, {}, {}, noon.plusMinutes(0.9)}, background);
    EXPECT_EQ(background.blends(), 1);
    painted({{}, {}, {}, {}, noon.plusMinutes(1.0)}, background);
    EXPECT_EQ(background.blends(), 2);
    // Sun over the Sahara at noon in June: day there, night over the Pacific, dim at the terminator.
    const QImage day = QImage(MapBackground::defaultDayImage()).scaled(first.size(), Qt::IgnoreAspectRatio,
                                                                      Qt::SmoothTransformation);
    const QImage night = QImage(MapBackground::defaultNightImage()).scaled(first.size(), Qt::IgnoreAspectRatio,
                                                                          Qt::SmoothTransformation);
    const auto same = [](QRgb a, QRgb b) { return std::abs(qGray(a) - qGray(b)) <= 1; };
    EXPECT_TRUE(same(pixelAt(first, 23, 0), pixelAt(day.convertToFormat(QImage::Format_RGB32), 23, 0)));
    EXPECT_TRUE(same(pixelAt(first, -23, 180), pixelAt(night.convertToFormat(QImage::Format_RGB32), -23, 180)));
}

TEST(WorldMap, ANewSceneRepaintsOnlyWhatMoved)
{
    MapScene before;
    before.station = orbit::GroundPoint{48.85, 2.35};
    for (int i = 0; i < 50; ++i)
        before.satellites.push_back({QStringLiteral("SAT %1").arg(i), {double(i) - 25, double(i) * 7 - 175}});
    MapScene after = before;
    after.satellites[10].point.longitudeDeg += 0.5;
    ASSERT_TRUE(changedRegion(before, after, QSize(1600, 800), plainBackground()).boundingRect().intersects(
        QRect(MapProjection(QSizeF(1600, 800)).toWidget(before.satellites[10].point).toPoint(), QSize(1, 1))));
    const QSize size(1600, 800);
    const QRegion region = changedRegion(before, after, size, plainBackground());
    EXPECT_GT(region.boundingRect().width() * region.boundingRect().height(), 0);
    EXPECT_LT(region.boundingRect().width() * region.boundingRect().height(), 1600 * 800 / 100);
    EXPECT_TRUE(changedRegion(before, before, size, plainBackground()).isEmpty());
    // The followed satellite moves on its track: its marker and footprint
    // are repainted, not the track across the map.
    before.featured = {featured({10, 0}, 20, {{-40, -150}, {0, -10}, {10, 0}, {40, 150}})};
    after = before;
    after.featured[0].satellite.point = {10.1, 0.2};
    const QRect moved = changedRegion(before, after, size, plainBackground()).boundingRect();
    EXPECT_LT(moved.width(), 1600 / 4);
    after.featured[0].track.push_back({45, 160});
    EXPECT_GT(changedRegion(before, after, size, plainBackground()).boundingRect().width(), 1600 * 3 / 4);
    after.station = orbit::GroundPoint{45, 5};
    EXPECT_EQ(changedRegion(before, after, size, plainBackground()), QRegion(0, 0, 1600, 800));
}

TEST(WorldMap, FeedKeepsTheTrackAndAddsOnlyNewPoints)
{
    auto satellites = test::demoSatellites();
    MapFeed feed;
    MapTick tick{test::utcInstant(2026, 6, 27, 7, 5, 0), {QStringLiteral("ISS (ZARYA)"), QStringLiteral("OSCAR 7 (AO-7)"),
                                                       QStringLiteral("JAS-2 (FO-29)")},
                 QStringLiteral("ISS (ZARYA)"), QStringLiteral("OSCAR 7 (AO-7)"), {48, 362}};
    MapScene scene = feed.scene(*satellites, tick);
    EXPECT_EQ(scene.stationLocator, QStringLiteral("JN18aa"));
    EXPECT_NEAR(scene.station->longitudeDeg, 2, 1e-9);
    ASSERT_EQ(scene.satellites.size(), 1u);
    ASSERT_EQ(scene.featured.size(), 2u);
    const MapFeatured &iss = scene.featured[0];
    EXPECT_TRUE(iss.followed);
    EXPECT_NEAR(iss.footprintAngleRad / kDeg, 20.3, 0.5);
    // Half an orbit back to one ahead, a 200th of an orbit or half a minute apart.
    const double period = *satellites->periodMinutes("ISS (ZARYA)");
    const double points = 1.5 * period / std::max(0.5, period / 200);
    EXPECT_NEAR(double(iss.track.size()), points, 1);
    const long first = feed.trackPropagations();
    tick.now = tick.now.plusMinutes(1);
    scene = feed.scene(*satellites, tick);
    EXPECT_LE(feed.trackPropagations() - first, 6);
    EXPECT_NEAR(double(scene.featured[0].track.size()), points, 1);
    // Far ahead the tracks are made again.
    tick.now = tick.now.plusMinutes(600);
    scene = feed.scene(*satellites, tick);
    EXPECT_NEAR(double(scene.featured[0].track.size()), points, 1);
}

TEST(WorldMap, WindowSaysOnceThatTheImageIsMissingAndReportsTheMouse)
{
    CarteWindow carte(nullptr, QStringLiteral("/nonexistent/earth.jpg"));
    carte.resize(740, 420);
    carte.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&carte));
    auto *message = carte.findChild<QLabel *>(QStringLiteral("Carte_Message"));
    ASSERT_TRUE(message);
    EXPECT_TRUE(message->text().contains(QStringLiteral("xplanet-images")));

    MapScene scene;
    scene.satellites = {{QStringLiteral("AO-7"), {0, 0}}};
    carte.setScene(scene);
    MapView &view = carte.view();
    QSignalSpy chosen(&carte, &CarteWindow::satelliteChosen);
    const QPoint centre(view.width() / 2, view.height() / 2);
    QTest::mouseMove(&view, centre + QPoint(0, view.height() / 4));
    EXPECT_TRUE(carte.findChild<QLabel *>(QStringLiteral("Carte_Position"))->text().contains(QStringLiteral("° S")));
    QTest::mouseClick(&view, Qt::LeftButton, {}, centre);
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].toString(), QStringLiteral("AO-7"));
}

TEST(WorldMap, OpenedFromTheMenuAndFedByTheTick)
{
    test::StationHarness h;
    h.bank(1, {QStringLiteral("ISS (ZARYA)"), QStringLiteral("OSCAR 7 (AO-7)")});
    h.at(QStringLiteral("2026-06-27T07:05:00Z"));
    h.start();
    h.window().findChild<QAction *>(QStringLiteral("Mnu_Carte"))->trigger();
    auto *carte = h.window().findChild<CarteWindow *>(QStringLiteral("Carte"));
    ASSERT_TRUE(carte);
    EXPECT_TRUE(carte->isVisible());
    h.tickAt(QStringLiteral("2026-06-27T07:05:10Z"));
    const MapScene &scene = carte->view().scene();
    EXPECT_EQ(scene.stationLocator.size(), 6);
    EXPECT_EQ(scene.satellites.size() + scene.featured.size(), 2u);

    // A satellite clicked on the map shows its pass's details.
    emit carte->satelliteChosen(QStringLiteral("ISS (ZARYA)"));
    auto *details = h.window().findChild<PassDetailsWindow *>(QStringLiteral("Details_Passage"));
    ASSERT_TRUE(details);
    EXPECT_EQ(details->details().pass.name, "ISS (ZARYA)");
    details->close();
}

} // namespace
} // namespace orvanta
