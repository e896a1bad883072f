#include "orbit/element_files.h"

#include "orbit/engine_text.h"
#include "orbit/omm_readers.h"
#include "orbit/sgp4.h"
#include "orbit/text_lines.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unordered_map>

namespace orvanta::orbit {
namespace {

namespace fs = std::filesystem;

bool startsLine(const std::string &line, char number)
{
    return line.size() >= 2 && line[0] == number && line[1] == ' ';
}

std::string lowerExtension(const fs::path &path)
{
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return extension;
}

bool isOmmExtension(const std::string &extension)
{
    return extension == ".csv" || extension == ".json" || extension == ".xml";
}

bool isElementExtension(const std::string &extension)
{
    return extension == ".txt" || isOmmExtension(extension);
}

// "200 Mo", "12 ko": a size as the operator reads it.
std::string sizeText(std::uintmax_t bytes)
{
    if (bytes >= 1024u * 1024u)
        return fillIn(orbitText("OrbitElements", "%1 Mo"), {std::to_string(bytes / (1024u * 1024u))});
    return fillIn(orbitText("OrbitElements", "%1 ko"), {std::to_string(bytes / 1024u)});
}

// A set that reads well may still describe no orbit the model can start
// from (an eccentricity of 0.9999999 with drag, a perigee under the surface):
// it is refused here, so that it never replaces a usable set of the same name.
bool refusedByTheModel(const ElementSet &set, std::string &reason)
{
    const PropagationError error = Sgp4Propagator(set).initError();
    if (error == PropagationError::None)
        return false;
    reason = fillIn(orbitText("OrbitElements", "orbite refusée par le modèle : %1"), {propagationErrorText(error)});
    return true;
}

// Keeps the set of each catalogue number with the newest epoch.
class CatalogueBuilder {
public:
    explicit CatalogueBuilder(ElementCatalogue &catalogue) : catalogue_(catalogue)
    {
        for (std::size_t i = 0; i < catalogue_.sets.size(); ++i)
            indexByNumber_[catalogue_.sets[i].catalogId] = i;
    }

    void add(ElementSet set)
    {
        const auto found = indexByNumber_.find(set.catalogId);
        if (found == indexByNumber_.end()) {
            indexByNumber_[set.catalogId] = catalogue_.sets.size();
            catalogue_.sets.push_back(std::move(set));
            return;
        }
        ElementSet &kept = catalogue_.sets[found->second];
        if (set.epoch.minutesSince(kept.epoch) > 0.0)
            kept = std::move(set);
    }

    void problem(const std::string &file, int line, const std::string &reason, int record = 0)
    {
        catalogue_.problems.push_back({file, line, reason, record});
    }

private:
    ElementCatalogue &catalogue_;
    std::unordered_map<long, std::size_t> indexByNumber_;
};

// The OMM readers' records, checked by the model like two-line sets.
class FileSink : public ElementSink {
public:
    FileSink(CatalogueBuilder &builder, const std::string &file) : builder_(builder), file_(file) {}

    void add(ElementSet set, RecordPlace place) override
    {
        std::string reason;
        if (refusedByTheModel(set, reason))
            problem(place, fillIn(orbitText("OrbitElements", "« %1 » : %2"), {set.name, reason}));
        else
            builder_.add(std::move(set));
    }

