#include "orbit/verification.h"

#include "orbit/sgp4.h"

#include <array>
#include <charconv>
#include <cmath>
#include <fstream>
#include <ostream>
#include <istream>
#include <string>
#include <vector>

namespace orvanta::orbit {
namespace {

constexpr std::size_t kElementColumns = 69;
constexpr double kZeroStart = 1.0e-8;       // a start closer to epoch than this is the epoch line itself
constexpr double kMaxStepsPerSet = 1.0e6;   // refuses runs that would print without end

struct VerificationCase {
    ElementSet elements;
    double start = 0, stop = 0, step = 0;
};

// Fixed decimals, right-aligned, independent of the C locale.
std::string fixed(double value, int width, int decimals)
{
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    std::string text(buffer.data(), result.ptr);
    if (text.size() < std::size_t(width))
        text.insert(0, std::size_t(width) - text.size(), ' ');
    return text;
}

std::string stateLine(double minutes, const TemeState &s)
{
    return fixed(minutes, 17, 8) + ' ' + fixed(s.position_km.x, 16, 8) + ' ' + fixed(s.position_km.y, 16, 8) + ' ' +
           fixed(s.position_km.z, 16, 8) + ' ' + fixed(s.velocity_km_s.x, 12, 9) + ' ' +
           fixed(s.velocity_km_s.y, 12, 9) + ' ' + fixed(s.velocity_km_s.z, 12, 9);
}

const char *errorText(PropagationError error)
{
    switch (error) {
    case PropagationError::MeanEccentricity: return "excentricité moyenne hors limites";
    case PropagationError::MeanMotion: return "mouvement moyen négatif";
    case PropagationError::PerturbedEccentricity: return "excentricité perturbée hors limites";
    case PropagationError::SemiLatusRectum: return "paramètre de l'orbite négatif";
    case PropagationError::Decayed: return "satellite retombé";
    case PropagationError::InvalidTime: return "instant hors limites";
    case PropagationError::None: break;
    }
    return "";
}

std::string errorLine(double minutes, PropagationError error)
{
    return "# erreur " + std::to_string(int(error)) + " à " + fixed(minutes, 0, 8) + " min : " + errorText(error);
}

std::string catalogueWithoutZeros(const std::string &catalogNumber)
{
    const std::size_t first = catalogNumber.find_first_not_of(" 0");
    return first == std::string::npos ? std::string("0") : catalogNumber.substr(first);
}

// The three numbers after column 69 of line 2.
bool readRun(const std::string &tail, VerificationCase &run)
{
    std::vector<double> numbers;
    std::size_t at = 0;
    while (at < tail.size()) {
        while (at < tail.size() && (tail[at] == ' ' || tail[at] == '\t'))
            ++at;
        if (at == tail.size())
            break;
        std::size_t end = at;
        while (end < tail.size() && tail[end] != ' ' && tail[end] != '\t')
            ++end;
        double value = 0;
        const auto result = std::from_chars(tail.data() + at, tail.data() + end, value);
        if (result.ec != std::errc() || result.ptr != tail.data() + end || !std::isfinite(value))
            return false;
        numbers.push_back(value);
        at = end;
    }
    if (numbers.size() != 3)
        return false;
    run.start = numbers[0];
    run.stop = numbers[1];
    run.step = numbers[2];
    return run.step > 0.0 && run.stop >= run.start && (run.stop - run.start) / run.step <= kMaxStepsPerSet;
}

std::string withoutLineEnd(std::string line)
{
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.pop_back();
    return line;
}

std::vector<VerificationCase> readCases(std::istream &in, const std::string &file, std::ostream &err)
{
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(withoutLineEnd(line));

    std::vector<VerificationCase> cases;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string &line1 = lines[i];
        if (line1.empty() || line1[0] == '#' || line1.find_first_not_of(' ') == std::string::npos)
            continue;
        const int lineNumber = int(i) + 1;
        if (line1.rfind("1 ", 0) != 0 || i + 1 == lines.size() || lines[i + 1].rfind("2 ", 0) != 0) {
            err << file << ", ligne " << lineNumber << " : pas un jeu de deux lignes\n";
            continue;
        }
        const std::string &line2 = lines[++i];
        VerificationCase run;
        std::string reason;
        const auto set = parseElementSet("", line1, line2.substr(0, kElementColumns), &reason, ChecksumPolicy::Ignore);
        if (!set) {
            err << file << ", ligne " << lineNumber << " : " << reason << '\n';
            continue;
        }
        if (line2.size() <= kElementColumns || !readRun(line2.substr(kElementColumns), run)) {
            err << file << ", ligne " << lineNumber + 1 << " : début, fin et pas (minutes) attendus après la colonne 69\n";
            continue;
        }
        run.elements = *set;
        cases.push_back(run);
    }
    return cases;
}

void runCase(const VerificationCase &run, std::ostream &out)
{
    out << catalogueWithoutZeros(run.elements.catalogNumber) << " xx\n";
    const Sgp4Propagator propagator(run.elements);
    TemeState state;
    if (const PropagationError error = propagator.propagate(0.0, state); error != PropagationError::None) {
        out << errorLine(0.0, error) << '\n';
        return;
    }
    out << stateLine(0.0, state) << '\n';

    // Times are accumulated step by step, the last one held to the stop time.
    double minutes = run.start;
    if (std::fabs(minutes) > kZeroStart)
        minutes -= run.step;
    while (minutes < run.stop) {
        minutes += run.step;
        if (minutes > run.stop)
            minutes = run.stop;
        if (const PropagationError error = propagator.propagate(minutes, state); error != PropagationError::None) {
            out << errorLine(minutes, error) << '\n';
            return;
        }
        out << stateLine(minutes, state) << '\n';
    }
}

} // namespace

int runVerification(const std::string &verificationFile, std::ostream &out, std::ostream &err)
{
    std::ifstream in(verificationFile, std::ios::binary);
    if (!in) {
        err << verificationFile << " : fichier illisible\n";
        return 1;
    }
    for (const VerificationCase &run : readCases(in, verificationFile, err))
        runCase(run, out);
    return 0;
}

} // namespace orvanta::orbit
