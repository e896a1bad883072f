#include "orbit/schedule_export.h"

#include "orbit/engine_text.h"
#include "orbit/locator.h"
#include "orbit/text_format.h"
#include "orbit/utc_time.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <cmath>
#include <string_view>

namespace orvanta::orbit {

namespace {

constexpr std::size_t kLongestIcsLine = 75; // octets, before the CRLF

std::string digits(int value, int width)
{
    std::string text = std::to_string(value);
    return std::string(std::size_t(std::max(0, width - int(text.size()))), '0') + text;
}

CalendarInstant secondOf(const JulianDate &instant)
{
    return calendarFromWholeSeconds(wholeSecondsFromJulian(instant));
}

std::string icsTime(const JulianDate &instant)
{
    const CalendarInstant c = secondOf(instant);
    return digits(c.year, 4) + digits(c.month, 2) + digits(c.day, 2) + 'T' + digits(c.hour, 2) + digits(c.minute, 2) +
           digits(int(c.second), 2) + 'Z';
}

// A whole number of at least width digits, zeros in front, at the end of out.
void appendDigits(std::string &out, int value, int width)
{
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(std::size_t(std::max(0, width - int(result.ptr - buffer))), '0');
    out.append(buffer, result.ptr);
}

void appendIsoMillisecond(std::string &out, const JulianDate &instant)
{
    const CalendarInstant c = calendarFromMilliseconds(roundedToMilliseconds(instant));
    const long long milliseconds = std::llround(c.second * 1000.0);
    appendDigits(out, c.year, 4);
    out += '-';
    appendDigits(out, c.month, 2);
    out += '-';
    appendDigits(out, c.day, 2);
    out += 'T';
    appendDigits(out, c.hour, 2);
    out += ':';
    appendDigits(out, c.minute, 2);
    out += ':';
    appendDigits(out, int(milliseconds / 1000), 2);
    out += '.';
    appendDigits(out, int(milliseconds % 1000), 3);
    out += 'Z';
}

// A TEXT value: backslash, semicolon, comma and line ends escaped.
std::string icsText(const std::string &text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\\' || c == ';' || c == ',')
            out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            continue; // control characters have no place in a TEXT value
        out += c;
    }
    return out;
}

// One content line, folded so that no line passes 75 octets, never inside a
// UTF-8 character.
void addLine(std::string &out, const std::string &line)
{
    std::size_t start = 0;
    std::size_t room = kLongestIcsLine;
    while (line.size() - start > room) {
        std::size_t cut = start + room;
        while (cut > start && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        out.append(line, start, cut - start);
        out += "\r\n ";
        start = cut;
        room = kLongestIcsLine - 1; // the leading blank counts
    }
    out.append(line, start, std::string::npos);
    out += "\r\n";
}

std::string clockTime(const JulianDate &instant)
{
    const CalendarInstant c = secondOf(instant);
    return digits(c.hour, 2) + ':' + digits(c.minute, 2) + ':' + digits(int(c.second), 2);
}

// Where the station's own horizon hides part of the pass, when it clears it
// and sets behind it.
std::string horizonText(const ScheduledPass &pass)
{
    if (!pass.horizonChecked)
        return {};
    if (!pass.inSight)
        return orbitText("OrbitSchedule", ", caché par l'horizon de la station");
    return fillIn(orbitText("OrbitSchedule", ", au-dessus de l'horizon de la station de %1 à %2 UTC"),
                  {clockTime(pass.inSight->clears), clockTime(pass.inSight->sets)});
}

void appendCsvField(std::string &out, const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text)
        out += c == '"' ? std::string_view("\"\"") : std::string_view(&c, 1);
    out += '"';
}

} // namespace

std::string scheduleStation(double latitudeDeg, double longitudeDeg)
{
    return locatorFromPosition(latitudeDeg, longitudeDeg, 6);
}

