#pragma once

#include "orbit/pass_schedule.h"

#include <string>
#include <vector>

// A pass schedule as files other programs read.
namespace orvanta::orbit {

// iCalendar (RFC 5545): one VEVENT per pass, times in UTC, CRLF line ends,
// lines folded at 75 octets. The UID names what the pass is, not its exact
// times: the catalogue number, the revolution at the highest point and the
// station ("7530-r12345-JN18eu@orvanta"), so that a new export, even after an
// element update has moved the passes by some seconds, updates the events
// instead of adding them again. written is the instant the file is written:
// the DTSTAMP, and the SEQUENCE as its seconds since 2000, so that a later
// export is the newer revision of each event. A horizon of the station's own
// adds when the pass clears it and sets behind it to the description.
std::string scheduleIcs(const std::vector<ScheduledPass> &schedule, const std::string &station,
                        const JulianDate &written);

// The station as the calendar's UIDs name it: its 6-character locator.
std::string scheduleStation(double latitudeDeg, double longitudeDeg);

// CSV, a header line then one line per pass, for the window and the command
// line alike:
// satellite,catalog_number,aos,los,max_elevation,max_elevation_time,aos_azimuth,los_azimuth,duration_s,sunlit,visible
// Instants "YYYY-MM-DDTHH:MM:SS.sssZ" (UTC), numbers with a ".", sunlit and
// visible 1 or 0. A name holding a comma or a double quote is quoted.
// Passes looked at against a horizon of the station's own add two columns,
// horizon_clears and horizon_sets, empty for a pass the horizon hides; the
// calendar's description says them too.
std::string scheduleCsv(const std::vector<ScheduledPass> &schedule);

} // namespace orvanta::orbit
