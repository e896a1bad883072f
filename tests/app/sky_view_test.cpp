#include "orbit/pass_track.h"
#include "sky/sky_view.h"
#include "demo_passes.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace orvanta {
namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 440;

QImage painted(const SkyScene &scene)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    paintSky(painter, kWidth, kHeight, scene);
    return image;
}

QRgb pixelAt(const QImage &image, QPointF at)
{
    return image.pixel(int(std::floor(at.x())), int(std::floor(at.y())));
}

// Antialiased thin lines blend with the background: close is enough for them.
bool closeColours(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

bool holdsColourNear(const QImage &image, QPointF at, QRgb colour, int reach, int tolerance = 0)
{
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const QPoint p(int(std::floor(at.x())) + dx, int(std::floor(at.y())) + dy);
            if (image.rect().contains(p) && closeColours(image.pixel(p), colour, tolerance))
                return true;
        }
    }
    return false;
}

int countColour(const QImage &image, QRgb colour, int fromX, int toX)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = fromX; x < toX; ++x)
            count += closeColours(image.pixel(x, y), colour, 0);
    return count;
}

TEST(SkyPlot, HorizonCircleFitsAboveTheInfoLine)
{
    const SkyPlot plot = skyPlotFor(kWidth, kHeight);
    EXPECT_DOUBLE_EQ(plot.centre.x(), kWidth / 2.0);
    EXPECT_GT(plot.radius, 150.0);
    EXPECT_LE(plot.centre.y() + plot.radius, plot.infoTop);
    EXPECT_GE(plot.centre.y() - plot.radius, 0.0);

    const QPointF east = skyToWidget(plot, {90, 0});
    EXPECT_DOUBLE_EQ(east.x(), plot.centre.x() + plot.radius);
    EXPECT_NEAR(east.y(), plot.centre.y(), 1e-9);
    const QPointF north = skyToWidget(plot, {0, 0});
    EXPECT_NEAR(north.x(), plot.centre.x(), 1e-9);
    EXPECT_DOUBLE_EQ(north.y(), plot.centre.y() - plot.radius);
    EXPECT_EQ(skyToWidget(plot, {200, 90}), plot.centre);

    // A drawing too small for a plot gives no negative radius.
    EXPECT_EQ(skyPlotFor(10, 10).radius, 0.0);
}

TEST(SkyView, SatelliteEastOnTheHorizonIsDrawnAtTheRightEdge)
{
    SkyScene scene;
    scene.satelliteNow = SkyPoint{90, 0};
    const QImage image = painted(scene);
    const SkyPlot plot = skyPlotFor(kWidth, kHeight);
    EXPECT_EQ(pixelAt(image, skyToWidget(plot, {90, 0})), sky_colours::kSatellite);
    EXPECT_EQ(pixelAt(image, plot.centre + QPointF(plot.radius - 3, 0)), sky_colours::kSatellite);
    EXPECT_EQ(countColour(image, sky_colours::kSatellite, 0, int(plot.centre.x() + plot.radius / 2)), 0);
}

TEST(SkyView, SatelliteAtTheZenithIsDrawnAtTheCentreAndTheRotorAtItsCross)
{
    SkyScene scene;
    scene.satelliteNow = SkyPoint{0, 90};
    scene.rotor = SkyPoint{270, 30};
    scene.manual = SkyPoint{180, 45};
    const QImage image = painted(scene);
    const SkyPlot plot = skyPlotFor(kWidth, kHeight);
    EXPECT_EQ(pixelAt(image, plot.centre), sky_colours::kSatellite);
    const QPointF rotor = skyToWidget(plot, {270, 30});
    EXPECT_LT(rotor.x(), plot.centre.x() - plot.radius / 2);
    EXPECT_EQ(pixelAt(image, rotor), sky_colours::kRotor);
    EXPECT_TRUE(holdsColourNear(image, skyToWidget(plot, {180, 45}) + QPointF(7, 0), sky_colours::kManual, 1));
    EXPECT_EQ(countColour(image, sky_colours::kTracked, 0, kWidth), 0);
}

TEST(SkyView, MinimumElevationRingOnlyWhenAboveTheHorizon)
{
    const SkyPlot plot = skyPlotFor(kWidth, kHeight);
    SkyScene scene;
    EXPECT_EQ(countColour(painted(scene), sky_colours::kMinimumElevation, 0, kWidth), 0);
    scene.minElevationDeg = 10;
    const QImage image = painted(scene);
    const double ring = plot.radius * 80.0 / 90.0;
    int onRing = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (!closeColours(image.pixel(x, y), sky_colours::kMinimumElevation, 30))
                continue;
            ++onRing;
            const double distance = std::hypot(x + 0.5 - plot.centre.x(), y + 0.5 - plot.centre.y());
            EXPECT_NEAR(distance, ring, 1.5) << x << "," << y;
        }
    }
    EXPECT_GT(onRing, 150); // a dashed ring
}

// The acquisition of AO-7's pass: the orbital component's own azimuth and
// elevation at that instant, and the pass drawn in the tracked colour, the
// awaited pass in its own.
TEST(SkyView, TracksStartWhereTheComponentPutsTheAcquisition)
{
    auto satellites = test::demoSatellites();
    const auto ao7 = test::firstPass(*satellites, "OSCAR 7 (AO-7)", test::utcInstant(2026, 6, 27, 6, 45, 0));
    const auto fo29 = test::firstPass(*satellites, "JAS-2 (FO-29)", test::utcInstant(2026, 6, 27, 7, 0, 0));
    SkyScene scene;
    scene.tracked = std::make_shared<const PassTrack>(computePassTrack(*satellites, ao7));
    scene.awaited = std::make_shared<const PassTrack>(computePassTrack(*satellites, fo29));
    const QImage image = painted(scene);
    const SkyPlot plot = skyPlotFor(kWidth, kHeight);

    for (const auto &[pass, colour] : {std::pair{ao7, sky_colours::kTracked}, std::pair{fo29, sky_colours::kAwaited}}) {
        orbit::SatelliteLook look;
        ASSERT_TRUE(satellites->lookAt(pass.name, pass.aos, 0.0, look));
        const QPointF aos = skyToWidget(plot, {look.azimuthRad * 180 / std::numbers::pi, look.elevationRad * 180 / std::numbers::pi});
        EXPECT_EQ(pixelAt(image, aos), colour) << pass.name;
        orbit::SatelliteLook peak;
        ASSERT_TRUE(satellites->lookAt(pass.name, pass.maxElevationTime, 0.0, peak));
        EXPECT_TRUE(holdsColourNear(
            image, skyToWidget(plot, {peak.azimuthRad * 180 / std::numbers::pi, peak.elevationRad * 180 / std::numbers::pi}), colour, 1))
            << pass.name;
    }
}

TEST(SkyView, IsTheWidgetCielAndPaintsItsScene)
{
    SkyView view;
    EXPECT_EQ(view.objectName(), "Ciel");
    view.resize(kWidth, kHeight);
    SkyScene scene;
    scene.satelliteNow = SkyPoint{90, 0};
    scene.infoLine = QStringLiteral("AO-7");
    view.setScene(scene);
    EXPECT_EQ(view.scene().infoLine, "AO-7");
    const QImage image = view.grab().toImage();
    EXPECT_EQ(pixelAt(image, skyToWidget(skyPlotFor(kWidth, kHeight), {90, 0})), sky_colours::kSatellite);
}

} // namespace
} // namespace orvanta
