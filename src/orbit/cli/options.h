#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// The options of one subcommand: "--name value" pairs and bare flags.
namespace orvanta::orbit::cli {

struct OptionRules {
    std::set<std::string> required;   // each once, with a value
    std::set<std::string> optional;   // at most once, with a value
    std::set<std::string> repeatable; // any number of times, with a value
    std::set<std::string> flags;      // no value
};

class Options {
public:
    // Reads the arguments after the subcommand; on a fault, error() says which.
    Options(const std::vector<std::string> &arguments, const OptionRules &rules);

    bool ok() const { return error_.empty(); }
    const std::string &error() const { return error_; }

    bool has(const std::string &name) const { return values_.count(name) != 0 || flags_.count(name) != 0; }
    const std::string &text(const std::string &name) const { return values_.at(name).front(); }
    std::vector<std::string> all(const std::string &name) const;

    // The option as a number in [low, high] (fallback when absent). A text
    // that is not a number, or out of range, records an error and gives nothing.
    std::optional<double> number(const std::string &name, double fallback, double low, double high);
    // The same for a whole number.
    std::optional<long> wholeNumber(const std::string &name, long fallback, long low, long high);

private:
    std::map<std::string, std::vector<std::string>> values_;
    std::set<std::string> flags_;
    std::string error_;
};

} // namespace orvanta::orbit::cli
