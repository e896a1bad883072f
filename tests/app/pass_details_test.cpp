#include "passes/pass_details.h"
#include "passes/pass_details_window.h"
#include "sky/sky_view.h"
#include "demo_passes.h"
#include "orbit/cli/commands.h"
#include "orbit/ground_point.h"
#include "orbit/locator.h"
#include "orbit/pass_list.h"
#include "support/rotor_pointing.h"
#include "tracking/rotor_guide.h"
#include "tracking/station_clock.h"
#include "platform/text_numbers.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>

#include <QLocale>

#include <gtest/gtest.h>

#include <numbers>
#include <sstream>

namespace orvanta {
namespace {

using test::kDemoMinElevation;
using test::utcInstant;

std::int64_t second(const orbit::JulianDate &instant)
{
    return orbit::wholeSecondsFromJulian(instant);
}

TEST(PassDetails, RowsFromAcquisitionToLossEveryThirtySecondsOnTheClock)
{
    auto satellites = test::demoSatellites();
    // AO-7, 06:50:27.988 to 07:12:35.113.
    const auto pass = test::firstPass(*satellites, "OSCAR 7 (AO-7)", utcInstant(2026, 6, 27, 6, 45, 0));
    const PassDetails details = passDetails(*satellites, pass, 145.9775);
    EXPECT_EQ(details.stepSeconds, 30);
    ASSERT_GE(details.rows.size(), 3u);
    EXPECT_EQ(details.rows.front().instant.minutesSince(pass.aos), 0.0);
    EXPECT_EQ(details.rows.back().instant.minutesSince(pass.los), 0.0);
    EXPECT_EQ(second(details.rows[1].instant), second(utcInstant(2026, 6, 27, 6, 50, 30)));
    EXPECT_EQ(details.rows[1].instant.minutesSince(utcInstant(2026, 6, 27, 6, 50, 30)), 0.0);
    EXPECT_EQ(second(details.rows[details.rows.size() - 2].instant), second(utcInstant(2026, 6, 27, 7, 12, 30)));
    for (std::size_t i = 1; i + 1 < details.rows.size(); ++i)
        EXPECT_EQ(second(details.rows[i].instant) % 30, 0);
    EXPECT_EQ(details.rows.size(), 2u + 45u); // 06:50:30 to 07:12:30

    EXPECT_EQ(acquisitionText(details), "Acquisition : 06:50:28 UTC, azimut " +
                                            formatFixed(details.aosAzimuthDeg, 0) + "°");
    EXPECT_NEAR(details.aosAzimuthDeg, pass.aosAzimuthDeg, 1e-6);
    EXPECT_TRUE(culminationText(details).startsWith("Culmination : 07:01:34 UTC, azimut "));
    EXPECT_TRUE(culminationText(details).endsWith(", site 81.7°"));
    EXPECT_TRUE(lossText(details).startsWith("Perte : 07:12:35 UTC, azimut "));
    EXPECT_EQ(durationText(pass.durationSeconds()), "Durée : 22 min 07 s");
    EXPECT_EQ(durationText(3841.25), "Durée : 1 h 04 min 01 s");
    EXPECT_EQ(passTitle(pass), "Passage de OSCAR 7 (AO-7) le 27/06/2026");
}

TEST(PassDetails, ShortPassesEveryTenSeconds)
{
    auto satellites = test::demoSatellites();
    // Any pass of the day under 5 minutes: a low one.
    std::optional<orbit::PredictedPass> shortPass;
    for (const std::string &name : satellites->names()) {
        for (const auto &pass : satellites->passes(name, utcInstant(2026, 6, 27, 0, 0, 0), 1.0, kDemoMinElevation, 0)) {
            if (pass.durationSeconds() < 300 && pass.durationSeconds() > 30)
                shortPass = pass;
        }
    }
    ASSERT_TRUE(shortPass.has_value());
    const PassDetails details = passDetails(*satellites, *shortPass, std::nullopt);
    EXPECT_EQ(details.stepSeconds, 10);
    for (std::size_t i = 1; i + 1 < details.rows.size(); ++i)
        EXPECT_EQ(second(details.rows[i].instant) % 10, 0);
    EXPECT_EQ(detailRowCells(details, details.rows.front()).back(), "----");
}

// The table read back against the command-line predictor at the times it shows.
TEST(PassDetails, TableAgreesWithTheCommandLinePredictor)
{
    auto satellites = test::demoSatellites();
    const auto pass = test::firstPass(*satellites, "JAS-2 (FO-29)", utcInstant(2026, 6, 27, 7, 0, 0));
    const PassDetails details = passDetails(*satellites, pass, 435.85);
    ASSERT_GT(details.rows.size(), 10u);
    for (std::size_t i : {std::size_t(1), details.rows.size() / 2, details.rows.size() - 2}) {
        const QStringList cells = detailRowCells(details, details.rows[i]);
        std::ostringstream out, err;
        const std::string time = "2026-06-27T" + cells[0].toStdString() + ".000Z";
        ASSERT_EQ(orbit::cli::runOrbitCommand({"look", "--elements", ORVANTA_SOURCE_DIR "/demo", "--lat", "48", "--lon",
                                               "2", "--alt", "100", "--time", time, "--sat", "JAS-2 (FO-29)"},
                                              out, err),
                  0)
            << err.str();
        const QStringList line = QString::fromStdString(out.str()).split('\n')[1].split(',');
        ASSERT_EQ(line.size(), 7) << out.str();
        EXPECT_EQ(line[6], "24278");
        EXPECT_NEAR(cells[1].toDouble(), line[2].toDouble(), 0.051) << time;
        EXPECT_NEAR(cells[2].toDouble(), line[3].toDouble(), 0.051) << time;
        EXPECT_NEAR(cells[3].toDouble(), line[4].toDouble(), 0.51) << time;
        const double rate = line[5].toDouble();
        EXPECT_NEAR(cells[4].toDouble(), 435.85 * std::sqrt((1 - rate / 299792.458) / (1 + rate / 299792.458)),
                    0.00006)
            << time;
    }
}

TEST(PassDetails, DopplerCorrectedFrequencies)
{
    // 6 km/s away lowers 145.8 MHz by 2.918 kHz; 5 km/s closer raises 435.3 MHz by 7.26 kHz.
    EXPECT_NEAR(correctedFrequencyMHz(145.8, 6), 145.8 - 0.002918, 1e-6);
    EXPECT_NEAR(correctedFrequencyMHz(435.3, -5), 435.3 + 0.007260, 1e-6);
    EXPECT_EQ(correctedFrequencyMHz(145.8, 0), 145.8);
}

TEST(PassDetails, TableTextWithTabsAndPointsWhateverTheLocale)
{
    QLocale::setDefault(QLocale::French);
    PassDetails details;
    details.pass.name = "AO-7";
    details.downlinkMHz = 145.8;
    details.rows.push_back({utcInstant(2026, 6, 27, 7, 1, 30), 123.45, 45.67, 1234.4, 6});
    EXPECT_EQ(detailTableText(details), "Heure (UTC)\tAzimut (°)\tSite (°)\tDistance (km)\tFréquence (MHz)\n"
                                        "07:01:30\t123.5\t45.7\t1234\t145.7971\n");
    QLocale::setDefault(QLocale::c());
}

TEST(PassDetailsWindow, OpensFromAListLineAndCopiesItsTable)
{
    auto satellites = test::demoSatellites();
    const double nowOle = test::utcOle(2026, 6, 27, 7, 5, 0);
    orbit::PassBoard lists;
    lists.add(satellites->passes("JAS-2 (FO-29)", orbit::julianFromOle(nowOle), 1, kDemoMinElevation, 0),
              orbit::wholeSecondsFromOle(nowOle));
    ASSERT_FALSE(lists.comingLines().empty());
    const auto pass = lists.passOnLine(lists.comingLines().front());
    ASSERT_TRUE(pass.has_value());

    QWidget main;
    PassDetailsWindow *window = openPassDetails(*satellites, *pass, kDemoMinElevation, 435.85, &main);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), "Details_Passage");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->details().pass.name, "JAS-2 (FO-29)");
    EXPECT_TRUE(window->findChild<QLabel *>("Details_AOS")->text().startsWith("Acquisition : 07:06:18 UTC"));
    EXPECT_TRUE(window->findChild<QLabel *>("Details_Duree")->text().startsWith("Durée : 15 min"));
    SkyView *sky = window->findChild<SkyView *>("Ciel");
    ASSERT_NE(sky, nullptr);
    ASSERT_TRUE(sky->scene().tracked);
    EXPECT_EQ(sky->scene().tracked->pass.name, "JAS-2 (FO-29)");

    auto *table = window->findChild<QTableWidget *>("Details_Table");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), int(window->details().rows.size()));
    EXPECT_EQ(table->item(1, 0)->text(), "07:06:30");

    QApplication::clipboard()->clear();
    window->findChild<QPushButton *>("Copier")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), detailTableText(window->details()));
    window->close();

    EXPECT_FALSE(lists.passOnLine("  not a pass line"));
}

