#include "data/element_update_schedule.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

QDateTime at(const char *iso)
{
    return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

// A station left running for a day with the update every 12 hours, a pass
// rising at 19:01:30: the runs come at start-up, 12 h later unless a pass
// is being taken up, and at once when the clock is set back.
TEST(ElementUpdateSchedule, StartUpThenEveryIntervalButNeverDuringATakeUp)
{
    ElementUpdateSchedule schedule;
    const std::optional<QDateTime> aos = at("2026-06-27T19:01:30Z");
    struct Step {
        const char *now;
        bool due;
    };
    const Step steps[] = {
        {"2026-06-27T07:00:00Z", true}, // start-up
        {"2026-06-27T07:01:00Z", false}, {"2026-06-27T18:59:59Z", false},
        {"2026-06-27T19:00:00Z", false}, // 12 h, but the pass rises in 90 s
        {"2026-06-27T19:02:30Z", false}, // a minute after its rise
        {"2026-06-27T19:02:31Z", true},
        {"2026-06-28T07:02:30Z", false}, {"2026-06-28T07:02:31Z", true},
        {"2026-06-28T06:00:00Z", true}, // set back
    };
    for (const Step &s : steps) {
        EXPECT_EQ(schedule.due(at(s.now), aos), s.due) << s.now;
        if (s.due)
            schedule.started(at(s.now));
    }
    EXPECT_EQ(ElementUpdateSchedule(0.5).everyHours(), 2);
}

} // namespace
} // namespace orvanta
