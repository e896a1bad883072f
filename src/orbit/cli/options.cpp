#include "orbit/cli/options.h"

#include "orbit/cli/cli_text.h"
#include "orbit/text_format.h"

#include <charconv>
#include <cmath>

namespace orvanta::orbit::cli {

Options::Options(const std::vector<std::string> &arguments, const OptionRules &rules)
{
    for (std::size_t i = 0; i < arguments.size() && ok(); ++i) {
        const std::string &argument = arguments[i];
        if (!argument.starts_with("--")) {
            error_ = fillIn(cliText("OrbitOptions", "argument inattendu : %1"), {argument});
        } else if (rules.flags.count(argument)) {
            flags_.insert(argument);
        } else if (rules.required.count(argument) || rules.optional.count(argument) || rules.repeatable.count(argument)) {
            if (i + 1 >= arguments.size())
                error_ = fillIn(cliText("OrbitOptions", "valeur manquante après %1"), {argument});
            else if (values_.count(argument) && !rules.repeatable.count(argument))
                error_ = fillIn(cliText("OrbitOptions", "option donnée deux fois : %1"), {argument});
            else
                values_[argument].push_back(arguments[++i]);
        } else {
            error_ = fillIn(cliText("OrbitOptions", "option inconnue : %1"), {argument});
        }
    }
    for (const std::string &name : rules.required) {
        if (ok() && !values_.count(name))
            error_ = fillIn(cliText("OrbitOptions", "option obligatoire absente : %1"), {name});
    }
}

std::vector<std::string> Options::all(const std::string &name) const
{
    const auto found = values_.find(name);
    return found == values_.end() ? std::vector<std::string>() : found->second;
}

std::optional<double> Options::number(const std::string &name, double fallback, double low, double high)
{
    if (!ok())
        return std::nullopt;
    if (!values_.count(name))
        return fallback;
    const std::string &value = text(name);
    double parsed = 0;
    const auto [end, fault] = std::from_chars(value.data(), value.data() + value.size(), parsed);
    if (fault != std::errc() || end != value.data() + value.size() || !std::isfinite(parsed)) {
        error_ = fillIn(cliText("OrbitOptions", "%1 : nombre attendu, pas « %2 »"), {name, value});
        return std::nullopt;
    }
    if (parsed < low || parsed > high) {
        error_ = fillIn(cliText("OrbitOptions", "%1 : %2 hors de %3 à %4"),
                        {name, value, shortestText(low), shortestText(high)});
        return std::nullopt;
    }
    return parsed;
}

std::optional<long> Options::wholeNumber(const std::string &name, long fallback, long low, long high)
{
    const auto value = number(name, double(fallback), double(low), double(high));
    if (value && *value != std::floor(*value)) {
        error_ = fillIn(cliText("OrbitOptions", "%1 : nombre entier attendu, pas « %2 »"), {name, text(name)});
        return std::nullopt;
    }
    return value ? std::optional<long>(long(*value)) : std::nullopt;
}

} // namespace orvanta::orbit::cli
