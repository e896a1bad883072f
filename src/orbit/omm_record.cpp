#include "orbit/omm_record.h"

#include "orbit/engine_text.h"
#include "orbit/utc_time.h"

#include <charconv>
#include <cmath>

namespace orvanta::orbit {
namespace {

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the fields of one record and keeps the first reason to refuse it.
class FieldReader {
public:
    explicit FieldReader(const OmmRecord &record) : record_(record) {}

    bool failed() const { return !reason_.empty(); }
    const std::string &reason() const { return reason_; }

    void fail(std::string_view key, const std::string &why)
    {
        if (reason_.empty())
            reason_ = fillIn(orbitText("OrbitElements", "%1 %2"), {std::string(key), why});
    }

    // A decimal within [low, high]; an absent optional field reads as zero.
    double decimal(std::string_view key, bool required, double low, double high)
    {
        const auto value = given(key, required);
        if (!value)
            return 0.0;
        double number = value->number;
        if (!value->isNumber && !readDecimal(trimmed(value->text), number)) {
            fail(key, fillIn(orbitText("OrbitElements", "illisible (« %1 »)"),
                             {std::string(trimmed(value->text).substr(0, 40))}));
            return 0.0;
        }
        if (!std::isfinite(number)) {
            fail(key, orbitText("OrbitElements", "non fini"));
            return 0.0;
        }
        if (number < low || number > high) {
            fail(key, fillIn(orbitText("OrbitElements", "%1 hors limites"), {shown(*value)}));
            return 0.0;
        }
        return number;
    }

    // A whole number within [low, high]; an absent optional field reads as zero.
    long whole(std::string_view key, bool required, long low, long high)
    {
        const auto value = given(key, required);
        if (!value)
            return 0;
        long number = 0;
        if (value->isNumber) {
            if (!std::isfinite(value->number) || std::trunc(value->number) != value->number) {
                fail(key, fillIn(orbitText("OrbitElements", "%1 n'est pas un nombre entier"), {shown(*value)}));
                return 0;
            }
            if (std::fabs(value->number) > 1e15) {
                fail(key, fillIn(orbitText("OrbitElements", "%1 hors limites"), {shown(*value)}));
                return 0;
            }
            number = long(value->number);
        } else {
            const std::string_view text = trimmed(value->text);
            const char *begin = text.data() + (text.front() == '+' ? 1 : 0);
            const auto [end, error] = std::from_chars(begin, text.data() + text.size(), number);
            if (error == std::errc::result_out_of_range) {
                fail(key, fillIn(orbitText("OrbitElements", "%1 hors limites"), {shown(*value)}));
                return 0;
            }
            if (error != std::errc() || end != text.data() + text.size()) {
                fail(key, fillIn(orbitText("OrbitElements", "illisible (« %1 »)"), {std::string(text.substr(0, 40))}));
                return 0;
            }
        }
        if (number < low || number > high) {
            fail(key, fillIn(orbitText("OrbitElements", "%1 hors limites (%2 à %3)"),
                             {shown(*value), std::to_string(low), std::to_string(high)}));
            return 0;
        }
        return number;
    }

    std::string text(std::string_view key)
    {
        const auto value = record_.field(key);
        return value && !value->isNumber ? std::string(trimmed(value->text)) : std::string();
    }

    // "2026-06-26T12:34:56.123456", with or without the seconds' fraction or a closing Z.
    JulianDate epoch()
    {
        const auto value = record_.field("EPOCH");
        if (!value || value->isNumber || trimmed(value->text).empty()) {
            fail("EPOCH", value ? orbitText("OrbitElements", "illisible") : orbitText("OrbitElements", "absent"));
            return {};
        }
        const std::string_view text = trimmed(value->text);
        CalendarInstant at;
        if (!readIsoInstant(text, at)) {
            fail("EPOCH", fillIn(orbitText("OrbitElements", "illisible (« %1 »)"), {std::string(text.substr(0, 40))}));
            return {};
        }
        return julianFromCalendar(at);
    }

private:
    // The field's value, or nothing when it is absent or blank (a fault when required).
    std::optional<OmmValue> given(std::string_view key, bool required)
    {
        auto value = record_.field(key);
        if (value && (value->isNumber || !trimmed(value->text).empty()))
            return value;
        if (required)
            fail(key, "absent");
        return std::nullopt;
    }

    // NaN and infinities read, to be refused as such; so does a value beyond a double.
    static bool readDecimal(std::string_view text, double &number)
    {
        if (!text.empty() && text.front() == '+')
            text.remove_prefix(1);
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (error == std::errc::result_out_of_range && end == text.data() + text.size()) {
            number = INFINITY;
            return true;
        }
        return !text.empty() && error == std::errc() && end == text.data() + text.size();
    }

    static std::string shown(const OmmValue &value)
    {
        if (!value.isNumber)
            return std::string(trimmed(value.text).substr(0, 40));
        char buffer[32];
        const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value.number);
        return error == std::errc() ? std::string(buffer, end) : std::string("?");
    }

