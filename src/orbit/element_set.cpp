#include "orbit/element_set.h"

#include "orbit/engine_text.h"

#include <charconv>
#include <cmath>
#include <cstddef>

namespace orvanta::orbit {
namespace {

constexpr std::size_t kLineLength = 69;

// Blanks, tabs and line-end characters are dropped from the end of an element line.
std::string withoutTrailingBlanks(const std::string &line)
{
    std::size_t end = line.size();
    while (end > 0 && (line[end - 1] == ' ' || line[end - 1] == '\t' || line[end - 1] == '\r' || line[end - 1] == '\n'))
        --end;
    return line.substr(0, end);
}

std::string trimmed(const std::string &text)
{
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Columns are numbered from 1, as in the published layout.
std::string columns(const std::string &line, std::size_t first, std::size_t last)
{
    return line.substr(first - 1, last - first + 1);
}

std::optional<double> readDecimal(const std::string &field)
{
    std::string text = trimmed(field);
    if (!text.empty() && text.front() == '+')
        text.erase(0, 1);
    if (text.empty())
        return std::nullopt;
    for (char c : text) {
        if (!isDigit(c) && c != '.' && c != '-')
            return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<long> readWhole(const std::string &field)
{
    const std::string text = trimmed(field);
    if (text.empty())
        return 0L;
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The implied-decimal form " 28098-4" = 0.28098e-4 and "-11606-4" = -0.11606e-4:
// sign, up to five digits, signed exponent digit. A blank field reads as zero.
std::optional<double> readImpliedDecimal(const std::string &field)
{
    const std::string text = trimmed(field);
    if (text.empty())
        return 0.0;
    std::size_t at = 0;
    double sign = 1.0;
    if (text[at] == '-' || text[at] == '+') {
        sign = text[at] == '-' ? -1.0 : 1.0;
        ++at;
    }
    std::string mantissa = "0.";
    while (at < text.size() && isDigit(text[at]))
        mantissa += text[at++];
    const std::size_t digits = mantissa.size() - 2;
    if (digits == 0 || digits > 5)
        return std::nullopt;
    if (at + 2 != text.size() || (text[at] != '-' && text[at] != '+') || !isDigit(text[at + 1]))
        return std::nullopt;
    const int exponent = (text[at + 1] - '0') * (text[at] == '-' ? -1 : 1);
    double value = 0;
    std::from_chars(mantissa.data(), mantissa.data() + mantissa.size(), value);
    return sign * value * std::pow(10.0, exponent);
}

int checksumOf(const std::string &line)
{
    int sum = 0;
    for (std::size_t i = 0; i + 1 < kLineLength; ++i) {
        if (isDigit(line[i]))
            sum += line[i] - '0';
        else if (line[i] == '-')
            sum += 1;
    }
    return sum % 10;
}

// Julian date of January 0.0 (that is, December 31 0h) of a year from 1901 to 2099.
double julianDateOfYearStart(int year)
{
    return 367.0 * year - std::floor(7.0 * year / 4.0) + 1721044.5 - 1.0;
}

class SetReader {
public:
    SetReader(std::string *reason, ChecksumPolicy checksums) : reason_(reason), checksums_(checksums) {}

    bool fail(const std::string &why)
    {
        if (reason_)
            *reason_ = why;
        return false;
    }

    bool checkLine(const std::string &line, char number)
    {
        const std::string digit(1, number);
        if (line.size() != kLineLength)
            return fail(fillIn(orbitText("OrbitElements", "ligne %1 : %2 colonnes au lieu de 69"),
                               {digit, std::to_string(line.size())}));
        if (line[0] != number || line[1] != ' ')
            return fail(fillIn(orbitText("OrbitElements", "ligne %1 : elle ne commence pas par « %1 »"), {digit}));
        if (checksums_ == ChecksumPolicy::Ignore)
            return true;
        if (!isDigit(line[68]))
            return fail(
                fillIn(orbitText("OrbitElements", "ligne %1 : somme de contrôle absente (colonne 69)"), {digit}));
        const int expected = checksumOf(line);
        if (line[68] - '0' != expected)
            return fail(fillIn(orbitText("OrbitElements", "ligne %1 : somme de contrôle fausse (%2 lu, %3 calculé)"),
                               {digit, std::string(1, line[68]), std::to_string(expected)}));
        return true;
    }

    bool decimal(const std::string &line, char number, std::size_t first, std::size_t last, const char *what,
                 double &value)
    {
        const auto read = readDecimal(columns(line, first, last));
        if (!read)
            return fail(fieldProblem(number, first, last, what));
        value = *read;
        return true;
    }

    bool impliedDecimal(const std::string &line, std::size_t first, std::size_t last, const char *what, double &value)
    {
        const auto read = readImpliedDecimal(columns(line, first, last));
        if (!read)
            return fail(fieldProblem('1', first, last, what));
        value = *read;
        return true;
    }

    bool angle(const std::string &line, std::size_t first, std::size_t last, const char *what, double maxDeg,
               double &value)
    {
        if (!decimal(line, '2', first, last, what, value))
            return false;
        if (value < 0.0 || value > maxDeg)
            return fail(fillIn(orbitText("OrbitElements", "%1 (hors de 0 à %2)"),
                               {fieldProblem('2', first, last, what), std::to_string(int(maxDeg))}));
        return true;
    }

    static std::string fieldProblem(char number, std::size_t first, std::size_t last, const char *what)
    {
        return fillIn(
            orbitText("OrbitElements", "ligne %1, colonnes %2-%3 : %4 illisible"),
            {std::string(1, number), std::to_string(first), std::to_string(last), orbitText("OrbitElements", what)});
    }

private:
    std::string *reason_;
    ChecksumPolicy checksums_;
};

bool readEpoch(SetReader &reader, const std::string &line1, JulianDate &epoch)
{
    const std::string yearText = columns(line1, 19, 20);
    const std::string dayText = trimmed(columns(line1, 21, 32));
    if (!isDigit(yearText[0]) || !isDigit(yearText[1]))
        return reader.fail(SetReader::fieldProblem('1', 19, 20, orbitTextLater("OrbitElements", "année de l'époque")));
    const std::size_t point = dayText.find('.');
    const std::string wholeText = dayText.substr(0, point);
    std::string fractionText = "0";
    if (point != std::string::npos)
        fractionText.append(dayText, point, std::string::npos);
    const auto whole = readWhole(wholeText);
    const auto fraction = readDecimal(fractionText);
    if (wholeText.empty() || !whole || !fraction || *whole < 1 || *whole > 366)
        return reader.fail(SetReader::fieldProblem('1', 21, 32, orbitTextLater("OrbitElements", "jour de l'époque")));
    const int twoDigitYear = (yearText[0] - '0') * 10 + (yearText[1] - '0');
    const int year = twoDigitYear < 57 ? 2000 + twoDigitYear : 1900 + twoDigitYear;
    epoch.day = julianDateOfYearStart(year) + double(*whole);
    epoch.fraction = *fraction;
    return true;
}

} // namespace

std::optional<long> readCatalogNumber(const std::string &field)
{
    if (field.size() != 5 || trimmed(field).empty())
        return std::nullopt;
    long lead = 0;
    const char first = field[0];
    if (first == ' ' || isDigit(first))
        lead = first == ' ' ? 0 : first - '0';
    else if (first >= 'A' && first <= 'Z' && first != 'I' && first != 'O')
        lead = 10 + (first - 'A') - (first > 'I' ? 1 : 0) - (first > 'O' ? 1 : 0);
    else
        return std::nullopt;
    long rest = 0;
    for (std::size_t i = 1; i < field.size(); ++i) {
        if (field[i] == ' ' && rest == 0 && lead == 0)
            continue;
        if (!isDigit(field[i]))
            return std::nullopt;
        rest = rest * 10 + (field[i] - '0');
    }
    return lead * 10000 + rest;
}

std::string cleanSatelliteName(const std::string &rawName)
{
    std::string name = rawName;
    // Control characters (ESC, BEL, ...) would act on the terminal that shows the name.
    for (char &c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == ',' || c == '"' || byte < 0x20 || byte == 0x7F)
            c = ' ';
    }
    name = trimmed(name);
    // Some catalogues write the name line as "0 NAME".
    if (name.size() > 2 && name[0] == '0' && name[1] == ' ')
        name = trimmed(name.substr(2));
    return name;
}

std::optional<ElementSet> parseElementSet(const std::string &name, const std::string &line1,
                                          const std::string &line2, std::string *reason)
{
    return parseElementSet(name, line1, line2, reason, ChecksumPolicy::Verify);
}

std::optional<ElementSet> parseElementSet(const std::string &name, const std::string &rawLine1,
                                          const std::string &rawLine2, std::string *reason, ChecksumPolicy checksums)
{
    SetReader reader(reason, checksums);
    const std::string line1 = withoutTrailingBlanks(rawLine1);
    const std::string line2 = withoutTrailingBlanks(rawLine2);
    if (!reader.checkLine(line1, '1') || !reader.checkLine(line2, '2'))
        return std::nullopt;

    const auto refuse = [&reader](const std::string &why) -> std::optional<ElementSet> {
        reader.fail(why);
        return std::nullopt;
    };
    ElementSet set;
    set.catalogNumber = columns(line1, 3, 7);
    if (trimmed(set.catalogNumber).empty())
        return refuse(orbitText("OrbitElements", "ligne 1 : numéro de catalogue absent"));
    if (columns(line2, 3, 7) != set.catalogNumber)
        return refuse(orbitText("OrbitElements", "numéros de catalogue différents sur les lignes 1 et 2"));
    const auto catalogId = readCatalogNumber(set.catalogNumber);
    if (!catalogId)
        return refuse(SetReader::fieldProblem('1', 3, 7, orbitTextLater("OrbitElements", "numéro de catalogue")));
    set.catalogId = *catalogId;

    const bool fieldsRead =
        readEpoch(reader, line1, set.epoch) &&
        reader.decimal(line1, '1', 34, 43, orbitTextLater("OrbitElements", "dérivée du mouvement moyen"),
                       set.meanMotionDot) &&
        reader.impliedDecimal(line1, 45, 52, orbitTextLater("OrbitElements", "dérivée seconde du mouvement moyen"),
                              set.meanMotionDdot) &&
        reader.impliedDecimal(line1, 54, 61, orbitTextLater("OrbitElements", "coefficient de freinage"), set.bstar) &&
        reader.angle(line2, 9, 16, orbitTextLater("OrbitElements", "inclinaison"), 180.0, set.inclinationDeg) &&
        reader.angle(line2, 18, 25, orbitTextLater("OrbitElements", "ascension droite du nœud"), 360.0, set.raanDeg) &&
        reader.angle(line2, 35, 42, orbitTextLater("OrbitElements", "argument du périgée"), 360.0, set.argPerigeeDeg) &&
        reader.angle(line2, 44, 51, orbitTextLater("OrbitElements", "anomalie moyenne"), 360.0, set.meanAnomalyDeg) &&
        reader.decimal(line2, '2', 53, 63, orbitTextLater("OrbitElements", "mouvement moyen"), set.meanMotionRevPerDay);
    if (!fieldsRead)
        return std::nullopt;

    // Seven digits with the leading "0." implied.
    const std::string eccentricityText = trimmed(columns(line2, 27, 33));
    bool eccentricityDigits = !eccentricityText.empty();
    for (char c : eccentricityText)
        eccentricityDigits = eccentricityDigits && isDigit(c);
    if (!eccentricityDigits)
        return refuse(SetReader::fieldProblem('2', 27, 33, orbitTextLater("OrbitElements", "excentricité")));
    set.eccentricity = *readDecimal("0." + eccentricityText);
    if (set.meanMotionRevPerDay <= 0.0)
        return refuse(orbitText("OrbitElements", "ligne 2 : mouvement moyen nul ou négatif"));

    const auto revolutions = readWhole(columns(line2, 64, 68));
    if (!revolutions)
        return refuse(SetReader::fieldProblem('2', 64, 68, orbitTextLater("OrbitElements", "numéro de révolution")));
    set.revolutionNumber = *revolutions;

    set.name = cleanSatelliteName(name);
    if (set.name.empty())
        set.name = trimmed(set.catalogNumber);
    return set;
}

} // namespace orvanta::orbit