std::string scheduleIcs(const std::vector<ScheduledPass> &schedule, const std::string &station,
                        const JulianDate &written)
{
    const JulianDate since2000 = julianFromCalendar({2000, 1, 1, 0, 0, 0});
    const long long sequence =
        std::max<long long>(0, wholeSecondsFromJulian(written) - wholeSecondsFromJulian(since2000));
    std::string out;
    addLine(out, "BEGIN:VCALENDAR");
    addLine(out, "VERSION:2.0");
    addLine(out, "PRODID:-//Orvanta//Planning des passages//FR");
    addLine(out, "CALSCALE:GREGORIAN");
    addLine(out, "METHOD:PUBLISH");
    // A station may see two passes within one revolution's count (their
    // highest points are less than a period apart): the later one takes the
    // next count, so each pass keeps a UID of its own.
    std::map<std::string, long long> lastRevolution;
    for (const ScheduledPass &pass : schedule) {
        const std::string number = pass.catalogNumber.empty() ? icsText(pass.name) : pass.catalogNumber;
        long long revolution = pass.revolution;
        if (const auto last = lastRevolution.find(number); last != lastRevolution.end())
            revolution = std::max(revolution, last->second + 1);
        lastRevolution[number] = revolution;
        addLine(out, "BEGIN:VEVENT");
        addLine(out, "UID:" + number + "-r" + std::to_string(revolution) + '-' + icsText(station) + "@orvanta");
        addLine(out, "SEQUENCE:" + std::to_string(sequence));
        addLine(out, "DTSTAMP:" + icsTime(written));
        addLine(out, "DTSTART:" + icsTime(pass.aos));
        addLine(out, "DTEND:" + icsTime(pass.los));
        addLine(out, "SUMMARY:" + icsText(fillIn(orbitText("OrbitSchedule", "%1 - site max %2°"),
                                                 {pass.name, fixedText(pass.maxElevationDeg, 0)})));
        const std::string light = pass.visibleToTheEye() ? orbitText("OrbitSchedule", ", visible à l'oeil")
                                  : pass.sunlit          ? orbitText("OrbitSchedule", ", éclairé")
                                                         : orbitText("OrbitSchedule", ", dans l'ombre");
        addLine(out,
                "DESCRIPTION:" +
                    icsText(fillIn(orbitText("OrbitSchedule",
                                             "Acquisition azimut %1°, perte azimut %2°, site maximal %3°, durée %4 s"),
                                   {fixedText(pass.aosAzimuthDeg, 0), fixedText(pass.losAzimuthDeg, 0),
                                    fixedText(pass.maxElevationDeg, 1), fixedText(pass.durationSeconds, 0)}) +
                            light + horizonText(pass)));
        addLine(out, "TRANSP:TRANSPARENT");
        addLine(out, "END:VEVENT");
    }
    addLine(out, "END:VCALENDAR");
    return out;
}

std::string scheduleCsv(const std::vector<ScheduledPass> &schedule)
{
    // A station with a horizon of its own gets its times in two more columns.
    const bool horizon = std::any_of(schedule.begin(), schedule.end(),
                                     [](const ScheduledPass &pass) { return pass.horizonChecked; });
    std::string out = "satellite,catalog_number,aos,los,max_elevation,max_elevation_time,aos_azimuth,los_azimuth,"
                      "duration_s,sunlit,visible";
    out += horizon ? ",horizon_clears,horizon_sets\n" : "\n";
    // One buffer, every field appended in place: the catalogue's day is some 10 MB.
    out.reserve(out.size() + schedule.size() * (horizon ? 170 : 120));
    for (const ScheduledPass &pass : schedule) {
        appendCsvField(out, pass.name);
        out += ',';
        appendCsvField(out, pass.catalogNumber);
        out += ',';
        appendIsoMillisecond(out, pass.aos);
        out += ',';
        appendIsoMillisecond(out, pass.los);
        out += ',';
        out += fixedText(pass.maxElevationDeg, 2);
        out += ',';
        appendIsoMillisecond(out, pass.maxElevationTime);
        out += ',';
        out += fixedText(pass.aosAzimuthDeg, 1);
        out += ',';
        out += fixedText(pass.losAzimuthDeg, 1);
        out += ',';
        out += fixedText(pass.durationSeconds, 3);
        out += pass.sunlit ? ",1" : ",0";
        out += pass.visibleToTheEye() ? ",1" : ",0";
        if (horizon && pass.inSight) {
            out += ',';
            appendIsoMillisecond(out, pass.inSight->clears);
            out += ',';
            appendIsoMillisecond(out, pass.inSight->sets);
        } else if (horizon) {
            out += ",,";
        }
        out += '\n';
    }
    return out;
}

} // namespace orvanta::orbit
