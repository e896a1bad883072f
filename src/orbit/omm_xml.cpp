#include "orbit/omm_readers.h"
#include "orbit/omm_record.h"
#include "orbit/engine_text.h"

#include <pugixml.hpp>

#include <vector>

namespace orvanta::orbit {
namespace {

// The name without its namespace prefix.
std::string_view localName(const pugi::xml_node &node)
{
    const std::string_view name = node.name();
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// The leaf elements under one <omm>, wherever the standard places them
// (metadata, meanElements, tleParameters).
class XmlRecord : public OmmRecord {
public:
    void collect(const pugi::xml_node &omm)
    {
        leaves_.clear();
        collectUnder(omm, 0);
    }

    std::optional<OmmValue> field(std::string_view key) const override
    {
        for (const auto &[name, text] : leaves_) {
            if (name == key)
                return OmmValue{text};
        }
        return std::nullopt;
    }

private:
    void collectUnder(const pugi::xml_node &node, int depth)
    {
        if (depth > 8)
            return;
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
            if (child.type() != pugi::node_element)
                continue;
            if (child.first_child().type() == pugi::node_pcdata || !child.first_child())
                leaves_.emplace_back(localName(child), child.child_value());
            else
                collectUnder(child, depth + 1);
        }
    }

    std::vector<std::pair<std::string_view, std::string_view>> leaves_;
};

} // namespace

void readOmmXml(std::string_view text, ElementSink &sink)
{
    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
    // What was read before an error stays in the document: its whole records still count.
    const pugi::xml_node root = document.document_element();
    std::vector<pugi::xml_node> messages;
    if (root && localName(root) == "omm") {
        messages.push_back(root);
    } else if (root && localName(root) == "ndm") {
        for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling()) {
            if (child.type() == pugi::node_element && localName(child) == "omm")
                messages.push_back(child);
        }
    }
    if (messages.empty()) {
        sink.problem({0, 0}, parsed
                                 ? orbitText("OrbitElements", "document XML sans <omm> ni <ndm> : pas des éléments OMM")
                                 : fillIn(orbitText("OrbitElements", "XML illisible à l'octet %1 (%2)"),
                                          {std::to_string(parsed.offset), parsed.description()}));
        return;
    }
    XmlRecord record;
    int rank = 0;
    for (const pugi::xml_node &omm : messages) {
        record.collect(omm);
        readOmmRecord(record, {0, ++rank}, sink);
    }
    if (!parsed)
        sink.problem({0, 0},
                     fillIn(orbitText("OrbitElements", "XML tronqué ou illisible à l'octet %1 (%2), après %3 objet(s)"),
                            {std::to_string(parsed.offset), parsed.description(), std::to_string(rank)}));
}

} // namespace orvanta::orbit
