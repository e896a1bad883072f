#include "orbit/omm_readers.h"

namespace orvanta::orbit {
namespace {

// Enough to hold a header or the first object's keys.
constexpr std::size_t kSniffedBytes = 4096;

bool namesOmmFields(std::string_view start)
{
    return start.find("NORAD_CAT_ID") != std::string_view::npos || start.find("MEAN_MOTION") != std::string_view::npos;
}

} // namespace

ElementFormat elementFormatOf(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return ElementFormat::TwoLine;
    const std::string_view start = text.substr(first, kSniffedBytes);
    if (start.front() == '<')
        return start.find("<omm") != std::string_view::npos || start.find("<ndm") != std::string_view::npos ||
                       start.find(":omm") != std::string_view::npos || start.find(":ndm") != std::string_view::npos
                   ? ElementFormat::OmmXml
                   : ElementFormat::OtherDocument;
    if (start.front() == '[' || start.front() == '{')
        return namesOmmFields(start) ? ElementFormat::OmmJson : ElementFormat::OtherDocument;
    const std::string_view header = start.substr(0, start.find_first_of("\r\n"));
    if (header.find(',') != std::string_view::npos &&
        (namesOmmFields(header) || header.find("OBJECT_NAME") != std::string_view::npos))
        return ElementFormat::OmmCsv;
    return ElementFormat::TwoLine;
}

} // namespace orvanta::orbit
