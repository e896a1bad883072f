#include "orbit/cli/options.h"

#include "orbit/text_format.h"

#include <charconv>
#include <cmath>

namespace orvanta::orbit::cli {

Options::Options(const std::vector<std::string> &arguments, const OptionRules &rules)
{
    for (std::size_t i = 0; i < arguments.size() && ok(); ++i) {
        const std::string &argument = arguments[i];
        if (!argument.starts_with("--")) {
            error_ = "argument inattendu : " + argument;
        } else if (rules.flags.count(argument)) {
            flags_.insert(argument);
        } else if (rules.required.count(argument) || rules.optional.count(argument) || rules.repeatable.count(argument)) {
            if (i + 1 >= arguments.size())
                error_ = "valeur manquante après " + argument;
            else if (values_.count(argument) && !rules.repeatable.count(argument))
                error_ = "option donnée deux fois : " + argument;
            else
                values_[argument].push_back(arguments[++i]);
        } else {
            error_ = "option inconnue : " + argument;
        }
    }
    for (const std::string &name : rules.required) {
        if (ok() && !values_.count(name))
            error_ = "option obligatoire absente : " + name;
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
        error_ = name + " : nombre attendu, pas « " + value + " »";
        return std::nullopt;
    }
    if (parsed < low || parsed > high) {
        error_ = name + " : " + value + " hors de " + shortestText(low) + " à " + shortestText(high);
        return std::nullopt;
    }
    return parsed;
}

std::optional<long> Options::wholeNumber(const std::string &name, long fallback, long low, long high)
{
    const auto value = number(name, double(fallback), double(low), double(high));
    if (value && *value != std::floor(*value)) {
        error_ = name + " : nombre entier attendu, pas « " + text(name) + " »";
        return std::nullopt;
    }
    return value ? std::optional<long>(long(*value)) : std::nullopt;
}

} // namespace orvanta::orbit::cli
