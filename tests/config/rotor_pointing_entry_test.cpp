#include "config/rotor_pointing_entry.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// What the operator may type in "Pointage du rotor": a rotor that does not
// turn, turns backwards or at a slip of the keyboard is refused, and
// nothing of the boxes is kept then.
TEST(RotorPointingEntry, SpeedsOfZeroOrLessAreRefusedAndNothingIsKept)
{
    RotorSettings before;
    before.speeds.insert(QStringLiteral("GS232"), {3, 1.5});
    const RotorPointingTexts good{"4.5", "2", "8", "45"};
    const RotorPointingEntry taken = readRotorPointing(before, QStringLiteral("GS232"), good);
    EXPECT_TRUE(taken.refusal.isEmpty()) << taken.refusal.toStdString();
    EXPECT_EQ(taken.settings.speedsOf("GS232"), (RotorSpeeds{4.5, 2}));
    EXPECT_EQ(taken.settings.speedsOf("Hamlib"), RotorSpeeds{}) << "another interface keeps its own";
    EXPECT_EQ(taken.settings.allowedErrorDeg, 8);
    EXPECT_EQ(taken.settings.parkAfterMinutes, 45);
    EXPECT_EQ(rotorPointingTexts(taken.settings, "GS232").azimuthSpeed, "4.5");

    const RotorPointingTexts refusedTexts[] = {
        {"0", "2", "8", "45"},   {"-3", "2", "8", "45"}, {"4", "0", "8", "45"},    {"4", "-0.1", "8", "45"},
        {"", "2", "8", "45"},    {"abc", "2", "8", "45"}, {"400", "2", "8", "45"}, {"nan", "2", "8", "45"},
        {"4", "2", "0", "45"},   {"4", "2", "181", "45"}, {"4", "2", "8", "-1"},   {"4", "2", "8", "2000"},
    };
    for (const RotorPointingTexts &texts : refusedTexts) {
        const RotorPointingEntry entry = readRotorPointing(before, QStringLiteral("GS232"), texts);
        EXPECT_FALSE(entry.refusal.isEmpty()) << texts.azimuthSpeed.toStdString() << " "
                                              << texts.elevationSpeed.toStdString();
        EXPECT_EQ(entry.settings.speedsOf("GS232"), (RotorSpeeds{3, 1.5}));
        EXPECT_EQ(entry.settings.allowedErrorDeg, 10);
    }
    EXPECT_EQ(readRotorPointing(before, "GS232", {"0", "2", "8", "45"}).refusal,
              "La vitesse en azimut « 0 » n'est pas un nombre de degrés par seconde plus grand que 0 et au plus 360.");
}

} // namespace
} // namespace orvanta
