#include "orbit/omm_readers.h"
#include "orbit/omm_record.h"
#include "orbit/engine_text.h"
#include "orbit/text_lines.h"

#include <algorithm>
#include <vector>

namespace orvanta::orbit {
namespace {

// Splits one CSV line; a field in double quotes may hold commas and doubled
// quotes. Fields that needed unquoting are kept in storage.
bool splitFields(std::string_view line, std::vector<std::string_view> &fields, std::vector<std::string> &storage)
{
    fields.clear();
    storage.clear();
    storage.reserve(line.size()); // no reallocation: the views into it stay valid
    std::size_t at = 0;
    while (true) {
        if (at < line.size() && line[at] == '"') {
            std::string value;
            ++at;
            while (true) {
                if (at >= line.size())
                    return false;
                if (line[at] == '"') {
                    if (at + 1 < line.size() && line[at + 1] == '"') {
                        value += '"';
                        at += 2;
                        continue;
                    }
                    ++at;
                    break;
                }
                value += line[at++];
            }
            storage.push_back(std::move(value));
            fields.push_back(storage.back());
            if (at < line.size() && line[at] != ',')
                return false;
        } else {
            const std::size_t comma = std::min(line.find(',', at), line.size());
            fields.push_back(line.substr(at, comma - at));
            at = comma;
        }
        if (at >= line.size())
            return true;
        ++at; // the comma
    }
}

class CsvRecord : public OmmRecord {
public:
    explicit CsvRecord(const std::vector<std::string_view> &header) : header_(header) {}

    std::vector<std::string_view> fields;

    std::optional<OmmValue> field(std::string_view key) const override
    {
        for (std::size_t i = 0; i < header_.size() && i < fields.size(); ++i) {
            if (header_[i] == key)
                return OmmValue{fields[i]};
        }
        return std::nullopt;
    }

private:
    const std::vector<std::string_view> &header_;
};

std::string_view trimmedName(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// Walks the lines of a text: CR, LF and CR LF end one.
class Lines {
public:
    explicit Lines(std::string_view text) : text_(text) {}
    bool next(std::string_view &line)
    {
        if (at_ >= text_.size())
            return false;
        const std::size_t end = std::min(text_.find_first_of("\r\n", at_), text_.size());
        line = text_.substr(at_, end - at_);
        at_ = end;
        if (at_ < text_.size() && text_[at_] == '\r')
            ++at_;
        if (at_ < text_.size() && text_[at_] == '\n')
            ++at_;
        ++number_;
        return true;
    }
    int number() const { return number_; }

private:
    std::string_view text_;
    std::size_t at_ = 0;
    int number_ = 0;
};

} // namespace

void readOmmCsv(std::string_view text, ElementSink &sink)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    Lines lines(text);
    std::string_view line;
    while (lines.next(line) && isBlankLine(line)) {
    }
    std::vector<std::string_view> header;
    std::vector<std::string> headerStorage;
    if (lines.number() == 0 || !splitFields(line, header, headerStorage)) {
        sink.problem({lines.number(), 0}, orbitText("OrbitElements", "en-tête CSV illisible"));
        return;
    }
    for (std::string_view &name : header)
        name = trimmedName(name);
    for (std::string_view required : kRequiredOmmFields) {
        if (std::find(header.begin(), header.end(), required) == header.end()) {
            sink.problem({lines.number(), 0}, fillIn(orbitText("OrbitElements", "en-tête CSV sans %1 : fichier ignoré"),
                                                     {std::string(required)}));
            return;
        }
    }
    CsvRecord record(header);
    std::vector<std::string> storage;
    while (lines.next(line)) {
        if (isBlankLine(line))
            continue;
        const RecordPlace place{lines.number(), 0};
        if (!splitFields(line, record.fields, storage)) {
            sink.problem(place, orbitText("OrbitElements", "guillemets non refermés"));
            continue;
        }
        if (record.fields.size() != header.size()) {
            sink.problem(place, fillIn(orbitText("OrbitElements", "%1 champs au lieu de %2"),
                                       {std::to_string(record.fields.size()), std::to_string(header.size())}));
            continue;
        }
        readOmmRecord(record, place, sink);
    }
}

} // namespace orvanta::orbit