TEST(PassDetailsWindow, SubSatelliteLocatorsAndASecondStation)
{
    auto satellites = test::demoSatellites();
    const double nowOle = test::utcOle(2026, 6, 27, 6, 45, 0);
    orbit::PassBoard lists;
    lists.add(satellites->passes("OSCAR 7 (AO-7)", orbit::julianFromOle(nowOle), 1, kDemoMinElevation, 0),
              orbit::wholeSecondsFromOle(nowOle));
    ASSERT_FALSE(lists.coming().empty());
    const orbit::PredictedPass pass = lists.coming().front().pass;
    QWidget main;
    PassDetailsWindow *window = openPassDetails(*satellites, pass, kDemoMinElevation, std::nullopt, &main,
                                                [&] { return satellites.get(); });
    ASSERT_NE(window, nullptr);
    const PassDetails &details = window->details();
    // At acquisition the station is on the edge of the footprint (AO-7 at
    // about 1450 km: 33.3 degrees), at culmination near its centre.
    const auto distanceTo = [](const QString &locator) {
        const auto square = orbit::squareOfLocator(locator.toStdString());
        EXPECT_TRUE(square) << locator.toStdString();
        return square ? orbit::angularDistanceRad({48, 2}, {square->centreLatitudeDeg(), square->centreLongitudeDeg()})
                      : 0.0;
    };
    EXPECT_NEAR(distanceTo(details.aosLocator), orbit::footprintAngleRad(1450), 1.0 * std::numbers::pi / 180);
    EXPECT_NEAR(distanceTo(details.losLocator), orbit::footprintAngleRad(1450), 1.0 * std::numbers::pi / 180);
    EXPECT_LT(distanceTo(details.culminationLocator), 5 * std::numbers::pi / 180);
    EXPECT_EQ(window->findChild<QLabel *>("Details_Locators")->text(),
              "Sous le satellite : " + details.aosLocator + " (AOS), " + details.culminationLocator + " (TCA), " +
                  details.losLocator + " (LOS)");

    auto *locator = window->findChild<QLineEdit *>("Details_Locator2");
    auto *shared = window->findChild<QLabel *>("Details_Commun");
    ASSERT_TRUE(locator && shared);
    EXPECT_TRUE(locator->isVisibleTo(window));
    // The station itself shares the whole pass; Madrid a part, ending sooner or starting later.
    QTest::keyClicks(locator, "JN18aa");
    QTest::keyClick(locator, Qt::Key_Return);
    EXPECT_TRUE(shared->text().startsWith("Commun avec JN18aa : 06:50:2")) << shared->text().toStdString();
    EXPECT_TRUE(shared->text().contains(" - 07:12:3")) << shared->text().toStdString();
    locator->clear();
    QTest::keyClicks(locator, "IN80do");
    QTest::keyClick(locator, Qt::Key_Return);
    EXPECT_TRUE(shared->text().startsWith("Commun avec IN80do : ")) << shared->text().toStdString();
    EXPECT_TRUE(shared->text().contains("site ici ")) << shared->text().toStdString();
    locator->clear();
    QTest::keyClicks(locator, "PF95");
    QTest::keyClick(locator, Qt::Key_Return);
    EXPECT_EQ(shared->text(), "Aucune visibilité commune avec PF95 pendant ce passage");
    locator->clear();
    QTest::keyClicks(locator, "JN1");
    QTest::keyClick(locator, Qt::Key_Return);
    EXPECT_TRUE(shared->text().startsWith("Locator incorrect : « JN1 »"));
    window->close();

    // Without the component's source the box is not offered.
    PassDetailsWindow *plain = openPassDetails(*satellites, pass, kDemoMinElevation, std::nullopt, &main);
    ASSERT_NE(plain, nullptr);
    EXPECT_FALSE(plain->findChild<QLineEdit *>("Details_Locator2")->isVisibleTo(plain));
    plain->close();
}

