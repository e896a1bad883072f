#include "orbit/engine_text.h"

#include <vector>

namespace orvanta::orbit {

namespace {

TextTranslator &translatorInForce()
{
    static TextTranslator translator;
    return translator;
}

} // namespace

void setTextTranslator(TextTranslator translator)
{
    translatorInForce() = std::move(translator);
}

std::string orbitText(const char *context, const char *text)
{
    const TextTranslator &translator = translatorInForce();
    return translator ? translator(context, text) : std::string(text);
}

std::string fillIn(const std::string &text, std::initializer_list<std::string> values)
{
    const std::vector<std::string> list(values);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool marker = text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const std::size_t index = marker ? std::size_t(text[i + 1] - '1') : 0;
        if (marker && index < list.size()) {
            out += list[index];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace orvanta::orbit
