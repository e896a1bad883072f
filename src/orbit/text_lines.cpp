#include "orbit/text_lines.h"

#include <string_view>

namespace orvanta::orbit {

std::vector<std::string> textLines(const std::string &text)
{
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    std::vector<std::string> lines;
    std::size_t at = std::string_view(text).starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    std::size_t start = at;
    while (at < text.size()) {
        const char c = text[at];
        if (c != '\r' && c != '\n') {
            ++at;
            continue;
        }
        lines.push_back(text.substr(start, at - start));
        ++at;
        // A pair of different end characters is one line end; a repeated one is an empty line.
        const char partner = c == '\r' ? '\n' : '\r';
        if (at < text.size() && text[at] == partner)
            ++at;
        start = at;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

bool isBlankLine(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace orvanta::orbit
