#include "orbit/verification.h"

#include "orbit/batch_propagator.h"
#include "orbit/engine_text.h"
#include "orbit/sgp4.h"
#include "orbit/text_lines.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace orvanta::orbit {
namespace {

constexpr std::size_t kElementColumns = 69;
constexpr double kZeroStart = 1.0e-8;       // a start closer to epoch than this is the epoch line itself
constexpr double kMaxStepsPerSet = 1.0e6;   // refuses runs that would print without end
const char *const kRunExpected =
    orbitTextLater("OrbitVerification", "début, fin et pas (minutes) attendus après la colonne 69");

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

std::string shortest(double value)
{
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string stateLine(double minutes, const TemeState &s)
{
    return fixed(minutes, 17, 8) + ' ' + fixed(s.position_km.x, 16, 8) + ' ' + fixed(s.position_km.y, 16, 8) + ' ' +
           fixed(s.position_km.z, 16, 8) + ' ' + fixed(s.velocity_km_s.x, 12, 9) + ' ' +
           fixed(s.velocity_km_s.y, 12, 9) + ' ' + fixed(s.velocity_km_s.z, 12, 9);
}

std::string errorLine(double minutes, PropagationError error)
{
    return fillIn(orbitText("OrbitVerification", "# erreur %1 à %2 min : %3"),
                  {std::to_string(int(error)), fixed(minutes, 0, 8), propagationErrorText(error)});
}

std::string catalogueWithoutZeros(const std::string &catalogNumber)
{
    const std::size_t first = catalogNumber.find_first_not_of(" 0");
    return first == std::string::npos ? std::string("0") : catalogNumber.substr(first);
}

// The three numbers after column 69 of line 2; on a fault, why.
std::optional<std::string> readRun(const std::string &tail, VerificationCase &run)
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
            return kRunExpected;
        numbers.push_back(value);
        at = end;
    }
    if (numbers.size() != 3)
        return kRunExpected;
    run.start = numbers[0];
    run.stop = numbers[1];
    run.step = numbers[2];
    if (!(run.step > 0.0 && run.stop >= run.start))
        return orbitText("OrbitVerification", kRunExpected);
    if ((run.stop - run.start) / run.step > kMaxStepsPerSet)
        return fillIn(orbitText("OrbitVerification", "plus de %1 pas de %2 min de %3 à %4"),
                      {fixed(kMaxStepsPerSet, 0, 0), shortest(run.step), shortest(run.start), shortest(run.stop)});
    // The times are accumulated: a step lost in the rounding of the largest
    // time would never reach the stop.
    const double largest = std::max(std::fabs(run.start), std::fabs(run.stop));
    if (largest + run.step == largest)
        return fillIn(orbitText("OrbitVerification", "pas de %1 min trop petit pour avancer à %2 min"),
                      {shortest(run.step), shortest(largest)});
    return std::nullopt;
}

std::vector<VerificationCase> readCases(const std::string &text, const std::string &file, std::ostream &err)
{
    const std::vector<std::string> lines = textLines(text);

    std::vector<VerificationCase> cases;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string &line1 = lines[i];
        if (line1.empty() || line1[0] == '#' || line1.find_first_not_of(' ') == std::string::npos)
            continue;
        const int lineNumber = int(i) + 1;
        if (line1.rfind("1 ", 0) != 0 || i + 1 == lines.size() || lines[i + 1].rfind("2 ", 0) != 0) {
            err << fillIn(orbitText("OrbitVerification", "%1, ligne %2 : pas un jeu de deux lignes"),
                          {file, std::to_string(lineNumber)})
                << '\n';
            continue;
        }
        const std::string &line2 = lines[++i];
        VerificationCase run;
        std::string reason;
        const auto set = parseElementSet("", line1, line2.substr(0, kElementColumns), &reason, ChecksumPolicy::Ignore);
        if (!set) {
            err << fillIn(orbitText("OrbitVerification", "%1, ligne %2 : %3"),
                          {file, std::to_string(lineNumber), reason})
                << '\n';
            continue;
        }
        const auto runFault = line2.size() <= kElementColumns
                                  ? std::optional<std::string>(orbitText("OrbitVerification", kRunExpected))
                                  : readRun(line2.substr(kElementColumns), run);
        if (runFault) {
            err << fillIn(orbitText("OrbitVerification", "%1, ligne %2 : %3"),
                          {file, std::to_string(lineNumber + 1), *runFault})
                << '\n';
            continue;
        }
        run.elements = *set;
        cases.push_back(run);
    }
    return cases;
}

// The instants of a run: the epoch, then the steps accumulated one by one,
// the last held to the stop time. Each step advances (checked on reading),
// and the count of steps is bounded besides, since rounding may shorten
// every step.
std::vector<double> runInstants(const VerificationCase &run)
{
    std::vector<double> instants{0.0};
    double minutes = run.start;
    if (std::fabs(minutes) > kZeroStart)
        minutes -= run.step;
    long stepsLeft = long(std::ceil((run.stop - run.start) / run.step)) + 2;
    while (minutes < run.stop && stepsLeft-- > 0) {
        minutes += run.step;
        if (minutes > run.stop)
            minutes = run.stop;
        instants.push_back(minutes);
    }
    return instants;
}

// The run goes through the batch engine, a stretch of instants at a time,
// and stops at the first error.
void runCase(const VerificationCase &run, std::ostream &out)
{
    constexpr std::size_t kInstantsPerBatch = 4096;
    out << catalogueWithoutZeros(run.elements.catalogNumber) << " xx\n";
    const Sgp4Propagator propagator(run.elements);
    const std::vector<double> instants = runInstants(run);
    std::vector<TemeState> states(std::min(kInstantsPerBatch, instants.size()));
    std::vector<PropagationError> errors(states.size());
    for (std::size_t first = 0; first < instants.size(); first += kInstantsPerBatch) {
        const std::size_t count = std::min(kInstantsPerBatch, instants.size() - first);
        BatchPropagator::propagateTimes(propagator, {instants.data() + first, count}, {states.data(), count},
                                        {errors.data(), count});
        for (std::size_t i = 0; i < count; ++i) {
            if (errors[i] != PropagationError::None) {
                out << errorLine(instants[first + i], errors[i]) << '\n';
                return;
            }
            out << stateLine(instants[first + i], states[i]) << '\n';
        }
    }
}

} // namespace

int runVerification(const std::string &verificationFile, std::ostream &out, std::ostream &err)
{
    std::error_code error;
    if (std::filesystem::is_directory(verificationFile, error)) {
        err << fillIn(orbitText("OrbitVerification", "%1 : dossier ; un fichier de vérification est attendu"),
                      {verificationFile})
            << '\n';
        return 1;
    }
    std::ifstream in(verificationFile, std::ios::binary);
    if (!in) {
        err << fillIn(orbitText("OrbitVerification", "%1 : fichier illisible"), {verificationFile}) << '\n';
        return 1;
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    for (const VerificationCase &run : readCases(text, verificationFile, err))
        runCase(run, out);
    return 0;
}

} // namespace orvanta::orbit