    void problem(RecordPlace place, std::string reason) override
    {
        builder_.problem(file_, place.line, reason, place.record);
    }

private:
    CatalogueBuilder &builder_;
    const std::string &file_;
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
            builder.problem(file, first_, orbitText("OrbitElements", "ligne isolée, sans jeu d'éléments"));
        else
            builder.problem(file, first_,
                            fillIn(orbitText("OrbitElements", "lignes %1 à %2 : pas un jeu d'éléments"),
                                   {std::to_string(first_), std::to_string(last_)}));
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
        if (isBlankLine(line))
            continue;
        if (startsLine(line, '1')) {
            const bool named = nameIndex < lines.size();
            const int firstLine = named ? int(nameIndex) + 1 : lineNumber;
            std::size_t next = i + 1;
            while (next < lines.size() && isBlankLine(lines[next]))
                ++next;
            if (next == lines.size() || !startsLine(lines[next], '2')) {
                stray.report(builder, file);
                builder.problem(file, lineNumber, orbitText("OrbitElements", "ligne 1 sans ligne 2"));
                nameIndex = lines.size();
                continue;
            }
            stray.report(builder, file);
            std::string reason;
            const auto set = parseElementSet(named ? lines[nameIndex] : std::string(), line, lines[next], &reason);
            if (set && refusedByTheModel(*set, reason))
                builder.problem(file, firstLine,
                                fillIn(orbitText("OrbitElements", "« %1 » : %2"), {set->name, reason}));
            else if (set)
                builder.add(*set);
            else if (named)
                builder.problem(
                    file, firstLine,
                    fillIn(orbitText("OrbitElements", "« %1 » : %2"), {cleanSatelliteName(lines[nameIndex]), reason}));
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
            builder.problem(file, lineNumber, orbitText("OrbitElements", "ligne 2 sans ligne 1"));
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

// Reads text in whichever encoding it holds. A JSON or XML document that
// names no OMM field is refused whole, or passed over when quiet.
void readText(const std::string &text, const std::string &label, CatalogueBuilder &builder, bool quietUnlessOmm)
{
    if (text.find('\0') != std::string::npos) {
        if (!quietUnlessOmm)
            builder.problem(label, 0, orbitText("OrbitElements", "pas un fichier texte"));
        return;
    }
    FileSink sink(builder, label);
    switch (elementFormatOf(text)) {
    case ElementFormat::OmmCsv:
        readOmmCsv(text, sink);
        return;
    case ElementFormat::OmmJson:
        readOmmJson(text, sink);
        return;
    case ElementFormat::OmmXml:
        readOmmXml(text, sink);
        return;
    case ElementFormat::OtherDocument:
        if (!quietUnlessOmm)
            builder.problem(
                label, 0,
                orbitText("OrbitElements", "document JSON ou XML qui ne nomme aucun champ OMM : pas des éléments"));
        return;
    case ElementFormat::TwoLine:
        if (!quietUnlessOmm)
            readLines(textLines(text), label, builder);
        return;
    }
}

void readFile(const fs::path &path, CatalogueBuilder &builder, bool inFolder)
{
    const std::string label = path.string();
    // Another program's CSV, JSON or XML file in the folder is none of ours.
    const bool quietUnlessOmm = inFolder && isOmmExtension(lowerExtension(path));
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    if (error) {
        builder.problem(label, 0, orbitText("OrbitElements", "fichier illisible"));
        return;
    }
    if (size > kMaxElementFileBytes) {
        builder.problem(label, 0,
                        fillIn(orbitText("OrbitElements",
                                         "fichier de %1, trop grand pour un fichier d'éléments (%2 au plus) : non lu"),
                               {sizeText(size), sizeText(kMaxElementFileBytes)}));
        return;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        builder.problem(label, 0, orbitText("OrbitElements", "fichier illisible"));
        return;
    }
    std::string text(std::size_t(size), '\0');
    in.read(text.data(), std::streamsize(size));
    text.resize(std::size_t(in.gcount())); // a file that shrank meanwhile
    readText(text, label, builder, quietUnlessOmm);
}

// A name carried by one object stays its name; objects sharing a name are
// each named "NAME #12345" after their catalogue numbers.
void distinguishSharedNames(ElementCatalogue &catalogue)
{
    std::unordered_map<std::string, int> carriers;
    for (const ElementSet &set : catalogue.sets)
        ++carriers[set.name];
    for (ElementSet &set : catalogue.sets) {
        if (carriers[set.name] > 1)
            set.name += " #" + std::to_string(set.catalogId);
    }
}

} // namespace

std::string problemPlace(const ElementFileProblem &problem)
{
    if (problem.line > 0)
        return fillIn(orbitText("OrbitElements", "ligne %1"), {std::to_string(problem.line)});
    if (problem.record > 0)
        return fillIn(orbitText("OrbitElements", "objet %1"), {std::to_string(problem.record)});
    return std::string();
}

void readElementText(const std::string &text, const std::string &fileLabel, ElementCatalogue &catalogue)
{
    CatalogueBuilder builder(catalogue);
    readText(text, fileLabel, builder, false);
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
            if (isElementExtension(lowerExtension(it->path())) && it->is_regular_file(entryError))
                files.push_back(it->path());
        }
        if (error)
            builder.problem(fileOrFolder, 0, orbitText("OrbitElements", "dossier illisible"));
        std::sort(files.begin(), files.end());
        for (const fs::path &file : files)
            readFile(file, builder, true);
    } else if (fs::is_regular_file(path, error)) {
        readFile(path, builder, false);
    } else {
        builder.problem(fileOrFolder, 0, orbitText("OrbitElements", "fichier ou dossier introuvable"));
    }
    distinguishSharedNames(catalogue);
    return catalogue;
}

} // namespace orvanta::orbit