TEST(PassDetailsWindow, SaysOnceWhereTheRotorCannotFollowThePass)
{
    // LO-19 rises at 07:38:45 and crosses north at 07:44: a 0 to 360 rotor waits
    // for it at 360 until it is within 10 degrees.
    auto satellites = test::demoSatellites();
    const double nowOle = test::utcOle(2026, 6, 27, 7, 30, 0);
    orbit::PassBoard lists;
    lists.add(satellites->passes("LUSAT (LO-19)", orbit::julianFromOle(nowOle), 1, kDemoMinElevation, 0),
              orbit::wholeSecondsFromOle(nowOle));
    ASSERT_FALSE(lists.coming().empty());
    QWidget main;
    const orbit::PredictedPass pass = lists.coming().front().pass;

    // Waiting at 360 from the rise keeps the antenna within 13 degrees of it
    // all along; a turn right round at 8 degrees of elevation would sweep
    // the beam across the sky.
    const auto track = trackPoints(computePassTrack(*satellites, pass));
    const RotorPlan plan = RotorPlan::forTrack(track, RotorRange{});
    EXPECT_FALSE(plan.turnSeconds());
    EXPECT_LT(test::worstPointingError(plan, track), 13);

    PassDetailsWindow *plain = openPassDetails(*satellites, pass, kDemoMinElevation, 437.125, &main, {}, RotorRange{});
    ASSERT_NE(plain, nullptr);
    auto *note = plain->findChild<QLabel *>("Details_Rotor");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->text().startsWith("Rotor : ce passage sort de son débattement ; il quitte le satellite de 07:38:45 à 07:41:15"))
        << note->text().toStdString();
    const auto highest = QRegularExpression("site jusqu'à (\\d+)°").match(note->text());
    ASSERT_TRUE(highest.hasMatch());
    EXPECT_LT(highest.captured(1).toInt(), 15); // never near its 69 degrees
    plain->close();

    for (const RotorRange range : {RotorRange{0, 450, false}, RotorRange{0, 360, true}}) {
        PassDetailsWindow *held = openPassDetails(*satellites, pass, kDemoMinElevation, 437.125, &main, {}, range);
        ASSERT_NE(held, nullptr);
        EXPECT_EQ(held->findChild<QLabel *>("Details_Rotor"), nullptr);
        held->close();
    }
}

