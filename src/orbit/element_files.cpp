#include "orbit/element_files.h"

#include "orbit/sgp4.h"
#include "orbit/text_lines.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <system_error>

namespace orvanta::orbit {
namespace {

namespace fs = std::filesystem;

constexpr std::uintmax_t kMaxFileBytes = 64u * 1024u * 1024u; // far beyond any element file

bool isBlank(const std::string &line)
{
    return line.find_first_not_of(" \t") == std::string::npos;
}

bool startsLine(const std::string &line, char number)
{
    return line.size() >= 2 && line[0] == number && line[1] == ' ';
}

bool hasTxtExtension(const fs::path &path)
{
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return extension == ".txt";
}

// A set that reads well may still describe no orbit the model can start
// from (an eccentricity of 0.9999999 with drag, a perigee under the surface):
// it is refused here, so that it never replaces a usable set of the same name.
bool refusedByTheModel(const ElementSet &set, std::string &reason)
{
    const PropagationError error = Sgp4Propagator(set).initError();
    if (error == PropagationError::None)
        return false;
    reason = std::string("orbite refusée par le modèle : ") + propagationErrorText(error);
    return true;
}

// Keeps the set of each name with the newest epoch.
class CatalogueBuilder {
public:
    explicit CatalogueBuilder(ElementCatalogue &catalogue) : catalogue_(catalogue)
    {
        for (std::size_t i = 0; i < catalogue_.sets.size(); ++i)
            indexByName_[catalogue_.sets[i].name] = i;
    }

    void add(ElementSet set)
    {
        const auto found = indexByName_.find(set.name);
        if (found == indexByName_.end()) {
            indexByName_[set.name] = catalogue_.sets.size();
            catalogue_.sets.push_back(std::move(set));
            return;
        }
        ElementSet &kept = catalogue_.sets[found->second];
        if (set.epoch.minutesSince(kept.epoch) > 0.0)
            kept = std::move(set);
    }

    void problem(const std::string &file, int line, const std::string &reason)
    {
        catalogue_.problems.push_back({file, line, reason});
    }

private:
    ElementCatalogue &catalogue_;
    std::map<std::string, std::size_t> indexByName_;
};

// Lines that belong to no set are reported once per run of such lines.
class StrayLines {
public:
    void note(int lineNumber)
    {
        if (first_ == 0)
            first_ = lineNumber;
        last_ = lineNumber;
    }

    void report(CatalogueBuilder &builder, const std::string &file)
    {
        if (first_ == 0)
            return;
        if (first_ == last_)
            builder.problem(file, first_, "ligne isolée, sans jeu d'éléments");
        else
            builder.problem(file, first_,
                            "lignes " + std::to_string(first_) + " à " + std::to_string(last_) +
                                " : pas un jeu d'éléments");
        first_ = last_ = 0;
    }

private:
    int first_ = 0;
    int last_ = 0;
};

void readLines(const std::vector<std::string> &lines, const std::string &file, CatalogueBuilder &builder)
{
    StrayLines stray;
    std::size_t nameIndex = lines.size(); // the pending name line, if any
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string &line = lines[i];
        const int lineNumber = int(i) + 1;
        if (isBlank(line))
            continue;
        if (startsLine(line, '1')) {
            const bool named = nameIndex < lines.size();
            const int firstLine = named ? int(nameIndex) + 1 : lineNumber;
            std::size_t next = i + 1;
            while (next < lines.size() && isBlank(lines[next]))
                ++next;
            if (next == lines.size() || !startsLine(lines[next], '2')) {
                stray.report(builder, file);
                builder.problem(file, lineNumber, "ligne 1 sans ligne 2");
                nameIndex = lines.size();
                continue;
            }
            stray.report(builder, file);
            std::string reason;
            const auto set = parseElementSet(named ? lines[nameIndex] : std::string(), line, lines[next], &reason);
            if (set && refusedByTheModel(*set, reason))
                builder.problem(file, firstLine, "« " + set->name + " » : " + reason);
            else if (set)
                builder.add(*set);
            else if (named)
                builder.problem(file, firstLine, "« " + cleanSatelliteName(lines[nameIndex]) + " » : " + reason);
            else
                builder.problem(file, firstLine, reason);
            nameIndex = lines.size();
            i = next;
            continue;
        }
        if (startsLine(line, '2')) {
            if (nameIndex < lines.size())
                stray.note(int(nameIndex) + 1);
            stray.report(builder, file);
            builder.problem(file, lineNumber, "ligne 2 sans ligne 1");
            nameIndex = lines.size();
            continue;
        }
        if (nameIndex < lines.size())
            stray.note(int(nameIndex) + 1);
        nameIndex = i;
    }
    if (nameIndex < lines.size())
        stray.note(int(nameIndex) + 1);
    stray.report(builder, file);
}

void readFile(const fs::path &path, CatalogueBuilder &builder)
{
    const std::string label = path.string();
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    if (error) {
        builder.problem(label, 0, "fichier illisible");
        return;
    }
    if (size > kMaxFileBytes) {
        builder.problem(label, 0, "fichier trop grand pour un fichier d'éléments");
        return;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        builder.problem(label, 0, "fichier illisible");
        return;
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (text.find('\0') != std::string::npos) {
        builder.problem(label, 0, "pas un fichier texte");
        return;
    }
    readLines(textLines(text), label, builder);
}

} // namespace

void readElementText(const std::string &text, const std::string &fileLabel, ElementCatalogue &catalogue)
{
    CatalogueBuilder builder(catalogue);
    if (text.find('\0') != std::string::npos) {
        builder.problem(fileLabel, 0, "pas un fichier texte");
        return;
    }
    readLines(textLines(text), fileLabel, builder);
}

ElementCatalogue readElementFiles(const std::string &fileOrFolder)
{
    ElementCatalogue catalogue;
    CatalogueBuilder builder(catalogue);
    const fs::path path(fileOrFolder);
    std::error_code error;
    if (fs::is_directory(path, error)) {
        std::vector<fs::path> files;
        for (fs::directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
            std::error_code entryError;
            if (hasTxtExtension(it->path()) && it->is_regular_file(entryError))
                files.push_back(it->path());
        }
        if (error)
            builder.problem(fileOrFolder, 0, "dossier illisible");
        std::sort(files.begin(), files.end());
        for (const fs::path &file : files)
            readFile(file, builder);
    } else if (fs::is_regular_file(path, error)) {
        readFile(path, builder);
    } else {
        builder.problem(fileOrFolder, 0, "fichier ou dossier introuvable");
    }
    return catalogue;
}

} // namespace orvanta::orbit