    static bool digits(std::string_view text, std::size_t at, std::size_t count, int &out)
    {
        out = 0;
        if (at + count > text.size())
            return false;
        for (std::size_t i = at; i < at + count; ++i) {
            if (!isDigit(text[i]))
                return false;
            out = out * 10 + (text[i] - '0');
        }
        return true;
    }

    static bool readIsoInstant(std::string_view text, CalendarInstant &at)
    {
        if (!text.empty() && text.back() == 'Z')
            text.remove_suffix(1);
        int second = 0;
        if (text.size() < 19 || text[4] != '-' || text[7] != '-' || (text[10] != 'T' && text[10] != ' ') ||
            text[13] != ':' || text[16] != ':' || !digits(text, 0, 4, at.year) || !digits(text, 5, 2, at.month) ||
            !digits(text, 8, 2, at.day) || !digits(text, 11, 2, at.hour) || !digits(text, 14, 2, at.minute) ||
            !digits(text, 17, 2, second))
            return false;
        double fraction = 0;
        if (text.size() > 19) {
            const std::string_view rest = text.substr(19);
            if (rest.size() < 2 || rest.size() > 13 || rest.front() != '.')
                return false;
            for (char c : rest.substr(1)) {
                if (!isDigit(c))
                    return false;
            }
            const std::string decimal = "0" + std::string(rest);
            std::from_chars(decimal.data(), decimal.data() + decimal.size(), fraction);
        }
        at.second = second + fraction;
        // The two-line form reaches 1957 to 2056; OMM any year the calendar conversions keep exact.
        return at.year >= 1900 && at.year <= 2199 && isValidDate(at.year, at.month, at.day) && at.hour < 24 &&
               at.minute < 60 && second < 60;
    }

    const OmmRecord &record_;
    std::string reason_;
};

std::string catalogNumberText(long number)
{
    std::string text = std::to_string(number);
    if (text.size() < 5)
        text.insert(0, 5 - text.size(), '0');
    return text;
}

// The set of a record, or nothing with the reason.
std::optional<ElementSet> elementSetFromOmm(const OmmRecord &record, std::string &reason)
{
    FieldReader read(record);
    ElementSet set;
    const std::string name = cleanSatelliteName(read.text("OBJECT_NAME"));
    set.catalogId = read.whole("NORAD_CAT_ID", true, 1, kLargestCatalogNumber);
    set.epoch = read.epoch();
    set.meanMotionRevPerDay = read.decimal("MEAN_MOTION", true, 0.0, 1e6);
    set.eccentricity = read.decimal("ECCENTRICITY", true, 0.0, 0.9999999);
    set.inclinationDeg = read.decimal("INCLINATION", true, 0.0, 180.0);
    set.raanDeg = read.decimal("RA_OF_ASC_NODE", true, 0.0, 360.0);
    set.argPerigeeDeg = read.decimal("ARG_OF_PERICENTER", true, 0.0, 360.0);
    set.meanAnomalyDeg = read.decimal("MEAN_ANOMALY", true, 0.0, 360.0);
    set.bstar = read.decimal("BSTAR", false, -1e6, 1e6);
    set.meanMotionDot = read.decimal("MEAN_MOTION_DOT", false, -1e6, 1e6);
    set.meanMotionDdot = read.decimal("MEAN_MOTION_DDOT", false, -1e6, 1e6);
    set.revolutionNumber = read.whole("REV_AT_EPOCH", false, 0, kLargestCatalogNumber);
    read.whole("ELEMENT_SET_NO", false, 0, kLargestCatalogNumber);
    // Other theories (SGP4-XP is type 4) would be predicted wrongly by SGP4.
    if (read.whole("EPHEMERIS_TYPE", false, 0, 9) != 0)
        read.fail("EPHEMERIS_TYPE", orbitText("OrbitElements", "autre que 0 : seuls les éléments SGP4 sont lus"));
    if (!read.failed() && set.meanMotionRevPerDay <= 0.0)
        read.fail("MEAN_MOTION", orbitText("OrbitElements", "nul"));
    if (read.failed()) {
        const std::string who = !name.empty() ? name : set.catalogId > 0 ? catalogNumberText(set.catalogId) : "";
        reason = who.empty() ? read.reason() : fillIn(orbitText("OrbitElements", "« %1 » : %2"), {who, read.reason()});
        return std::nullopt;
    }
    set.catalogNumber = catalogNumberText(set.catalogId);
    set.name = name.empty() ? set.catalogNumber : name;
    return set;
}

} // namespace

void readOmmRecord(const OmmRecord &record, RecordPlace place, ElementSink &sink)
{
    std::string reason;
    if (auto set = elementSetFromOmm(record, reason))
        sink.add(std::move(*set), place);
    else
        sink.problem(place, reason);
}

} // namespace orvanta::orbit