// The ticks beat on multiples of their period: the note tells the turn at
// the tick whose command is the first on the other side.
TEST(PassDetailsWindow, TheTurnIsToldAtTheTickThatSendsIt)
{
    // Crossing north at 80 degrees of elevation, rising at 07:36:03.456.
    std::vector<TrackPoint> track;
    for (double t = 0; t <= 880; t += 20)
        track.push_back({t, std::fmod(300 + t / 880 * 120, 360.0), 80 * std::sin(std::numbers::pi * t / 880)});
    const RotorPlan plan = RotorPlan::forTrack(track, RotorRange{});
    ASSERT_TRUE(plan.turnSeconds());
    orbit::PredictedPass pass;
    pass.aos = utcInstant(2026, 6, 27, 7, 36, 3.456);
    const double aosSeconds = pass.aos.minutesSince(orbit::julianFromOle(0)) * 60.0;

    for (const double period : {5.0, 7.0}) {
        const QString note = rotorNote(plan, pass, TickRhythm(period));
        const auto told = QRegularExpression("fait le tour de son débattement à (\\d\\d:\\d\\d:\\d\\d)").match(note);
        ASSERT_TRUE(told.hasMatch()) << note.toStdString();
        std::optional<double> previous;
        QString sent;
        for (auto tick = std::int64_t(std::ceil(aosSeconds / period) * period); sent.isEmpty(); tick += std::int64_t(period)) {
            const double seconds = double(tick) - aosSeconds;
            const double az = std::fmod(300 + seconds / 880 * 120, 360.0);
            const double command = plan.aim(seconds, std::round(az), 60).azimuthDeg;
            if (previous && std::abs(command - *previous) > 180)
                sent = timeText(orbit::julianFromOle(double(tick) / 86400.0));
            previous = command;
        }
        EXPECT_EQ(told.captured(1), sent) << note.toStdString();
    }
}

// RS-15 crosses north at 84 degrees: a rotor that turns at 6 degrees a second
// goes round its range without leaving the satellite, one at 2 cannot.
TEST(PassDetailsWindow, TheRotorNoteTakesTheRotorsOwnSpeed)
{
    auto satellites = test::demoSatellites();
    const double nowOle = test::utcOle(2026, 6, 27, 10, 0, 0);
    orbit::PassBoard lists;
    lists.add(satellites->passes("RADIO ROSTO (RS15)", orbit::julianFromOle(nowOle), 1, kDemoMinElevation, 0),
              orbit::wholeSecondsFromOle(nowOle));
    ASSERT_FALSE(lists.coming().empty());
    QWidget main;
    const orbit::PredictedPass pass = lists.coming().front().pass;
    const auto noteAt = [&](double degreesPerSecond) {
        PassDetailsWindow *window = openPassDetails(*satellites, pass, kDemoMinElevation, std::nullopt, &main, {},
                                                    RotorRange{}, {}, 5, degreesPerSecond);
        const auto *note = window->findChild<QLabel *>("Details_Rotor");
        const QString text = note ? note->text() : QString();
        window->close();
        return text;
    };
    EXPECT_TRUE(noteAt(6).contains("sans quitter le satellite")) << noteAt(6).toStdString();
    EXPECT_TRUE(noteAt(2).contains("il quitte le satellite de")) << noteAt(2).toStdString();
}

} // namespace
} // namespace orvanta
