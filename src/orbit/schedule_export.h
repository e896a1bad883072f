#pragma once

#include "orbit/pass_schedule.h"

#include <string>
#include <vector>

// A pass schedule as files other programs read.
namespace orvanta::orbit {

// iCalendar (RFC 5545): one VEVENT per pass, times in UTC, CRLF line ends,
// lines folded at 75 octets. The UID is made of the catalogue number and the
// acquisition second ("7530-20260627T073843Z@orvanta"), so that importing a
// new export of the same passes updates them instead of adding them again.
// stamp is the DTSTAMP of every event (the instant the schedule starts).
std::string scheduleIcs(const std::vector<ScheduledPass> &schedule, const JulianDate &stamp);

// CSV, a header line then one line per pass:
// satellite,catalog_number,aos,los,max_elevation,aos_azimuth,los_azimuth,duration_s,sunlit,visible
// Instants "YYYY-MM-DDTHH:MM:SSZ" (UTC), numbers with a ".", sunlit and
// visible 1 or 0. A name holding a comma or a double quote is quoted.
std::string scheduleCsv(const std::vector<ScheduledPass> &schedule);

} // namespace orvanta::orbit
