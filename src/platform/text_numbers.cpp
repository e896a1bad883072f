#include "platform/text_numbers.h"

#include <charconv>
#include <cmath>
#include <string>

namespace orvanta {

namespace {

// Decimal digits of a shortest round-trip text, split into sign, digit string
// and the position of the decimal point within the digits.
struct Decimal {
    bool negative = false;
    std::string digits; // no leading zeros except a lone "0"
    int pointPos = 0;   // number of digits before the point (may be <= 0 or > size)
};

Decimal toDecimal(double value)
{
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    std::string text(buffer, result.ptr);
    Decimal d;
    std::size_t i = 0;
    if (text[i] == '-') {
        d.negative = true;
        ++i;
    }
    const std::size_t ePos = text.find('e');
    std::string mantissa = text.substr(i, ePos - i);
    // to_chars writes the exponent as "+05" or "-07"; from_chars takes no "+".
    std::size_t exponentStart = ePos + 1;
    if (text[exponentStart] == '+')
        ++exponentStart;
    int exponent = 0;
    std::from_chars(text.data() + exponentStart, text.data() + text.size(), exponent);
    for (char c : mantissa)
        if (c != '.')
            d.digits.push_back(c);
    d.pointPos = exponent + 1;
    return d;
}

QString renderFixed(const Decimal &d, int decimals, bool leadingZero)
{
    std::string intPart;
    std::string fracPart;
    for (int i = 0; i < d.pointPos; ++i)
        intPart.push_back(i < static_cast<int>(d.digits.size()) ? d.digits[i] : '0');
    for (int i = 0; i < decimals; ++i) {
        const int index = d.pointPos + i;
        fracPart.push_back(index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[index] : '0');
    }
    const auto firstNonZero = intPart.find_first_not_of('0');
    intPart = firstNonZero == std::string::npos ? std::string() : intPart.substr(firstNonZero);
    if (intPart.empty() && leadingZero)
        intPart = "0";
    const bool isZero = intPart.find_first_not_of('0') == std::string::npos
                        && fracPart.find_first_not_of('0') == std::string::npos;
    std::string out = (d.negative && !isZero) ? "-" : "";
    out += intPart;
    if (decimals > 0)
        out += "." + fracPart;
    return QString::fromStdString(out);
}

// Rounds the decimal digits to the given decimals, halves away from zero.
Decimal roundDecimal(Decimal d, int decimals)
{
    const int keep = d.pointPos + decimals; // digits kept
    if (keep >= static_cast<int>(d.digits.size()))
        return d;
    if (keep < 0) {
        d.digits = "0";
        d.pointPos = 1;
        return d;
    }
    const bool roundUp = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9') {
            d.digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.pointPos;
        }
    }
    if (d.digits.empty()) {
        d.digits = "0";
        d.pointPos = 1;
    }
    return d;
}

// The value with the given significant digits, as "1.25e+02". Like every
// conversion here it ignores the C library's locale, which under a French
// one would write and read "1,25".
std::string scientific(double value, int significantDigits)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                                      significantDigits - 1);
    return std::string(buffer, result.ptr);
}

// A text this file wrote, read back.
double readBack(const std::string &text)
{
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

QString trimmedDecimal(const Decimal &d)
{
    const int fracDigits = std::max(0, static_cast<int>(d.digits.size()) - d.pointPos);
    QString text = renderFixed(d, fracDigits, true);
    if (text.contains('.')) {
        while (text.endsWith('0'))
            text.chop(1);
        if (text.endsWith('.'))
            text.chop(1);
    }
    return text == "-0" ? QStringLiteral("0") : text;
}

} // namespace

bool Verif_Numerique(const QString &text)
{
    bool result = true;
    for (QChar c : text) {
        const ushort code = c.unicode();
        if ((code < 48 || code > 57) && code != 46)
            result = false;
    }
    return result;
}

double leadingNumber(const QString &text)
{
    QString number;
    bool seenPoint = false;
    for (QChar c : text) {
        if (c == ' ' || c == '\t')
            continue;
        if ((c == '+' || c == '-') && number.isEmpty())
            number.append(c);
        else if (c.unicode() >= '0' && c.unicode() <= '9')
            number.append(c);
        else if (c == '.' && !seenPoint) {
            number.append(c);
            seenPoint = true;
        } else
            break;
    }
    return parseNumber(number).value_or(0.0);
}

std::optional<double> parseNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    std::string number;
    int digits = 0;
    bool seenPoint = false;
    for (int i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed[i];
        if (i == 0 && (c == '+' || c == '-')) {
            if (c == '-')
                number.push_back('-');
        } else if (c.unicode() >= '0' && c.unicode() <= '9') {
            number.push_back(c.toLatin1());
            ++digits;
        } else if (c == '.' && !seenPoint) {
            number.push_back('.');
            seenPoint = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    // Give from_chars a digit on each side of the point ("128." and ".5").
    const auto point = number.find('.');
    if (point != std::string::npos) {
        if (point + 1 == number.size())
            number.push_back('0');
        if (point == 0 || number[point - 1] == '-')
            number.insert(point, "0");
    }
    double value = 0;
    const auto result = std::from_chars(number.c_str(), number.c_str() + number.size(), value);
    if (result.ec != std::errc() || result.ptr != number.c_str() + number.size())
        return std::nullopt;
    return value;
}

QString shortestText(float value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    for (int precision = 1; precision <= 7; ++precision) {
        const std::string text = scientific(value, precision);
        float asFloat = 0;
        std::from_chars(text.data(), text.data() + text.size(), asFloat);
        if (asFloat == value || precision == 7)
            return trimmedDecimal(toDecimal(readBack(text)));
    }
    return QStringLiteral("0");
}

QString shortestText(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    return trimmedDecimal(toDecimal(value));
}

QString formatFixed(double value, int decimals, bool leadingZero)
{
    if (!std::isfinite(value))
        value = 0;
    return renderFixed(roundDecimal(toDecimal(value), decimals), decimals, leadingZero);
}

QString defaultNumberText(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    return trimmedDecimal(toDecimal(readBack(scientific(value, 15))));
}

double roundHalfEven(double value)
{
    return std::nearbyint(value); // the default rounding mode sends halves to even
}

double roundHalfAway(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    return readBack(formatFixed(value, decimals).toStdString());
}

QString formatHms(int secondsOfDay)
{
    const int h = secondsOfDay / 3600;
    const int m = (secondsOfDay % 3600) / 60;
    const int s = secondsOfDay % 60;
    return QStringLiteral("%1:%2:%3")
        .arg(h, 2, 10, QLatin1Char('0'))
        .arg(m, 2, 10, QLatin1Char('0'))
        .arg(s, 2, 10, QLatin1Char('0'));
}

} // namespace orvanta
