#include "orbit/omm_readers.h"
#include "orbit/omm_record.h"
#include "orbit/engine_text.h"

#include <nlohmann/json.hpp>

#include <vector>

namespace orvanta::orbit {
namespace {

using Json = nlohmann::json;

class JsonRecord : public OmmRecord {
public:
    struct Entry {
        std::string key;
        std::string text;
        double number = 0;
        bool isNumber = false;
    };
    std::vector<Entry> entries;
    std::size_t used = 0; // entries are reused from one object to the next

    Entry &next()
    {
        if (used == entries.size())
            entries.emplace_back();
        return entries[used++];
    }

    std::optional<OmmValue> field(std::string_view key) const override
    {
        for (std::size_t i = 0; i < used; ++i) {
            if (entries[i].key == key)
                return OmmValue{entries[i].text, entries[i].number, entries[i].isNumber};
        }
        return std::nullopt;
    }
};

// Reads the objects as the parser meets them, so that the records before a
// cut or a syntax error still count. Values that are arrays or objects are
// no OMM field and are passed over.
class Reader : public nlohmann::json_sax<Json> {
public:
    explicit Reader(ElementSink &sink) : sink_(sink) {}

    bool null() override { return value(std::string(), 0, false, true); }
    bool boolean(bool) override { return value(std::string(), 0, false, true); }
    bool number_integer(number_integer_t number) override { return value({}, double(number), true); }
    bool number_unsigned(number_unsigned_t number) override { return value({}, double(number), true); }
    bool number_float(number_float_t number, const string_t &) override { return value({}, number, true); }
    bool string(string_t &text) override { return value(std::move(text), 0, false); }
    bool binary(binary_t &) override { return value({}, 0, false, true); }

    bool start_object(std::size_t) override
    {
        ++depth_;
        if (inRecord())
            startRecord();
        else if (depth_ == 1 && !topIsArray_)
            startRecord(); // a lone object
        return true;
    }

    bool key(string_t &name) override
    {
        key_ = std::move(name);
        return true;
    }

    bool end_object() override
    {
        if (recordDepth_ == depth_)
            endRecord();
        --depth_;
        return true;
    }

    bool start_array(std::size_t) override
    {
        ++depth_;
        if (depth_ == 1)
            topIsArray_ = true;
        return true;
    }

    bool end_array() override
    {
        --depth_;
        return true;
    }

    bool parse_error(std::size_t position, const std::string &, const nlohmann::detail::exception &) override
    {
        if (recordDepth_ != 0)
            sink_.problem({0, rank_},
                          fillIn(orbitText("OrbitElements", "objet inachevé : JSON tronqué ou illisible à l'octet %1"),
                                 {std::to_string(position)}));
        else
            sink_.problem(
                {0, 0}, fillIn(orbitText("OrbitElements", "JSON tronqué ou illisible à l'octet %1, après %2 objet(s)"),
                               {std::to_string(position), std::to_string(rank_)}));
        return false;
    }

    bool sawObjects() const { return rank_ > 0; }

private:
    bool inRecord() const { return topIsArray_ && depth_ == 2; }

    void startRecord()
    {
        recordDepth_ = depth_;
        record_.used = 0;
        ++rank_;
    }

    void endRecord()
    {
        recordDepth_ = 0;
        readOmmRecord(record_, {0, rank_}, sink_);
    }

    bool value(std::string text, double number, bool isNumber, bool unusable = false)
    {
        // Only the scalars directly in a record are its fields.
        if (recordDepth_ == 0 || depth_ != recordDepth_)
            return true;
        JsonRecord::Entry &entry = record_.next();
        entry.key = key_;
        entry.text = unusable ? std::string("?") : std::move(text);
        entry.number = number;
        entry.isNumber = isNumber;
        return true;
    }

    ElementSink &sink_;
    JsonRecord record_;
    std::string key_;
    int depth_ = 0;
    int recordDepth_ = 0;
    int rank_ = 0;
    bool topIsArray_ = false;
};

} // namespace

void readOmmJson(std::string_view text, ElementSink &sink)
{
    Reader reader(sink);
    const bool read = Json::sax_parse(text.begin(), text.end(), &reader, nlohmann::detail::input_format_t::json, false);
    if (read && !reader.sawObjects())
        sink.problem({0, 0}, orbitText("OrbitElements", "aucun objet OMM dans le JSON"));
}

} // namespace orvanta::orbit
